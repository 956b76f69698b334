// The main window's side of starting with Windows: menu item 32781. A copy
// that runs elevated from a protected folder starts at logon through a task
// of the Task Scheduler, which gives it the same rights again without asking;
// the Run key could only start it without them. Any other copy uses the Run
// key: a task with the highest rights must never start a file that programs
// without those rights could have replaced.
#include "app/MorvishDlg.h"
#include "framework/CmdUI.h"
#include "framework/Elevation.h"
#include "framework/ModulePath.h"
#include "framework/ProtectedFolder.h"
#include "framework/WinApp.h"
#include "res/ProductInfo.h"
#include "settings/LogonTask.h"
#include "settings/RunKey.h"

namespace {

constexpr const char* kLogonTaskNeedsRights
    = "Corvane still starts when you log on: only an administrator can remove its logon task.\n\n"
      "Start Corvane as administrator and uncheck \"Run at Startup\" there.";

} // namespace

void CMorvishDlg::OnUpdateRunAtStartup(CCmdUI* cmdUI)
{
    m_bRunAtStartup = RunEntryExists(kProductName) || LogonTaskRegistered();
    cmdUI->SetCheck(m_bRunAtStartup ? 1 : 0);
}

void CMorvishDlg::OnRunAtStartup()
{
    // The menu refreshed the flag when it opened, so the inverted flag is the
    // opposite of what the user saw. A change the system refuses is left
    // alone; the next refresh shows the unchanged state.
    m_bRunAtStartup = !m_bRunAtStartup;
    if (m_bRunAtStartup) {
        if (!RunsElevated() || !RunsFromProtectedFolder())
            SetRunEntry(kProductName, true, GetModulePath());
        else if (RegisterLogonTask(GetModulePathW()))
            SetRunEntry(kProductName, false, GetModulePath());
        return;
    }
    SetRunEntry(kProductName, false, GetModulePath());
    if (RemoveLogonTask() == LogonTaskRemoval::NeedsRights)
        AfxMessageBox(kLogonTaskNeedsRights, MB_OK | MB_ICONEXCLAMATION);
}
