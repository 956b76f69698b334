#include "TrayTestSupport.h"
#include "framework/WinApp.h"
#include "tray/SystemTray.h"
#include "tray/TrayCalls.h"
#include <gtest/gtest.h>

namespace {

constexpr UINT kIconId = 129;

BOOL WINAPI AcceptIcon(DWORD, PNOTIFYICONDATAA)
{
    return TRUE;
}

// What the open popup looked like, read from inside its modal loop.
struct MenuSeen {
    bool open = false;
    RECT rect = {};
    HWND foreground = nullptr;
    int items = 0;
    char first[32] = {};
};
MenuSeen s_seen;

void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    HWND popup = ::FindWindowA("#32768", nullptr);
    if (popup != nullptr && ::IsWindowVisible(popup)) {
        s_seen.open = true;
        ::GetWindowRect(popup, &s_seen.rect);
        s_seen.foreground = ::GetForegroundWindow();
        HMENU menu = reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0));
        s_seen.items = ::GetMenuItemCount(menu);
        ::GetMenuStringA(menu, 0, s_seen.first, sizeof s_seen.first, MF_BYPOSITION);
    }
    ::EndMenu();
}

class TrayNotificationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        s_seen = MenuSeen();
        m_app.m_pMainWnd = &m_main;
        m_tray.CreateTrayIcon(&m_main, TRAY_NOTIFY_MSG, "Corvane", nullptr, kIconId, FALSE);
        PumpMessages();
    }

    LRESULT Notify(LPARAM mouse, WPARAM id = kIconId) { return m_tray.HandleTrayNotification(id, mouse); }

    // Opens the popup and closes it again from a timer inside its modal loop.
    LRESULT NotifyWithMenuClosed(CSystemTray& tray, WPARAM id)
    {
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 200, &CloseOpenMenu);
        const LRESULT result = tray.HandleTrayNotification(id, WM_RBUTTONUP);
        ::KillTimer(nullptr, timer);
        return result;
    }

    bool NothingPosted() { return !TakePosted(m_main.m_hWnd, WM_COMMAND) && !TakePosted(m_main.m_hWnd, WM_NULL); }

    ScopedSwap<decltype(g_pfnShellNotifyIconA)> m_notify{ g_pfnShellNotifyIconA, &AcceptIcon };
    CWinApp m_app;
    CTestWindow m_main;
    CSystemTray m_tray;
};

TEST_F(TrayNotificationTest, OtherIconsAreNotAnswered)
{
    EXPECT_EQ(Notify(WM_LBUTTONDBLCLK, kIconId + 1), 0);
    EXPECT_EQ(Notify(WM_RBUTTONUP, kIconId + 1), 0);
    EXPECT_TRUE(NothingPosted());
    EXPECT_FALSE(s_seen.open);
}

TEST_F(TrayNotificationTest, NoMainWindowNoAnswer)
{
    m_app.m_pMainWnd = nullptr;
    EXPECT_EQ(Notify(WM_LBUTTONDBLCLK), 0);
    EXPECT_EQ(NotifyWithMenuClosed(m_tray, kIconId), 0);
    EXPECT_FALSE(s_seen.open);
}

TEST_F(TrayNotificationTest, OtherMouseMessagesDoNothing)
{
    for (UINT mouse : { WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK }) {
        SCOPED_TRACE(mouse);
        EXPECT_EQ(Notify(mouse), 1);
        EXPECT_TRUE(NothingPosted());
    }
}

TEST_F(TrayNotificationTest, DoubleClickPostsCommandZeroToTheForegroundMainWindow)
{
    CTestWindow other(500, 500);
    MakeForeground(other.m_hWnd);
    // The shell's newer notifications carry more in the high word: only the low word counts.
    EXPECT_EQ(Notify(MAKELPARAM(WM_LBUTTONDBLCLK, 7)), 1);
    EXPECT_EQ(::GetForegroundWindow(), m_main.m_hWnd);
    MSG posted;
    ASSERT_TRUE(TakePosted(m_main.m_hWnd, WM_COMMAND, &posted));
    EXPECT_EQ(posted.wParam, 0u);
    EXPECT_EQ(posted.lParam, 0);
}

TEST_F(TrayNotificationTest, RightButtonUpOpensTheFirstPopupAtTheCursor)
{
    CTestWindow other(500, 500);
    MakeForeground(other.m_hWnd);
    ::SetCursorPos(321, 234);
    EXPECT_EQ(NotifyWithMenuClosed(m_tray, kIconId), 1);
    ASSERT_TRUE(s_seen.open);
    EXPECT_EQ(s_seen.rect.left, 321);
    EXPECT_EQ(s_seen.rect.top, 234);
    EXPECT_EQ(s_seen.foreground, m_main.m_hWnd);
    EXPECT_EQ(s_seen.items, 3);
    EXPECT_STREQ(s_seen.first, "&First");
    // After the popup closes: one WM_NULL for the main window, no command.
    EXPECT_TRUE(TakePosted(m_main.m_hWnd, WM_NULL));
    EXPECT_FALSE(TakePosted(m_main.m_hWnd, WM_COMMAND));
}

TEST_F(TrayNotificationTest, MenuWithoutPopupOrNoMenuShowsNothing)
{
    for (UINT id : { 130u, 131u }) {
        SCOPED_TRACE(id);
        CSystemTray tray;
        tray.CreateTrayIcon(&m_main, TRAY_NOTIFY_MSG, "Corvane", nullptr, id, TRUE);
        EXPECT_EQ(NotifyWithMenuClosed(tray, id), 0);
        EXPECT_FALSE(s_seen.open);
        EXPECT_TRUE(NothingPosted());
    }
}

} // namespace
