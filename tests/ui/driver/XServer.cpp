#include "tests/ui/driver/XServer.h"
#include "tests/ui/driver/Controls.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/Program.h"
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

HWND FindShownTooltip(const Program& program)
{
    for (HWND window : program.TopLevelWindows()) {
        if (ClassOf(window) == "tooltips_class32" && ::IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

std::optional<std::string> TooltipOver(const Program& program, HWND control)
{
    RECT rect = {};
    ::GetWindowRect(control, &rect);
    const int x = (rect.left + rect.right) / 2;
    const int y = (rect.top + rect.bottom) / 2;
    // A second, small move: when the pointer stood there already the first
    // moved nothing, and the tooltip starts its wait on a move over the control.
    if (!MovePointer(x, y) || !MovePointer(x + 2, y + 1))
        return std::nullopt;
    HWND tip = nullptr;
    if (!WaitUntil([&] { return (tip = FindShownTooltip(program)) != nullptr; }, 5000))
        return std::nullopt;
    return TextOf(tip);
}

} // namespace driver
