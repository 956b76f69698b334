#pragma once
#include <windows.h>
#include <optional>
#include <string>
#include <vector>

// Files and folders as a test sees them after (or while) the program runs.
namespace driver {

bool FileExists(const std::string& path);
// The whole file, or none when it cannot be read.
std::optional<std::string> ReadFileText(const std::string& path);
bool WriteFileText(const std::string& path, const std::string& text);
// Copies source to target, replacing target.
bool CopyFileTo(const std::string& source, const std::string& target);
// Removes a folder and everything in it; true when it is gone.
bool RemoveFolder(const std::string& folder);
// Creates a folder and its missing parents.
bool MakeFolder(const std::string& folder);
// The names in a folder, sorted.
std::vector<std::string> FolderListing(const std::string& folder);
// Where the platform puts an INI file named without a folder: the Windows
// folder's Corvane.ini, the place a misdirected write of the settings lands.
std::string WindowsFolderIni();

// Polls condition every pollMs until it holds or timeoutMs has passed; the
// condition's last answer.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs, DWORD pollMs = 20)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount() - start >= timeoutMs)
            return condition();
        ::Sleep(pollMs);
    }
}

} // namespace driver
