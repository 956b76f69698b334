// Message maps through a chain of three classes: the most derived entry wins,
// the base entries are still reached, registered messages are matched by the
// number their variable holds when the message arrives, and commands are told
// apart by notification code as well as id.
#include "framework/CmdUI.h"
#include "framework/MenuUpdate.h"
#include "framework/Wnd.h"
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr UINT kBaseOnlyMsg = WM_APP + 1;
constexpr UINT kSharedMsg = WM_APP + 2;
constexpr UINT kUnmappedMsg = WM_APP + 3;
constexpr UINT kChanged = 300;     // an edit's id: EN_CHANGE and BN_CLICKED differ
constexpr UINT kBaseCommand = 301;
constexpr UINT kUpdatedItem = 302;
constexpr UINT kLinkFirst = 303;
constexpr UINT kLinkSecond = 304;
constexpr UINT kNoHandler = 305;

UINT g_nLateRegistered = 0; // registered only after the maps exist

class CBaseWnd : public CWnd {
public:
    std::string m_strLog;

    LRESULT OnBaseOnly(WPARAM wParam, LPARAM lParam)
    {
        m_strLog += "base-only(" + std::to_string(wParam) + "," + std::to_string(lParam) + ")";
        return 11;
    }
    LRESULT OnShared(WPARAM, LPARAM)
    {
        m_strLog += "base-shared";
        return 12;
    }
    void OnBaseCommand() { m_strLog += "base-command"; }
    void OnUpdateItem(CCmdUI* cmdUI)
    {
        m_strLog += "base-update";
        cmdUI->SetCheck(0);
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_MESSAGE(kBaseOnlyMsg, OnBaseOnly)
    ON_MESSAGE(kSharedMsg, OnShared)
    ON_COMMAND(kBaseCommand, OnBaseCommand)
    ON_UPDATE_COMMAND_UI(kUpdatedItem, OnUpdateItem)
END_MESSAGE_MAP()

class CMiddleWnd : public CBaseWnd {
public:
    LRESULT OnLate(WPARAM, LPARAM)
    {
        m_strLog += "middle-registered";
        return 21;
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMiddleWnd, CBaseWnd)
    ON_REGISTERED_MESSAGE(g_nLateRegistered, OnLate)
END_MESSAGE_MAP()

class CDerivedWnd : public CMiddleWnd {
public:
    LRESULT OnShared(WPARAM, LPARAM)
    {
        m_strLog += "derived-shared";
        return 31;
    }
    void OnChangedEdit() { m_strLog += "en-change"; }
    void OnClicked() { m_strLog += "bn-clicked"; }
    void OnLink(UINT id) { m_strLog += "link" + std::to_string(id); }
    void OnUpdateItem(CCmdUI* cmdUI)
    {
        m_strLog += "derived-update";
        cmdUI->SetCheck(1);
        cmdUI->Enable(FALSE);
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CMiddleWnd)
    ON_MESSAGE(kSharedMsg, OnShared)
    ON_CONTROL(EN_CHANGE, kChanged, OnChangedEdit)
    ON_BN_CLICKED(kChanged, OnClicked)
    ON_COMMAND_WITH_ID(kLinkFirst, OnLink)
    ON_COMMAND_WITH_ID(kLinkSecond, OnLink)
    ON_UPDATE_COMMAND_UI(kUpdatedItem, OnUpdateItem)
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, FrameworkWindowClass(), "map", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    }

    LRESULT Command(UINT code, UINT id) { return m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(id, code)); }

    CDerivedWnd m_wnd;
};

TEST_F(MessageMapTest, DerivedEntryWinsAndBaseEntriesAreReached)
{
    EXPECT_EQ(m_wnd.SendMessage(kSharedMsg), 31);
    EXPECT_EQ(m_wnd.SendMessage(kBaseOnlyMsg, 7, 9), 11);
    EXPECT_EQ(m_wnd.m_strLog, "derived-sharedbase-only(7,9)");
}

TEST_F(MessageMapTest, UnmappedMessagesGoToTheWindowsOwnProcedure)
{
    EXPECT_EQ(m_wnd.SendMessage(kUnmappedMsg), 0);
    m_wnd.SetWindowText("kept by the default procedure");
    EXPECT_EQ(m_wnd.GetWindowText(), "kept by the default procedure");
    EXPECT_EQ(m_wnd.m_strLog, "");
}

TEST_F(MessageMapTest, RegisteredMessageMatchesTheNumberRegisteredLater)
{
    // Before registration the variable holds 0, which matches no message.
    EXPECT_EQ(m_wnd.SendMessage(WM_NULL), 0);
    g_nLateRegistered = ::RegisterWindowMessageA("CorvaneFrameworkTestLate");
    ASSERT_NE(g_nLateRegistered, 0u);
    EXPECT_EQ(m_wnd.SendMessage(g_nLateRegistered), 21);
    EXPECT_EQ(m_wnd.m_strLog, "middle-registered");
}

TEST_F(MessageMapTest, CommandsAreMatchedByNotificationCodeAndId)
{
    Command(EN_CHANGE, kChanged);
    Command(BN_CLICKED, kChanged);
    Command(EN_KILLFOCUS, kChanged); // no entry: nothing runs
    Command(BN_CLICKED, kBaseCommand);
    Command(BN_CLICKED, kLinkSecond);
    Command(BN_CLICKED, kLinkFirst);
    EXPECT_EQ(m_wnd.m_strLog, "en-changebn-clickedbase-commandlink304link303");
}

TEST_F(MessageMapTest, OnCmdMsgReportsWhetherAHandlerRan)
{
    EXPECT_TRUE(m_wnd.OnCmdMsg(BN_CLICKED, kBaseCommand));
    EXPECT_FALSE(m_wnd.OnCmdMsg(BN_CLICKED, kNoHandler));
    EXPECT_FALSE(m_wnd.OnCmdMsg(EN_CHANGE, kBaseCommand));
    EXPECT_EQ(m_wnd.m_strLog, "base-command");
}

TEST_F(MessageMapTest, HasCommandHandlerSeesPlainCommandsOfEveryClass)
{
    EXPECT_TRUE(m_wnd.HasCommandHandler(kBaseCommand));
    EXPECT_TRUE(m_wnd.HasCommandHandler(kLinkFirst));
    EXPECT_TRUE(m_wnd.HasCommandHandler(kChanged)); // its BN_CLICKED entry
    EXPECT_FALSE(m_wnd.HasCommandHandler(kNoHandler));
    EXPECT_FALSE(m_wnd.HasCommandHandler(kUpdatedItem)); // an update handler is no command handler
    EXPECT_TRUE(m_wnd.HasUpdateHandler(kUpdatedItem));
    EXPECT_FALSE(m_wnd.HasUpdateHandler(kBaseCommand));
    CBaseWnd base;
    EXPECT_FALSE(base.HasCommandHandler(kLinkFirst));
}

TEST_F(MessageMapTest, UpdateHandlerOfTheDerivedClassChecksAndDisablesTheItem)
{
    HMENU menu = ::CreatePopupMenu();
    ::AppendMenuA(menu, MF_STRING, kUpdatedItem, "Item");
    CCmdUI cmdUI(menu, 0, kUpdatedItem);
    EXPECT_TRUE(m_wnd.OnUpdateCmdUI(cmdUI));
    EXPECT_TRUE(cmdUI.m_bEnableChanged);
    const UINT state = ::GetMenuState(menu, 0, MF_BYPOSITION);
    EXPECT_TRUE(state & MF_CHECKED);
    EXPECT_TRUE(state & MF_GRAYED);
    EXPECT_EQ(m_wnd.m_strLog, "derived-update");

    CCmdUI unhandled(menu, 0, kNoHandler);
    EXPECT_FALSE(m_wnd.OnUpdateCmdUI(unhandled));
    ::DestroyMenu(menu);
}

// A handler that removes items, as the tray popup's handlers may; one command
// without an update handler.
class CPruningWnd : public CWnd {
public:
    std::string m_strSeen;
    void OnUpdateFirst(CCmdUI* cmdUI)
    {
        m_strSeen += "first ";
        ::DeleteMenu(cmdUI->m_hMenu, cmdUI->m_nIndex, MF_BYPOSITION);
    }
    void OnUpdateSecond(CCmdUI*) { m_strSeen += "second "; }
    void OnSecond() {}

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPruningWnd, CWnd)
    ON_UPDATE_COMMAND_UI(kLinkFirst, OnUpdateFirst)
    ON_UPDATE_COMMAND_UI(kLinkSecond, OnUpdateSecond)
    ON_COMMAND(kLinkSecond, OnSecond)
    ON_COMMAND(kBaseCommand, OnSecond)
END_MESSAGE_MAP()

TEST(UpdatePopupMenu, VisitsEveryItemWhenHandlersRemoveItems)
{
    HMENU popup = ::CreatePopupMenu();
    ::AppendMenuA(popup, MF_STRING, kLinkFirst, "First");
    ::AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(popup, MF_STRING, kLinkSecond, "Second");
    CPruningWnd target;
    UpdatePopupMenu(popup, target);
    EXPECT_EQ(target.m_strSeen, "first second ");
    EXPECT_EQ(::GetMenuItemCount(popup), 2);
    ::DestroyMenu(popup);
}

TEST(UpdatePopupMenu, SubmenuItemIsEnabledExactlyWhenItsFirstItemHasACommandHandler)
{
    HMENU popup = ::CreatePopupMenu();
    HMENU handled = ::CreatePopupMenu();
    HMENU unhandled = ::CreatePopupMenu();
    ::AppendMenuA(handled, MF_STRING, kBaseCommand, "Handled");
    ::AppendMenuA(unhandled, MF_STRING, kNoHandler, "Unhandled");
    ::AppendMenuA(popup, MF_POPUP | MF_GRAYED, reinterpret_cast<UINT_PTR>(handled), "Handled");
    ::AppendMenuA(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(unhandled), "Unhandled");
    CPruningWnd target;
    UpdatePopupMenu(popup, target);
    EXPECT_FALSE(::GetMenuState(popup, 0, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(::GetMenuState(popup, 1, MF_BYPOSITION) & MF_GRAYED);
    ::DestroyMenu(popup);
}

} // namespace
