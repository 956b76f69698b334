// The main window's side of the Zendry client: the Run button, whose handler
// the window's initialisation also calls when AutoRun is set.
#include "app/MorvishDlg.h"
#include "framework/WinApp.h"
#include "settings/ClientLauncher.h"

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
