#include "tests/ui/driver/MessageBoxes.h"
#include "tests/ui/driver/Controls.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/Program.h"
#include <gtest/gtest.h>

namespace driver {

namespace {
constexpr int kMessageTextId = 0xFFFF;
}

HWND FindMessageBox(const Program& program)
{
    for (HWND window : program.TopLevelWindows()) {
        if (ClassOf(window) == "#32770" && ::IsWindowVisible(window) && ::GetDlgItem(window, kMessageTextId) != nullptr)
            return window;
    }
    return nullptr;
}

HWND WaitForMessageBox(const Program& program, DWORD timeoutMs)
{
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = FindMessageBox(program)) != nullptr; }, timeoutMs))
        ADD_FAILURE() << "no message box after " << timeoutMs << " ms";
    return box;
}

std::string MessageBoxText(HWND box)
{
    return ControlText(box, kMessageTextId);
}

bool CloseMessageBox(HWND box, int buttonId, DWORD timeoutMs)
{
    ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(box, buttonId)));
    return WaitUntil([&] { return !::IsWindow(box) || !::IsWindowVisible(box); }, timeoutMs);
}

} // namespace driver
