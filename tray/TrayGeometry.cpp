#include "tray/TrayGeometry.h"
#include <shellapi.h>
#include <cstring>

TrayChildKind ClassifyTrayChild(const char* className)
{
    if (std::strcmp(className, "TrayNotifyWnd") == 0)
        return TrayChildKind::NotifyArea;
    if (std::strcmp(className, "TrayClockWClass") == 0)
        return TrayChildKind::Clock;
    return TrayChildKind::Other;
}

bool RefineTrayArea(RECT& area, TrayChildKind kind, const RECT& child)
{
    switch (kind) {
    case TrayChildKind::NotifyArea:
        // The clock usually lives inside the area: keep walking to find it.
        area = child;
        return true;
    case TrayChildKind::Clock:
        // More than 5 pixels above the area's bottom means the clock is
        // stacked above the icons (a tall taskbar); otherwise it is beside them.
        if (child.bottom < area.bottom - 5)
            area.top = child.bottom;
        else
            area.right = child.left;
        return false;
    case TrayChildKind::Other:
        break;
    }
    return true;
}

RECT TrayAreaFromTaskbarPos(const RECT& taskbar, UINT edge)
{
    RECT area = taskbar;
    if (edge == ABE_LEFT || edge == ABE_RIGHT) {
        area.top = taskbar.bottom - TRAY_TASKBAR_END_MARGIN;
        area.bottom = taskbar.bottom - TRAY_TASKBAR_NEAR_MARGIN;
    } else {
        area.left = taskbar.right - TRAY_TASKBAR_END_MARGIN;
        area.right = taskbar.right - TRAY_TASKBAR_NEAR_MARGIN;
    }
    return area;
}

RECT TrayAreaFromWorkArea(const RECT& workArea)
{
    RECT area = workArea;
    area.left = workArea.right - TRAY_FALLBACK_WIDTH;
    area.top = workArea.bottom - TRAY_FALLBACK_HEIGHT;
    return area;
}
