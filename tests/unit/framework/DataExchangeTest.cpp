// Data exchange on a real dialog from the test program's own resources: the
// show direction writes the members into the controls, the read-back direction
// reads the controls (labels too) into the members, a text a control already
// holds is not set again, and control bindings attach the objects once. The dialog's init data fills its list before the first
// exchange. All checks run inside the dialog's initialisation.
#include "TestResources.h"
#include "framework/ComboBox.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/Static.h"
#include <gtest/gtest.h>
#include <string>

namespace {

class CExchangeDlg : public CDialog {
public:
    CExchangeDlg() : CDialog(IDD_EXCHANGE) {}

    std::string m_strName = "shown name";
    std::string m_strLabel = "shown label";
    std::string m_strMissing = "untouched";
    CEdit m_edtName;
    CStatic m_lblLabel;
    CComboBox m_cboUnit;

    int m_nExchanges = 0;
    int m_nItemsAtFirstExchange = -1;
    std::string m_strUnitItems;
    bool m_bAttached = false;
    bool m_bStillAttachedAfterSecondExchange = false;
    std::string m_strShownName;
    std::string m_strShownLabel;
    std::string m_strReadName;
    std::string m_strReadLabel;
    std::string m_strLongRoundTrip;
    std::string m_strEmptyRoundTrip = "not emptied";
    DWORD m_dwCaretAfterRefresh = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        CDialog::DoDataExchange(dx);
        if (m_nExchanges++ == 0)
            m_nItemsAtFirstExchange = static_cast<int>(::SendDlgItemMessageA(m_hWnd, IDC_UNIT, CB_GETCOUNT, 0, 0));
        DDX_Control(dx, IDC_NAME, m_edtName);
        DDX_Control(dx, IDC_LABEL, m_lblLabel);
        DDX_Control(dx, IDC_UNIT, m_cboUnit);
        DDX_Text(dx, IDC_NAME, m_strName);
        DDX_Text(dx, IDC_LABEL, m_strLabel);
        DDX_Text(dx, IDC_MISSING, m_strMissing);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (int i = 0; i < m_cboUnit.GetCount(); ++i) {
            char item[32] = {};
            m_cboUnit.SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
            m_strUnitItems += std::string(item) + ";";
        }
        m_bAttached = m_edtName.m_hWnd == GetDlgItem(IDC_NAME) && m_lblLabel.m_hWnd == GetDlgItem(IDC_LABEL)
            && FromHandlePermanent(GetDlgItem(IDC_UNIT)) == &m_cboUnit;
        m_strShownName = WindowText(GetDlgItem(IDC_NAME));
        m_strShownLabel = WindowText(GetDlgItem(IDC_LABEL));

        ::SetDlgItemTextA(m_hWnd, IDC_NAME, "typed name");
        ::SetDlgItemTextA(m_hWnd, IDC_LABEL, "changed label");
        UpdateData(true);
        m_strReadName = m_strName;
        m_strReadLabel = m_strLabel;
        m_bStillAttachedAfterSecondExchange = m_edtName.m_hWnd == GetDlgItem(IDC_NAME);

        // Texts longer than any fixed buffer survive both directions.
        m_strName.assign(5000, 'x');
        m_strName += "end";
        UpdateData(false);
        m_strName.clear();
        UpdateData(true);
        m_strLongRoundTrip = m_strName;

        m_strName.clear();
        UpdateData(false);
        m_strName = "not emptied";
        UpdateData(true);
        m_strEmptyRoundTrip = m_strName;

        // A refresh while the user types: read back, then shown again unchanged.
        ::SetDlgItemTextA(m_hWnd, IDC_NAME, "15");
        ::SendDlgItemMessageA(m_hWnd, IDC_NAME, EM_SETSEL, 1, 1);
        UpdateData(true);
        UpdateData(false);
        m_dwCaretAfterRefresh = static_cast<DWORD>(::SendDlgItemMessageA(m_hWnd, IDC_NAME, EM_GETSEL, 0, 0));

        EndDialog(IDOK);
        return TRUE;
    }
};

class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(m_dlg.DoModal(), IDOK); }
    CExchangeDlg m_dlg;
};

TEST_F(DataExchangeTest, InitDataFillsTheListBeforeTheFirstExchange)
{
    EXPECT_EQ(m_dlg.m_nItemsAtFirstExchange, 3);
    EXPECT_EQ(m_dlg.m_strUnitItems, "Alpha;Beta;Gamma;");
}

TEST_F(DataExchangeTest, ShowDirectionWritesEveryStringIntoItsControl)
{
    EXPECT_EQ(m_dlg.m_strShownName, "shown name");
    EXPECT_EQ(m_dlg.m_strShownLabel, "shown label");
}

TEST_F(DataExchangeTest, ReadBackDirectionReadsEditsAndLabels)
{
    EXPECT_EQ(m_dlg.m_strReadName, "typed name");
    EXPECT_EQ(m_dlg.m_strReadLabel, "changed label");
}

TEST_F(DataExchangeTest, LongAndEmptyTextsSurviveBothDirections)
{
    EXPECT_EQ(m_dlg.m_strLongRoundTrip.size(), 5003u);
    EXPECT_EQ(m_dlg.m_strLongRoundTrip.substr(4998), "xxend");
    EXPECT_EQ(m_dlg.m_strEmptyRoundTrip, "");
}

TEST_F(DataExchangeTest, ControlsAreAttachedOnceAndReleasedWithTheDialog)
{
    EXPECT_TRUE(m_dlg.m_bAttached);
    EXPECT_TRUE(m_dlg.m_bStillAttachedAfterSecondExchange);
    EXPECT_EQ(m_dlg.m_edtName.m_hWnd, nullptr);
    EXPECT_EQ(m_dlg.m_cboUnit.m_hWnd, nullptr);
}

TEST_F(DataExchangeTest, ShowingTheTextAControlAlreadyHoldsLeavesItAlone)
{
    // Setting it again would put the caret back at the start between two keys.
    EXPECT_EQ(LOWORD(m_dlg.m_dwCaretAfterRefresh), 1);
    EXPECT_EQ(HIWORD(m_dlg.m_dwCaretAfterRefresh), 1);
}

TEST_F(DataExchangeTest, TextOfAMissingItemLeavesItsMemberAlone)
{
    EXPECT_EQ(m_dlg.m_strMissing, "untouched");
}

TEST_F(DataExchangeTest, ASecondRunExchangesWithItsOwnNewControls)
{
    // The items the first run found went with its window.
    m_dlg.m_strName = "second run";
    ASSERT_EQ(m_dlg.DoModal(), IDOK);
    EXPECT_EQ(m_dlg.m_strShownName, "second run");
    EXPECT_EQ(m_dlg.m_strReadName, "typed name");
}

} // namespace
