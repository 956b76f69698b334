#pragma once
#include "framework/Wnd.h"

class CDataExchange;

// A dialog from a template resource, run modally by a message loop of its
// own. Each message is offered to PreTranslateMessage of its target window
// and of each parent up to the dialog before IsDialogMessage, so a control
// object sees its own input first.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Runs the dialog and returns the result given to EndDialog, or -1 when
    // the dialog could not be created.
    virtual INT_PTR DoModal();
    // May be called during initialisation: the dialog then ends as soon as
    // its initialisation is over.
    void EndDialog(int result);

    // Data exchange: save true reads the controls into the members.
    bool UpdateData(bool save = true);

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* dx);
    virtual void OnOK();
    virtual void OnCancel();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    void RunModalLoop();
    bool PreTranslateInput(MSG& msg);
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    bool m_bEndModal = false;
    INT_PTR m_nModalResult = -1;
};
