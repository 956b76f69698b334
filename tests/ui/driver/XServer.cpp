#include "tests/ui/driver/XServer.h"
#include "tests/ui/driver/UnixShell.h"
#include <gtest/gtest.h>

namespace driver {

bool RunOnXServer(const std::string& command, DWORD timeoutMs)
{
    const std::optional<int> status = RunShell(command, timeoutMs);
    if (!status) {
        ADD_FAILURE() << command << " did not run or did not finish within " << timeoutMs << " ms";
        return false;
    }
    EXPECT_EQ(*status, 0) << command << " ended with status " << *status;
    return *status == 0;
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

bool TypeOnKeyboard(const std::string& text, int delayMs)
{
    return RunOnXServer("xdotool type --delay " + std::to_string(delayMs) + " -- " + text);
}

bool PressKeys(const std::string& keys)
{
    return RunOnXServer("xdotool key --delay 50 " + keys);
}

} // namespace driver
