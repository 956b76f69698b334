#include "tray/TrayHiding.h"
#include "tray/TrayArea.h"
#include "tray/TrayCalls.h"

CWnd g_wndTrayOwner;

namespace {

static_assert(sizeof(ANIMATIONINFO) == 8, "SPI_GETANIMATION expects the 8-byte ANIMATIONINFO");

// A style change only: the window is neither moved nor redrawn by it.
void SetVisibleStyle(HWND window, bool visible)
{
    const LONG style = ::GetWindowLongA(window, GWL_STYLE);
    ::SetWindowLongA(window, GWL_STYLE, visible ? (style | WS_VISIBLE) : (style & ~static_cast<LONG>(WS_VISIBLE)));
}

bool WantAnimation(BOOL forceAnimation)
{
    return forceAnimation || IsMinimizeAnimationOn();
}

} // namespace

BOOL IsMinimizeAnimationOn()
{
    ANIMATIONINFO info = {};
    info.cbSize = sizeof info;
    if (!g_pfnSystemParametersInfoA(SPI_GETANIMATION, sizeof info, &info, 0))
        return FALSE;
    return info.iMinAnimate != 0 ? TRUE : FALSE;
}

BOOL ParentToTrayOwner(CWnd* window)
{
    if (!::IsWindow(g_wndTrayOwner.m_hWnd)) {
        // A popup never shown: CW_USEDEFAULT puts a popup at 0,0 with no size.
        if (!g_wndTrayOwner.CreateEx(0, FrameworkWindowClass(), "", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr))
            return FALSE;
    }
    ::SetParent(window->m_hWnd, g_wndTrayOwner.m_hWnd);
    return TRUE;
}

void HideToTray(CWnd* window, BOOL forceAnimation)
{
    HWND hWnd = window->m_hWnd;
    if (WantAnimation(forceAnimation)) {
        RECT from;
        RECT to;
        ::GetWindowRect(hWnd, &from);
        LocateTrayArea(&to);
        g_pfnDrawAnimatedRects(hWnd, IDANI_CAPTION, &from, &to);
    }
    ParentToTrayOwner(window);
    SetVisibleStyle(hWnd, false);
}

void RestoreFromTray(CWnd* window, BOOL forceAnimation)
{
    HWND hWnd = window->m_hWnd;
    if (WantAnimation(forceAnimation)) {
        RECT from;
        RECT to;
        ::GetWindowRect(hWnd, &to);
        LocateTrayArea(&from);
        ::SetParent(hWnd, nullptr);
        g_pfnDrawAnimatedRects(hWnd, IDANI_CAPTION, &from, &to);
    } else {
        ::SetParent(hWnd, nullptr);
    }
    SetVisibleStyle(hWnd, true);
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    // Activating the owner first takes the activation away from whatever had
    // it, so the window's own activation below is a real change.
    if (::IsWindow(g_wndTrayOwner.m_hWnd))
        ::SetActiveWindow(g_wndTrayOwner.m_hWnd);
    ::SetActiveWindow(hWnd);
    ::SetForegroundWindow(hWnd);
}
