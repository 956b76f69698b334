#include "tests/ui/driver/Controls.h"
#include "tests/ui/driver/Files.h"
#include <cstdio>

namespace driver {

std::string TextOf(HWND window)
{
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return std::string();
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
                          5000, &copied);
    text.resize(copied < text.size() ? copied : 0);
    return text;
}

std::string ClassOf(HWND window)
{
    char name[256] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

std::string ControlText(HWND dialog, int id)
{
    HWND control = ::GetDlgItem(dialog, id);
    return control != nullptr ? TextOf(control) : std::string();
}

void SetControlText(HWND dialog, int id, const std::string& text)
{
    ::SendMessageA(::GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::vector<HWND> ChildWindows(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

RECT RectInDialog(HWND dialog, HWND child)
{
    RECT rect = {};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int CheckState(HWND dialog, int id)
{
    return static_cast<int>(::SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0));
}

void PressButton(HWND dialog, int id)
{
    ::SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
}

void PostButtonPress(HWND dialog, int id)
{
    ::PostMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void SendCommand(HWND window, UINT id)
{
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void PostCommand(HWND window, UINT id)
{
    ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void PostKey(HWND window, UINT virtualKey)
{
    const UINT scanCode = ::MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    ::PostMessageA(window, WM_KEYDOWN, virtualKey, 1 | (static_cast<LPARAM>(scanCode) << 16));
    ::PostMessageA(window, WM_KEYUP, virtualKey, 1 | (static_cast<LPARAM>(scanCode) << 16) | (3LL << 30));
}

void PostAltKey(HWND window, UINT virtualKey)
{
    // Bit 29 of the key data: the Alt key is down.
    const LPARAM keyData = 1 | (static_cast<LPARAM>(::MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16) | (1LL << 29);
    ::PostMessageA(window, WM_SYSKEYDOWN, virtualKey, keyData);
    ::PostMessageA(window, WM_SYSKEYUP, virtualKey, keyData | (3LL << 30));
}

void PostChars(HWND control, const std::string& text)
{
    for (unsigned char character : text)
        ::PostMessageA(control, WM_CHAR, character, 1);
}

HWND FocusOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

bool TabTo(HWND dialog, int id)
{
    HWND control = ::GetDlgItem(dialog, id);
    // More presses than the dialog has controls: one round is enough.
    for (size_t press = 0; press <= ChildWindows(dialog).size(); ++press) {
        HWND focus = FocusOf(dialog);
        if (focus == control)
            return true;
        PostKey(focus != nullptr ? focus : dialog, VK_TAB);
        // The press has been handled once the focus has moved.
        WaitUntil([&] { return FocusOf(dialog) != focus; }, 2000);
    }
    return FocusOf(dialog) == control;
}

void SendTimer(HWND window, UINT_PTR id)
{
    ::SendMessageA(window, WM_TIMER, id, 0);
}

void SendTrayMessage(HWND window, UINT mouseMessage)
{
    ::SendMessageA(window, kTrayNotifyMessage, kTrayIconId, mouseMessage);
}

void PostTrayMessage(HWND window, UINT mouseMessage)
{
    ::PostMessageA(window, kTrayNotifyMessage, kTrayIconId, mouseMessage);
}

bool Responds(HWND window, DWORD timeoutMs)
{
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
}

long ClockSeconds(const std::string& text)
{
    long hours = 0;
    int minutes = 0;
    int seconds = 0;
    if (std::sscanf(text.c_str(), " %ld hrs : %d mins : %d secs", &hours, &minutes, &seconds) != 3)
        return -1;
    return hours * 3600 + minutes * 60 + seconds;
}

bool PlacePointer(int x, int y, DWORD timeoutMs)
{
    ::SetCursorPos(x, y);
    return WaitUntil([&] {
        POINT cursor;
        return ::GetCursorPos(&cursor) && cursor.x == x && cursor.y == y;
    }, timeoutMs);
}

// Asked in the wide form: Wine hands a list item to another process as UTF-16
// whatever form was asked for.
std::vector<std::string> ComboItems(HWND dialog, int id)
{
    std::vector<std::string> items;
    HWND combo = ::GetDlgItem(dialog, id);
    const LRESULT count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring item(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
        const LRESULT copied =
            ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item[0]));
        item.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        std::string text(item.size() * 2 + 1, '\0');
        const int bytes = ::WideCharToMultiByte(CP_ACP, 0, item.c_str(), static_cast<int>(item.size()), &text[0],
                                                static_cast<int>(text.size()), nullptr, nullptr);
        text.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
        items.push_back(text);
    }
    return items;
}

int ComboSelection(HWND dialog, int id)
{
    return static_cast<int>(::SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

void SelectComboItem(HWND dialog, int id, int position)
{
    HWND box = ::GetDlgItem(dialog, id);
    ::SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
}

} // namespace driver
