// Commands of the main window that end it, open web pages and update the
// popup's check marks; the tooltips of its buttons.
#include "app/MorvishDlg.h"
#include "app/WebLinks.h"
#include "framework/Format.h"
#include "framework/MenuUpdate.h"
#include "framework/WinApp.h"
#include "res/ProductInfo.h"
#include "tray/TrayHiding.h"
#include <shellapi.h>

void CMorvishDlg::SetButtonTooltips()
{
    m_btnRunClient.SetTooltip(Format("Run %s", kClientName).c_str(), TRUE);
    // The toggle gets its usual text here, with the other three and before
    // the client's launch, whose message box may hold the initialisation up.
    // The session start at the end of the initialisation then sets the text
    // that says whether sessions start: both are wanted, in this order.
    ShowToggleTooltip(0);
    m_btnQuit.SetTooltip("Exit", TRUE);
    m_btnMinimize.SetTooltip("Save", TRUE);
}

void CMorvishDlg::OnMinimize()
{
    // The Minimize button, Esc and the close box: the window, its timers and
    // the session keep running in the tray.
    SaveRegistrySettings();
    HideToTray(this, FALSE);
}

void CMorvishDlg::OnQuit()
{
    // Neither saves the settings nor stops the session: both end with the process.
    KillTimer(StatsTimer);
    EndDialog(IDOK);
}

void CMorvishDlg::OnWebLink(UINT id)
{
    if (const char* address = WebLinkAddress(id))
        ::ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

void CMorvishDlg::OnHelpPage()
{
    // The shell says nothing when the file is missing: without this message
    // Help and F1 would do nothing at all.
    const std::string& guide = AfxGetApp()->m_strHelpFile;
    if (::GetFileAttributesA(guide.c_str()) == INVALID_FILE_ATTRIBUTES) {
        AfxMessageBox(Format("The user guide is missing:\n%s", guide.c_str()).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ::ShellExecuteA(nullptr, "open", guide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CMorvishDlg::OnInitMenuPopup(HMENU popup, UINT, bool)
{
    UpdatePopupMenu(popup, *this);
}
