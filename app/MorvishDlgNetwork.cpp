// The main window's side of network monitoring: the interface box, filled
// once while the window opens, and the statistics panel refreshed by
// StatsTimer.
#include "app/MorvishDlg.h"
#include "accel/SessionClock.h"
#include "framework/Exception.h"
#include "framework/WinApp.h"
#include "net/ConnectionState.h"
#include "net/InterfaceLabel.h"
#include "settings/ProductKey.h"
#include <new>

void CMorvishDlg::LoadInterfaces()
{
    if (!ResolveIpHelperEntries()) {
        AfxMessageBox("Error loading Iphlpapi.dll", MB_OK | MB_ICONEXCLAMATION);
        // The dialog closes once its initialisation is over.
        EndDialog(1);
    } else if (m_pIfTable.Load()) {
        for (DWORD row = 0; row < m_pIfTable.RowCount(); ++row) {
            const MIB_IFROW& interfaceRow = *m_pIfTable.Row(static_cast<int>(row));
            m_strInterfaceInfo = InterfaceLabel(interfaceRow);
            if (IsListedInterface(m_strInterfaceInfo) && m_aIfIndex.Add(interfaceRow.dwIndex))
                m_cboNetwork.AddString(m_strInterfaceInfo.c_str());
        }
    }
    // A stored position outside the list leaves the box without a selection.
    m_cboNetwork.SetCurSel(m_nNetwork);
}

void CMorvishDlg::OnSelchangeNetwork()
{
    const int position = m_cboNetwork.GetCurSel();
    if (position == m_nNetwork)
        return;
    m_nNetwork = position;
    // The labels show the new counters with the next statistics tick.
    TakeCountersOf(m_nNetwork);
    WriteProductValue(kNetwork, static_cast<DWORD>(m_nNetwork));
}

void CMorvishDlg::TakeCountersOf(int position)
{
    ByteCounterTexts counters = ReadCountersAt(m_pIfTable, m_aIfIndex, position);
    m_strBytesSent.swap(counters.sent);
    m_strBytesReceived.swap(counters.received);
}

void CMorvishDlg::TickWindowClock()
{
    AdvanceClock(m_nDurHours, m_nDurMinutes, m_nDurSeconds);
    m_strDuration = FormatClock(m_nDurHours, m_nDurMinutes, m_nDurSeconds);
    UpdateData(false);
}

void CMorvishDlg::RefreshStatistics()
{
    // Reading back first keeps what the user has typed into the edit boxes.
    UpdateData(true);
    TickWindowClock();
    TakeCountersOf(m_nNetwork);
    // A failure to build a text ends the tick; the labels keep what they showed.
    try {
        UpdateConnectionTexts(m_strStatus, m_strType);
        UpdateData(false);
    } catch (const CException&) {
    } catch (const std::bad_alloc&) {
    }
}
