#include "tests/ui/driver/TrayIcons.h"
#include <shellapi.h>

namespace driver {

bool ShellShowsIcon(HWND window, UINT id)
{
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V3_SIZE;
    icon.hWnd = window;
    icon.uID = id;
    icon.uFlags = NIF_ICON | NIF_TIP;
    icon.hIcon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    if (!::Shell_NotifyIconA(NIM_ADD, &icon))
        return true;
    icon.uFlags = 0;
    ::Shell_NotifyIconA(NIM_DELETE, &icon);
    return false;
}

} // namespace driver
