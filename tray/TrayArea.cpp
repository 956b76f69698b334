#include "tray/TrayArea.h"
#include "tray/TrayCalls.h"
#include "tray/TrayGeometry.h"

#ifndef _WIN64
static_assert(sizeof(APPBARDATA) == 36, "the shell expects the 36-byte APPBARDATA of 32-bit Windows");
#endif

BOOL CALLBACK TrayChildEnumProc(HWND child, LPARAM rect)
{
    char className[256] = {};
    ::GetClassNameA(child, className, sizeof className);
    const TrayChildKind kind = ClassifyTrayChild(className);
    if (kind == TrayChildKind::Other)
        return TRUE;
    RECT childRect;
    if (!::GetWindowRect(child, &childRect))
        return TRUE;
    return RefineTrayArea(*reinterpret_cast<RECT*>(rect), kind, childRect) ? TRUE : FALSE;
}

void LocateTrayArea(RECT* rect)
{
    if (HWND taskbar = g_pfnFindWindowA("Shell_TrayWnd", nullptr)) {
        ::GetWindowRect(taskbar, rect);
        // Whatever the walk leaves is the answer: the whole taskbar when no
        // descendant matches.
        ::EnumChildWindows(taskbar, &TrayChildEnumProc, reinterpret_cast<LPARAM>(rect));
        return;
    }

    APPBARDATA appBar = {};
    appBar.cbSize = sizeof appBar;
    if (g_pfnSHAppBarMessage(ABM_GETTASKBARPOS, &appBar)) {
        *rect = TrayAreaFromTaskbarPos(appBar.rc, appBar.uEdge);
        return;
    }

    // Starts from the primary screen, so a work area that cannot be read still
    // gives a rectangle on screen.
    RECT workArea = { 0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN) };
    g_pfnSystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    *rect = TrayAreaFromWorkArea(workArea);
}
