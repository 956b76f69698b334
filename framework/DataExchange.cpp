#include "framework/DataExchange.h"
#include "framework/Wnd.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd == nullptr)
        control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

void DDX_Text(CDataExchange* dx, int id, std::string& text)
{
    HWND item = dx->m_pDlgWnd->GetDlgItem(id);
    if (item == nullptr)
        return;
    if (!dx->m_bSaveAndValidate) {
        ::SetWindowTextA(item, text.c_str());
        return;
    }
    text = WindowText(item);
}
