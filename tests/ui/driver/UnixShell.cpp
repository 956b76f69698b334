#include "tests/ui/driver/UnixShell.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/Paths.h"

namespace driver {

std::optional<int> RunShell(const std::string& script, DWORD timeoutMs)
{
    static int s_nRun = 0;
    MakeFolder(ScratchRoot());
    const std::string status = ScratchRoot() + "\\shell-" + std::to_string(::GetCurrentProcessId()) + "-"
        + std::to_string(++s_nRun) + ".status";
    const std::string unixStatus = UnixPathFromWindows(status);
    std::string commandLine = "/bin/sh -c \"" + script + "; echo $? > '" + unixStatus + ".part' && mv '" + unixStatus
        + ".part' '" + unixStatus + "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return std::nullopt;
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    if (!WaitUntil([&] { return FileExists(status); }, timeoutMs))
        return std::nullopt;
    const std::optional<std::string> text = ReadFileText(status);
    ::DeleteFileA(status.c_str());
    if (!text.has_value() || text->empty())
        return std::nullopt;
    return std::stoi(*text);
}

} // namespace driver
