#include "controls/ButtonST.h"

BEGIN_MESSAGE_MAP(CButtonST, CButton)
END_MESSAGE_MAP()

void CButtonST::EnsureTooltip()
{
    if (m_tipCtrl.m_hWnd != nullptr)
        return;
    if (!m_tipCtrl.Create(this, WS_POPUP | m_dwTipStyle))
        return;
    m_tipCtrl.Activate(FALSE);
    m_tipCtrl.SetMaxTipWidth(TIP_MAX_WIDTH);
}

void CButtonST::SetTooltip(LPCSTR text, BOOL activate)
{
    if (text == nullptr)
        return;
    EnsureTooltip();
    if (m_tipCtrl.GetToolCount() == 0) {
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        m_tipCtrl.AddTool(this, text, client, TIP_TOOL_ID);
    }
    m_tipCtrl.UpdateTipText(text, this, TIP_TOOL_ID);
    m_tipCtrl.Activate(activate);
}

BOOL CButtonST::PreTranslateMessage(MSG* msg)
{
    EnsureTooltip();
    m_tipCtrl.RelayEvent(msg);
    if (msg->message == WM_LBUTTONDBLCLK)
        msg->message = WM_LBUTTONDOWN;
    return CButton::PreTranslateMessage(msg);
}
