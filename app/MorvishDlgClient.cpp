// The main window's side of the Zendry client: the Run button, whose handler
// the window's initialisation also calls when AutoRun is set.
#include "app/MorvishDlg.h"
#include "framework/WinApp.h"
#include "settings/ClientLauncher.h"

void CMorvishDlg::OnRunClient()
{
    const ClientLocation client = LocateClient();
    switch (client.status) {
    case ClientStatus::NotInstalled:
        AfxMessageBox(kClientNotInstalledMessage, MB_OK | MB_ICONERROR);
        break;
    case ClientStatus::NoUsablePath:
        break;
    case ClientStatus::Located:
        // The launch is the only test of the file's existence.
        if (!LaunchClient(client.exePath))
            AfxMessageBox(ClientNotFoundMessage(client.exePath).c_str(), MB_OK | MB_ICONERROR);
        break;
    }
}
