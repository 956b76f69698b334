#include "framework/DataExchange.h"
#include "framework/Dialog.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd == nullptr)
        control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

void DDX_Text(CDataExchange* dx, int id, std::string& text)
{
    HWND item = dx->m_pDlgWnd->ExchangedItem(id);
    if (item == nullptr)
        return;
    if (!dx->m_bSaveAndValidate) {
        // A text the control already holds is not set again: that would put an
        // edit box's caret back at the start under the user's typing, and
        // repaint every label, at each refresh of a dialog that shows its
        // members periodically.
        if (WindowText(item) != text)
            ::SetWindowTextA(item, text.c_str());
        return;
    }
    text = WindowText(item);
}
