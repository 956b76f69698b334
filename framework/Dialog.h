#pragma once
#include "framework/Wnd.h"
#include <utility>
#include <vector>

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
    // Dialog item id, as data exchange reaches it; null when there is none.
    HWND ExchangedItem(int id);

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
    // The items data exchange has found, by id. Under Wine each GetDlgItem is
    // a round trip to the server, and a dialog that shows its members every
    // second would ask for each of its items at every refresh.
    std::vector<std::pair<int, HWND>> m_aExchangedItems;
};
