#include "app/MorvishApp.h"
#include "app/MorvishDlg.h"
#include "app/WebLinks.h"
#include "framework/ModulePath.h"
#include "skin/Skin.h"
#include <commctrl.h>

BOOL CMorvishApp::InitInstance()
{
    ::InitCommonControls();
    CWinApp::InitInstance();
    SetRegistryKey("Local AppWizard-Generated Applications");
    m_strHelpFile = PathBeside(GetModulePath(), kUserGuideFile);

    SkinInit(m_hInstance, "Demo", nullptr, nullptr);
    SkinLoadFile("skin.smf");
    SkinSetDialogSkin("Dialog");

    {
        CMorvishDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
        m_pMainWnd = nullptr;
    }
    // No message loop of our own: the framework goes straight to ExitInstance.
    return FALSE;
}

int CMorvishApp::ExitInstance()
{
    SkinExit();
    return CWinApp::ExitInstance();
}
