// The main window's side of the product key: the two numbers and the unit
// shown in the settings group, and the two flags of the tray menu. Registry
// failures never show: reads fall back to the defaults, writes are skipped
// and the window keeps its in-memory state.
#include "app/MorvishDlg.h"
#include "framework/CmdUI.h"
#include "settings/ProductSettings.h"

void CMorvishDlg::ReadAutoResumeDownloads()
{
    m_bAutoResumeDownloads = ReadProductFlag(kAutoResumeDownloads);
}

int CMorvishDlg::LoadRegistrySettings()
{
    const StoredWindowSettings stored = ReadWindowSettings();
    m_strCheckPeriod = stored.checkPeriod;
    m_strAccelerateFirst = stored.accelerateFirst;
    // An index that names no item, -1 included, leaves the list without a selection.
    m_cboCheckPeriodUnit.SetCurSel(stored.unitIndex);
    m_nNetwork = stored.network;
    UpdateData(false);
    return 0;
}

void CMorvishDlg::SaveRegistrySettings()
{
    UpdateData(true);
    SaveWindowSettings(m_strCheckPeriod, m_cboCheckPeriodUnit.GetCurSel(), m_strAccelerateFirst);
}

void CMorvishDlg::ReadRunOtherApp()
{
    m_bRunOtherApp = ReadProductFlag(kRunOtherApp);
}

void CMorvishDlg::OnAutoResumeDownloads()
{
    ToggleProductFlag(kAutoResumeDownloads, m_bAutoResumeDownloads);
}

void CMorvishDlg::OnUpdateAutoResumeDownloads(CCmdUI* cmdUI)
{
    // The flag is read once, at construction: a read-only key shows the
    // toggled state until the program ends.
    cmdUI->SetCheck(m_bAutoResumeDownloads ? 1 : 0);
}

void CMorvishDlg::OnAutoRunClient()
{
    ToggleProductFlag(kRunOtherApp, m_bRunOtherApp);
}

void CMorvishDlg::OnUpdateAutoRunClient(CCmdUI* cmdUI)
{
    // Re-read each time the menu opens, so a change made outside the program
    // shows, and a toggle the registry refused shows as not made.
    ReadRunOtherApp();
    cmdUI->SetCheck(m_bRunOtherApp ? 1 : 0);
}
