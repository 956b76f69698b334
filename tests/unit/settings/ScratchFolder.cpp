#include "ScratchFolder.h"
#include <windows.h>
#include <algorithm>
#include <vector>

namespace {

std::wstring LongPath(const std::string& path)
{
    return L"\\\\?\\" + std::wstring(path.begin(), path.end());
}

// Calls `visit(name, isFolder)` for each entry of a folder.
template <typename Visit>
void ForEachEntry(const std::string& path, Visit visit)
{
    WIN32_FIND_DATAW data;
    const HANDLE find = ::FindFirstFileW((LongPath(path) + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring wide = data.cFileName;
        const std::string name(wide.begin(), wide.end());
        if (name != "." && name != "..")
            visit(name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
}

void RemoveTree(const std::string& path)
{
    ForEachEntry(path, [&](const std::string& name, bool isFolder) {
        const std::string child = path + "\\" + name;
        if (isFolder) {
            RemoveTree(child);
        } else {
            ::SetFileAttributesW(LongPath(child).c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileW(LongPath(child).c_str());
        }
    });
    ::RemoveDirectoryW(LongPath(path).c_str());
}

void CollectFiles(const std::string& path, const std::string& prefix, std::vector<std::string>& files)
{
    ForEachEntry(path, [&](const std::string& name, bool isFolder) {
        if (isFolder)
            CollectFiles(path + "\\" + name, prefix + name + "\\", files);
        else
            files.push_back(prefix + name);
    });
}

} // namespace

ScratchFolder::ScratchFolder(const std::string& name)
{
    char temp[MAX_PATH + 1];
    ::GetTempPathA(sizeof temp, temp);
    m_path = std::string(temp) + "corvane-" + name + "-" + std::to_string(::GetCurrentProcessId());
    RemoveTree(m_path);
    CreateFolder(m_path);
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(m_path);
}

bool CreateFolder(const std::string& path)
{
    return ::CreateDirectoryW(LongPath(path).c_str(), nullptr) != FALSE;
}

std::string ReadFileBytes(const std::string& path)
{
    const HANDLE file = ::CreateFileW(LongPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes;
    char buffer[4096];
    DWORD count = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &count, nullptr) && count > 0)
        bytes.append(buffer, count);
    ::CloseHandle(file);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    const HANDLE file = ::CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == bytes.size();
}

std::string ListFiles(const std::string& path)
{
    std::vector<std::string> files;
    CollectFiles(path, "", files);
    std::sort(files.begin(), files.end());
    std::string list;
    for (const std::string& file : files)
        list += file + "\n";
    return list;
}
