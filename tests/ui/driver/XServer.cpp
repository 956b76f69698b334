#include "tests/ui/driver/XServer.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/Paths.h"
#include <gtest/gtest.h>

namespace driver {

bool RunOnXServer(const std::string& command, DWORD timeoutMs)
{
    static int runs = 0;
    const std::string status = ScratchRoot() + "\\xserver-" + std::to_string(::GetCurrentProcessId()) + "-"
        + std::to_string(++runs) + ".status";
    const std::string target = UnixPathFromWindows(status);
    if (target.empty()) {
        ADD_FAILURE() << "the scratch root is not on drive Z:";
        return false;
    }
    // Written under another name first, so the driver never reads an empty file.
    const std::string part = target + ".part";
    std::string commandLine =
        "/bin/sh -c \"" + command + "; echo $? > '" + part + "' && mv '" + part + "' '" + target + "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        ADD_FAILURE() << "cannot run " << commandLine << ": error " << ::GetLastError();
        return false;
    }
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    if (!WaitUntil([&] { return FileExists(status); }, timeoutMs)) {
        ADD_FAILURE() << command << " did not finish within " << timeoutMs << " ms";
        return false;
    }
    const std::optional<std::string> text = ReadFileText(status);
    ::DeleteFileA(status.c_str());
    const bool succeeded = text && text->substr(0, 2) == "0\n";
    EXPECT_TRUE(succeeded) << command << " ended with status " << text.value_or("?");
    return succeeded;
}

bool MovePointer(int x, int y)
{
    return RunOnXServer("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
}

bool ClickAt(int x, int y, int clicks)
{
    return RunOnXServer("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " click --repeat "
                        + std::to_string(clicks) + " --delay 100 1");
}

} // namespace driver
