#include "tests/ui/commands_steps.h"

namespace commands {

using namespace driver;

long SessionSeconds(HWND window)
{
    return ClockSeconds(ControlText(window, kSessionClock));
}

POINT CentreOf(HWND control)
{
    RECT rect = {};
    ::GetWindowRect(control, &rect);
    return { (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 };
}

bool TypeInto(HWND window, int id, const std::string& text)
{
    SetControlText(window, id, "");
    PostChars(::GetDlgItem(window, id), text);
    return WaitUntil([&] { return ControlText(window, id) == text; }, 5000);
}

bool WaitHidden(const Program& program, HWND window)
{
    return WaitUntil([&] { return !::IsWindowVisible(window); }, 5000) && ::IsWindow(window) && program.IsRunning()
        && Responds(window);
}

std::map<UINT, MenuItem> OpenTrayPopup(const Program& program, HWND window, HWND& popup)
{
    std::map<UINT, MenuItem> items;
    PostTrayMessage(window, WM_RBUTTONUP);
    popup = WaitForPopupMenu(program);
    EXPECT_NE(popup, nullptr) << "no tray popup";
    if (popup != nullptr) {
        for (const MenuItem& item : ReadMenu(program, MenuOfPopup(popup)))
            items[item.id] = item;
    }
    return items;
}

bool WaitPopupClosed(HWND popup)
{
    return WaitUntil([&] { return !::IsWindowVisible(popup); }, 5000);
}

void ChooseFromPopup(const Program& program, HWND window, char mnemonic)
{
    HWND popup = nullptr;
    OpenTrayPopup(program, window, popup);
    if (popup == nullptr)
        return;
    PostKey(popup, static_cast<UINT>(mnemonic));
    EXPECT_TRUE(WaitPopupClosed(popup));
}

} // namespace commands
