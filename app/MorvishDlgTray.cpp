// The tray icon's notifications as the main window receives them.
#include "app/MorvishDlg.h"
#include "tray/TrayHiding.h"

LRESULT CMorvishDlg::OnTrayNotification(WPARAM wParam, LPARAM lParam)
{
    // The window restores itself: the command 0 that the double click also
    // posts has no handler here.
    if (LOWORD(lParam) == WM_LBUTTONDBLCLK)
        RestoreFromTray(this, FALSE);
    return m_TrayIcon.HandleTrayNotification(wParam, lParam);
}
