// The main window's side of the Zendry client and of the start-with-Windows
// entry: the Run button (whose handler the window's initialisation also calls
// when AutoRun is set) and menu item 32781.
#include "app/MorvishDlg.h"
#include "framework/CmdUI.h"
#include "framework/ModulePath.h"
#include "framework/WinApp.h"
#include "res/ProductInfo.h"
#include "settings/ClientLauncher.h"
#include "settings/RunKey.h"

void CMorvishDlg::OnRunClient()
{
    RunClient(true);
}

void CMorvishDlg::RunClient(bool pressed)
{
    const ClientLocation client = LocateClient();
    switch (client.status) {
    case ClientStatus::NotInstalled:
        AfxMessageBox(kClientNotInstalledMessage, MB_OK | MB_ICONERROR);
        break;
    case ClientStatus::NoUsablePath:
        break;
    case ClientStatus::Located:
        switch (LaunchClient(client.exePath)) {
        case StartResult::Started:
            break;
        case StartResult::Failed:
            AfxMessageBox(ClientNotFoundMessage(client.exePath).c_str(), MB_OK | MB_ICONERROR);
            break;
        case StartResult::ShellNotRunning:
            if (pressed)
                ExplainShellNotRunning("Zendry could not be started");
            break;
        }
        break;
    }
}

void CMorvishDlg::OnUpdateRunAtStartup(CCmdUI* cmdUI)
{
    m_bRunAtStartup = RunEntryExists(kProductName);
    cmdUI->SetCheck(m_bRunAtStartup ? 1 : 0);
}

void CMorvishDlg::OnRunAtStartup()
{
    // The menu refreshed the flag from the registry when it opened, so the
    // inverted flag is the opposite of what the user saw. A Run key that cannot
    // be written is left alone; the next refresh shows the unchanged state.
    m_bRunAtStartup = !m_bRunAtStartup;
    SetRunEntry(kProductName, m_bRunAtStartup, GetModulePath());
}
