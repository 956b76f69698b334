#pragma once
#include <windows.h>
#include <optional>
#include <string>
#include <vector>

// Where the installers put Corvane, for the current user or for all users, as
// Windows names those places, and running the installers and the
// uninstallers to their end.
namespace installation {

constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvane";

// %LOCALAPPDATA%\Programs\Corvane.
std::string InstallFolder();
// The Start menu's Corvane.lnk.
std::string ShortcutPath();
// The all-users installation's folder: Corvane in the 64-bit Program Files
// folder, or in the 32-bit one.
std::string ProgramFilesFolder();
std::string ProgramFilesX86Folder();
// The Start menu's Corvane.lnk for all users.
std::string CommonShortcutPath();
// The program a shortcut starts; none when it cannot be read.
std::optional<std::string> ShortcutTarget(const std::string& shortcut);
// The machine a PE image is built for (IMAGE_FILE_MACHINE_I386, _AMD64); none
// when the file is no PE image.
std::optional<WORD> ImageMachine(const std::string& path);

// The installers the tests build from the shipped scripts (tests/package/prepare.sh).
std::string Installer();
std::string AllUsersInstaller();

// A Corvane.exe the build made, and the machine it is built for.
struct CorvaneBuild {
    std::string exe;
    WORD machine;
};
// The build the installer is to put on this Windows: the 64-bit one on 64-bit
// Windows, the 32-bit one on 32-bit Windows, whichever this program is.
CorvaneBuild CorvaneForThisWindows();
// Whether this Windows is 64-bit, whichever this program is.
bool On64BitWindows();

// Runs an installer or uninstaller with its arguments until it ends (at most a
// minute); its exit code, none when it did not end.
std::optional<DWORD> RunToEnd(const std::string& exe, const std::string& arguments);
// Runs the uninstaller the Uninstall entry under root names, silently, from
// a copy in scratchFolder: run in place it would have to leave itself behind.
std::optional<DWORD> UninstallSilently(const std::string& scratchFolder, HKEY root = HKEY_CURRENT_USER);

// Sizes of the files in a folder and below, in bytes.
unsigned long long FolderBytes(const std::string& folder);

} // namespace installation
