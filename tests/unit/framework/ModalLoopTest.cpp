// The modal run: ending during initialisation, the pre-translation of each
// message from its target window up to the dialog, the dialog keys that
// IsDialogMessage turns into commands, and where a dialog opens. A safety
// timer ends a dialog whose expected ending never comes, so a failure cannot
// hang the test program.
#include "TestResources.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/Wnd.h"
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr UINT kProbeMsg = WM_APP + 5;
constexpr UINT_PTR kSafetyTimer = 77;
constexpr INT_PTR kTimedOut = 1234;

// An edit control object that records what its pre-translation sees.
class CProbeEdit : public CEdit {
public:
    std::string* m_pLog = nullptr;
    bool m_bSwallow = false;

    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == kProbeMsg && m_pLog != nullptr)
            *m_pLog += "edit ";
        return msg->message == kProbeMsg && m_bSwallow;
    }
};

class CLoopDlg : public CDialog {
public:
    explicit CLoopDlg(UINT templateId = IDD_LOOP) : CDialog(templateId) {}

    // What OnInitDialog does after the base initialisation.
    enum class Action { EndAtOnce, PostProbe, PostKey } m_action = Action::EndAtOnce;
    UINT m_nKey = 0;
    std::string m_strLog;
    std::string m_strText;
    bool m_bShownWhenProbed = false;
    int m_nFocusId = 0; // the control with the focus when the probe arrived
    UINT m_nSafetyMs = 5000;
    CProbeEdit m_edtProbe;

    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == kProbeMsg) {
            m_strLog += "dialog ";
            m_bShownWhenProbed = ::IsWindowVisible(m_hWnd) != FALSE;
            m_nFocusId = ::GetDlgCtrlID(::GetFocus());
            EndDialog(static_cast<int>(msg->wParam));
            return TRUE;
        }
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_TAB)
            ::PostMessageA(m_hWnd, kProbeMsg, 55, 0);
        return FALSE;
    }

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, IDC_LOOP_EDIT, m_edtProbe);
        DDX_Text(dx, IDC_LOOP_EDIT, m_strText);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_edtProbe.m_pLog = &m_strLog;
        SetTimer(kSafetyTimer, m_nSafetyMs);
        HWND edit = GetDlgItem(IDC_LOOP_EDIT);
        switch (m_action) {
        case Action::EndAtOnce:
            EndDialog(42);
            break;
        case Action::PostProbe:
            ::PostMessageA(edit, kProbeMsg, 7, 0);
            break;
        case Action::PostKey:
            ::SetWindowTextA(edit, "typed");
            ::SetFocus(edit);
            ::PostMessageA(edit, WM_KEYDOWN, m_nKey, 0);
            break;
        }
        return FALSE;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TIMER && wParam == kSafetyTimer)
            EndDialog(static_cast<int>(kTimedOut));
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

TEST(ModalLoop, EndDialogDuringInitialisationReturnsAtOnceWithItsResult)
{
    CLoopDlg dlg;
    const DWORD start = ::GetTickCount();
    EXPECT_EQ(dlg.DoModal(), 42);
    EXPECT_LT(::GetTickCount() - start, 2000u);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(ModalLoop, MissingTemplateReturnsMinusOne)
{
    CLoopDlg dlg(IDD_MISSING);
    EXPECT_EQ(dlg.DoModal(), -1);
}

TEST(ModalLoop, PostedMessageIsPreTranslatedByTheControlThenByTheDialog)
{
    CLoopDlg dlg;
    dlg.m_action = CLoopDlg::Action::PostProbe;
    EXPECT_EQ(dlg.DoModal(), 7);
    EXPECT_EQ(dlg.m_strLog, "edit dialog ");
    // A template without the visible style is shown like the platform's modal dialogs.
    EXPECT_TRUE(dlg.m_bShownWhenProbed);
}

TEST(ModalLoop, ControlThatTakesTheMessageHidesItFromTheDialog)
{
    CLoopDlg dlg;
    dlg.m_action = CLoopDlg::Action::PostProbe;
    dlg.m_edtProbe.m_bSwallow = true;
    dlg.m_nSafetyMs = 300;
    EXPECT_EQ(dlg.DoModal(), kTimedOut);
    EXPECT_EQ(dlg.m_strLog, "edit ");
}

TEST(ModalLoop, EscapeInAnEditCancelsTheDialog)
{
    CLoopDlg dlg;
    dlg.m_action = CLoopDlg::Action::PostKey;
    dlg.m_nKey = VK_ESCAPE;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_strText, ""); // Cancel reads nothing back
}

TEST(ModalLoop, EnterInAnEditEndsWithOkAfterReadingTheControlsBack)
{
    CLoopDlg dlg;
    dlg.m_action = CLoopDlg::Action::PostKey;
    dlg.m_nKey = VK_RETURN;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strText, "typed");
}

TEST(ModalLoop, TabMovesTheFocusToTheNextControl)
{
    CLoopDlg dlg;
    dlg.m_action = CLoopDlg::Action::PostKey;
    dlg.m_nKey = VK_TAB;
    EXPECT_EQ(dlg.DoModal(), 55);
    EXPECT_EQ(dlg.m_nFocusId, IDC_LOOP_OTHER);
}

} // namespace
