#pragma once
#include "controls/ButtonST.h"
#include "framework/Dialog.h"

// The About box: the version and a footer, closed with OK, Esc or its close box.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override = default;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    CButtonST m_btnOK; // no tooltip text is ever set
};
