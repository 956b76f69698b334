#pragma once
#include "framework/Button.h"
#include "framework/ToolTipCtrl.h"

// The one tool a button registers with its tooltip, and the widest a tooltip
// grows before its text wraps.
constexpr UINT_PTR TIP_TOOL_ID = 1;
constexpr int TIP_MAX_WIDTH = 400;

// A standard push button with a tooltip of its own. A double click reaches the
// button as a second press, so it counts as two clicks. Attached to a dialog
// control by the dialog's data exchange.
class CButtonST : public CButton {
public:
    CButtonST() = default;
    ~CButtonST() override = default;

    // Creates the tooltip's window if it has none yet.
    void EnsureTooltip();
    // A null text leaves the button unchanged. A later call replaces the text
    // and the activation; the tool keeps the rectangle it was first given.
    void SetTooltip(LPCSTR text, BOOL activate);
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    DECLARE_MESSAGE_MAP()

private:
    CToolTipCtrl m_tipCtrl;
    DWORD m_dwTipStyle = 0;
};
