#include "app/AboutDlg.h"
#include "framework/DataExchange.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX)
{
}

void CAboutDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDOK, m_btnOK);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Left where its template puts it, the box would open at the main
    // window's corner, over its caption.
    CenterWindow();
    return TRUE;
}
