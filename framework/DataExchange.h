#pragma once
#include <windows.h>
#include <string>

class CDialog;
class CWnd;

// One run of a dialog's data exchange, in one direction: saving reads the
// controls into the members, otherwise the members are shown in the controls.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool save) : m_pDlgWnd(dialog), m_bSaveAndValidate(save) {}

    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate;
};

// Attaches a control object to dialog item id on the first exchange.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// Copies the window text of dialog item id to or from text; showing a text
// the item already holds leaves the item untouched.
void DDX_Text(CDataExchange* dx, int id, std::string& text);
