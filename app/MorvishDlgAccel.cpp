// The main window's side of acceleration: the toggle button, the session
// clock and the socket library the sessions use.
//
// A session runs only while it holds a socket that was created and bound:
// the toggle shows it pressed and "accelerating" only then. A start the
// platform refuses leaves the toggle unpressed and says why in its tooltip;
// when the user pressed it, a message box says so too, and for want of
// rights offers to start the program again as administrator where that is
// safe.
//
// The session is left running when the program exits, as the process end
// closes its socket and ends its worker. Nothing that is destroyed at exit
// is touched by the worker: it holds its session itself and keeps its
// buffers on its stack.
#include "app/Elevation.h"
#include "app/MorvishDlg.h"
#include "accel/Acceleration.h"
#include "accel/RawSocket.h"
#include "accel/SessionCaption.h"
#include "accel/SessionClock.h"
#include "framework/Format.h"
#include "framework/ProtectedFolder.h"
#include "framework/WinApp.h"
#include "res/ProductInfo.h"
#include "res/resource.h"

void CMorvishDlg::OnAccelerate()
{
    // The toggle is a push-like check box: the click has already flipped its
    // check mark, which the stop or the start sets to what is true.
    if (g_bAccelerating) {
        StopSession();
        return;
    }
    const int refused = StartSession();
    if (refused != 0)
        ExplainRefusedStart(refused);
}

int CMorvishDlg::StartSession()
{
    const OpenedSocket opened = OpenRawSocket();
    if (opened.socket == INVALID_SOCKET) {
        m_btnAccelerate.SetCheck(BST_UNCHECKED);
        m_btnAccelerate.SetWindowText(kStoppedCaption);
        ShowToggleTooltip(opened.error);
        return opened.error;
    }
    BeginSession(opened.socket);
    SetTimer(SessionTimer, kTimerPeriodMs);
    m_btnAccelerate.SetCheck(BST_CHECKED);
    m_btnAccelerate.SetWindowText(kRunningCaption);
    ShowToggleTooltip(0);
    return 0;
}

void CMorvishDlg::StopSession()
{
    EndSession();
    KillTimer(SessionTimer);
    m_btnAccelerate.SetCheck(BST_UNCHECKED);
    m_btnAccelerate.SetWindowText(kStoppedCaption);
}

void CMorvishDlg::ShowToggleTooltip(int refusedError)
{
    std::string tip;
    if (refusedError == 0)
        tip = Format("Accelerate %s", kClientName);
    else if (refusedError == WSAEACCES)
        tip = "Acceleration needs administrator rights";
    else
        tip = Format("No raw socket on this system (error %d)", refusedError);
    m_btnAccelerate.SetTooltip(tip.c_str(), TRUE);
}

void CMorvishDlg::ExplainRefusedStart(int error)
{
    if (error != WSAEACCES) {
        AfxMessageBox(Format("Acceleration cannot start: this system does not offer the raw socket "
                             "acceleration needs (error %d).",
                             error)
                          .c_str(),
                      MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const std::string why = "Acceleration needs administrator rights: Windows lets only an administrator receive on "
                            "a raw socket.\n\n";
    // Started again as administrator, whatever file lies here then gets those
    // rights: outside a protected folder, any program of the user's could
    // have put it there.
    if (!RunsFromProtectedFolder()) {
        const std::string explanation
            = why + Format("Installed for all users, with %s-%s-setup-allusers.exe, %s offers to start again as "
                           "administrator: in Program Files no program without those rights can replace it.",
                           kProductName, kProductVersion, kProductName);
        AfxMessageBox(explanation.c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const std::string question = why + Format("Start %s again as administrator?", kProductName);
    if (AfxMessageBox(question.c_str(), MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    // The elevated copy takes over; this one ends as Quit ends it. A prompt
    // the user declined changes nothing.
    if (StartAsAdministrator(m_hWnd))
        OnQuit();
}

void CMorvishDlg::TickSessionClock()
{
    // A worker whose receive failed has ended its session: it shows as
    // stopped, as the user's own stop leaves it, and its last second does
    // not count.
    if (!SessionReceiving()) {
        StopSession();
        return;
    }
    AdvanceClock(m_nAccHours, m_nAccMinutes, m_nAccSeconds);
    m_strDurationAcc = FormatClock(m_nAccHours, m_nAccMinutes, m_nAccSeconds);
    // Only the clock's own label: a full exchange here would put back into the
    // edit boxes what they held at the last statistics refresh, and undo what
    // the user typed since.
    SetDlgItemText(IDC_DURATION_ACC, m_strDurationAcc.c_str());
}

void CMorvishDlg::StartSocketLibrary()
{
    // The library stays up until the process ends: sessions need it to the last.
    WSADATA data;
    ::WSAStartup(0x0101, &data);
}
