// The main window's side of acceleration: the toggle button, the session
// clock and the socket library the sessions use.
//
// The session is left running when the program exits, as the process end
// closes its socket and ends its worker. Nothing that is destroyed at exit
// is touched by the worker: it holds its session itself and keeps its
// buffers on its stack.
#include "app/MorvishDlg.h"
#include "accel/Acceleration.h"
#include "accel/RawSocket.h"
#include "accel/SessionCaption.h"
#include "accel/SessionClock.h"
#include "res/resource.h"

void CMorvishDlg::OnAccelerate()
{
    if (g_bAccelerating) {
        EndSession();
        KillTimer(SessionTimer);
        m_btnAccelerate.SetWindowText(kStoppedCaption);
        return;
    }
    // Whether a usable socket was obtained does not show: without the right to
    // open raw sockets the session looks as if it runs, and receives nothing.
    BeginSession(OpenRawSocket());
    SetTimer(SessionTimer, kTimerPeriodMs);
    m_btnAccelerate.SetWindowText(kRunningCaption);
}

void CMorvishDlg::TickSessionClock()
{
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
