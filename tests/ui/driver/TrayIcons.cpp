#include "tests/ui/driver/TrayIcons.h"
#include <shellapi.h>

namespace driver {

bool ShellShowsIcon(HWND window, UINT id)
{
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V3_SIZE;
    icon.hWnd = window;
    icon.uID = id;
    return ::Shell_NotifyIconA(NIM_MODIFY, &icon) != FALSE;
}

} // namespace driver
