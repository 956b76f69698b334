#pragma once
#include <windows.h>
#include <optional>
#include <string>
#include <vector>

// Where the installer puts Corvane for the current user, as Windows names those
// places, and running the installer and the uninstaller to their end.
namespace installation {

constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvane";

// %LOCALAPPDATA%\Programs\Corvane.
std::string InstallFolder();
// The Start menu's Corvane.lnk.
std::string ShortcutPath();
// The program a shortcut starts; none when it cannot be read.
std::optional<std::string> ShortcutTarget(const std::string& shortcut);
// The machine a PE image is built for (IMAGE_FILE_MACHINE_I386, _AMD64); none
// when the file is no PE image.
std::optional<WORD> ImageMachine(const std::string& path);

// The installer the tests build from the shipped script (tests/package/prepare.sh).
std::string Installer();

// A Corvane.exe the build made, and the machine it is built for.
struct CorvaneBuild {
    std::string exe;
    WORD machine;
};
// The build the installer is to put on this Windows: the 64-bit one on 64-bit
// Windows, the 32-bit one on 32-bit Windows, whichever this program is.
CorvaneBuild CorvaneForThisWindows();

// Runs an installer or uninstaller with its arguments until it ends (at most a
// minute); its exit code, none when it did not end.
std::optional<DWORD> RunToEnd(const std::string& exe, const std::string& arguments);
// Runs the uninstaller the Uninstall entry names, silently, from a copy in
// scratchFolder: run in place it would have to leave itself behind.
std::optional<DWORD> UninstallSilently(const std::string& scratchFolder);

// Sizes of the files in a folder and below, in bytes.
unsigned long long FolderBytes(const std::string& folder);

} // namespace installation
