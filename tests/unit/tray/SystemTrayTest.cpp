#include "TrayTestSupport.h"
#include "framework/WinApp.h"
#include "tray/SystemTray.h"
#include "tray/TrayCalls.h"
#include <gtest/gtest.h>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace {

constexpr UINT kIconId = 129;

struct NotifyCall {
    DWORD message;
    NOTIFYICONDATAA data;
};

// What the fake shell was asked, and its answers in turn (TRUE once they run out).
std::vector<NotifyCall> s_calls;
std::deque<BOOL> s_answers;
DWORD s_version = 0x0A000006; // an NT build number in the high word, major version 6

BOOL WINAPI FakeShellNotifyIcon(DWORD message, PNOTIFYICONDATAA data)
{
    s_calls.push_back({ message, *data });
    if (s_answers.empty())
        return TRUE;
    const BOOL answer = s_answers.front();
    s_answers.pop_front();
    return answer;
}

DWORD WINAPI FakeGetVersion()
{
    return s_version;
}

// The fake shell's taskbar window, null while it has none. Its handles are
// only compared, never used as windows.
const HWND kFirstTaskbar = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1010));
const HWND kSecondTaskbar = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x2020));
HWND s_taskbar = nullptr;

HWND WINAPI FakeFindWindow(LPCSTR className, LPCSTR windowName)
{
    EXPECT_STREQ(className, "Shell_TrayWnd");
    EXPECT_EQ(windowName, nullptr);
    return s_taskbar;
}

class SystemTrayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        s_calls.clear();
        s_answers.clear();
        s_version = 0x0A000006;
        m_app.m_pMainWnd = &m_owner;
        ASSERT_NE(m_owner.m_hWnd, nullptr);
    }

    void Create(CSystemTray& tray, BOOL hidden = FALSE, const char* tip = "Corvane", UINT id = kIconId)
    {
        m_created = tray.CreateTrayIcon(&m_owner, TRAY_NOTIFY_MSG, tip, m_icon, id, hidden);
    }

    ScopedSwap<decltype(g_pfnShellNotifyIconA)> m_notify{ g_pfnShellNotifyIconA, &FakeShellNotifyIcon };
    ScopedSwap<decltype(g_pfnGetVersion)> m_version{ g_pfnGetVersion, &FakeGetVersion };
    CWinApp m_app;
    CTestWindow m_owner;
    HICON m_icon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    BOOL m_created = FALSE;
};

// (hidden, removed, pending)
struct Flags {
    BOOL hidden, removed, pending;
};

::testing::AssertionResult HasFlags(const CSystemTray& tray, Flags expected)
{
    if (tray.IsIconHidden() == expected.hidden && tray.IsIconRemoved() == expected.removed &&
        tray.IsReAddPending() == expected.pending)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "hidden " << tray.IsIconHidden() << ", removed " << tray.IsIconRemoved()
                                         << ", pending " << tray.IsReAddPending();
}

constexpr Flags kUnborn = { TRUE, TRUE, FALSE };
constexpr Flags kShown = { FALSE, FALSE, FALSE };
constexpr Flags kAddFailed = { TRUE, TRUE, TRUE };

TEST(TaskbarCreatedMessageTest, IsRegisteredBeforeAnythingRuns)
{
    EXPECT_NE(g_nTaskbarCreatedMsg, 0u);
    EXPECT_EQ(g_nTaskbarCreatedMsg, ::RegisterWindowMessageA("TaskbarCreated"));
}

TEST_F(SystemTrayTest, AddsTheIconWithTheRecordTheShellExpects)
{
    CSystemTray tray;
    EXPECT_TRUE(HasFlags(tray, kUnborn));
    Create(tray);
    EXPECT_TRUE(m_created);
    EXPECT_TRUE(HasFlags(tray, kShown));
    ASSERT_EQ(s_calls.size(), 1u);
    const NOTIFYICONDATAA& sent = s_calls[0].data;
    EXPECT_EQ(s_calls[0].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(sent.cbSize, kTrayIconDataSize);
    EXPECT_EQ(sent.hWnd, m_owner.m_hWnd);
    EXPECT_EQ(sent.uID, kIconId);
    EXPECT_EQ(sent.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(sent.uCallbackMessage, 32778u);
    EXPECT_EQ(sent.hIcon, m_icon);
    EXPECT_STREQ(sent.szTip, "Corvane");
    EXPECT_EQ(sent.dwState | sent.dwStateMask | sent.uTimeout | sent.dwInfoFlags, 0u);

    // The tray window: an invisible top-level popup of the framework's class.
    HWND window = tray.m_hWnd;
    ASSERT_TRUE(::IsWindow(window));
    EXPECT_FALSE(::IsWindowVisible(window));
    EXPECT_EQ(::GetAncestor(window, GA_PARENT), ::GetDesktopWindow());
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(window, GWL_STYLE)) & (WS_POPUP | WS_CHILD), static_cast<DWORD>(WS_POPUP));
    char className[64] = {};
    ::GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, FrameworkWindowClass());
}

TEST_F(SystemTrayTest, WithoutAnOwnerTheTrayWindowGetsTheCallbacks)
{
    CSystemTray tray;
    tray.CreateTrayIcon(nullptr, TRAY_NOTIFY_MSG, "Corvane", m_icon, kIconId, FALSE);
    ASSERT_EQ(s_calls.size(), 1u);
    EXPECT_EQ(s_calls[0].data.hWnd, tray.m_hWnd);
    EXPECT_EQ(::SendMessageA(tray.m_hWnd, TRAY_NOTIFY_MSG, kIconId, WM_LBUTTONDBLCLK), 1);
    EXPECT_TRUE(TakePosted(m_owner.m_hWnd, WM_COMMAND));
}

TEST_F(SystemTrayTest, TooltipKeepsAtMost127Bytes)
{
    CSystemTray tray;
    Create(tray, FALSE, std::string(200, 't').c_str());
    EXPECT_EQ(std::strlen(tray.IconData().szTip), 127u);
}

TEST_F(SystemTrayTest, HiddenCreationAddsNothing)
{
    CSystemTray tray;
    Create(tray, TRUE);
    EXPECT_TRUE(m_created);
    EXPECT_TRUE(::IsWindow(tray.m_hWnd));
    EXPECT_TRUE(s_calls.empty());
    EXPECT_TRUE(HasFlags(tray, kUnborn));
}

TEST_F(SystemTrayTest, WindowsBelowVersion4HasNoTray)
{
    s_version = 0x00000A03; // Windows 3.10
    CSystemTray tray;
    Create(tray);
    EXPECT_FALSE(m_created);
    EXPECT_FALSE(tray.IsTrayAvailable());
    EXPECT_EQ(tray.m_hWnd, nullptr);
    tray.ReAddTrayIcon();
    EXPECT_TRUE(tray.RemoveTrayIcon());
    EXPECT_TRUE(s_calls.empty());
    EXPECT_TRUE(HasFlags(tray, kUnborn));
}

TEST_F(SystemTrayTest, FailedAddIsNotRetried)
{
    s_answers = { FALSE };
    CSystemTray tray;
    Create(tray);
    EXPECT_FALSE(m_created);
    EXPECT_TRUE(HasFlags(tray, kAddFailed));
    EXPECT_TRUE(tray.RemoveTrayIcon());
    EXPECT_EQ(s_calls.size(), 1u);
}

TEST_F(SystemTrayTest, RemovalDeletesOnceAndKeepsTheFlagsWhenTheShellRefuses)
{
    CSystemTray tray;
    Create(tray);
    s_answers = { FALSE };
    EXPECT_FALSE(tray.RemoveTrayIcon());
    EXPECT_TRUE(HasFlags(tray, kShown));
    EXPECT_TRUE(tray.RemoveTrayIcon());
    EXPECT_TRUE(HasFlags(tray, kUnborn));
    EXPECT_TRUE(tray.RemoveTrayIcon());
    ASSERT_EQ(s_calls.size(), 3u);
    EXPECT_EQ(s_calls[2].message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(s_calls[2].data.uFlags, 0u);
    EXPECT_EQ(s_calls[2].data.uID, kIconId);

    // After a refused delete the re-add goes out with the full flags again.
    CSystemTray again;
    Create(again);
    s_answers = { FALSE };
    again.RemoveTrayIcon();
    ::SendMessageA(again.m_hWnd, g_nTaskbarCreatedMsg, 0, 0);
    EXPECT_EQ(s_calls.back().message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(s_calls.back().data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
}

TEST_F(SystemTrayTest, DestructionDeletesTheIconAndTheWindow)
{
    HWND window;
    {
        CSystemTray tray;
        Create(tray);
        window = tray.m_hWnd;
    }
    ASSERT_EQ(s_calls.size(), 2u);
    EXPECT_EQ(s_calls[1].message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_FALSE(::IsWindow(window));
}

enum class Start { Hidden, Shown, AddFailed, Deleted, ReAddFailed };

struct BroadcastCase {
    const char* name;
    Start start;
    bool workArea; // else "TaskbarCreated"
    BOOL addAnswer;
    size_t adds;
    Flags after;
};

const BroadcastCase kBroadcastCases[] = {
    { "shown, taskbar created", Start::Shown, false, TRUE, 1, kShown },
    { "shown, taskbar created, add refused", Start::Shown, false, FALSE, 1, { TRUE, FALSE, TRUE } },
    { "shown, work area", Start::Shown, true, TRUE, 1, kShown },
    { "shown, work area, add refused", Start::Shown, true, FALSE, 1, { TRUE, FALSE, TRUE } },
    { "hidden, taskbar created", Start::Hidden, false, TRUE, 0, { TRUE, TRUE, TRUE } },
    { "hidden, work area", Start::Hidden, true, TRUE, 0, kUnborn },
    { "add failed, taskbar created", Start::AddFailed, false, TRUE, 0, kAddFailed },
    { "add failed, work area", Start::AddFailed, true, TRUE, 0, kUnborn },
    { "deleted, taskbar created", Start::Deleted, false, TRUE, 0, { TRUE, TRUE, TRUE } },
    { "deleted, work area", Start::Deleted, true, TRUE, 0, kUnborn },
    { "re-add failed, taskbar created", Start::ReAddFailed, false, TRUE, 0, { TRUE, FALSE, TRUE } },
    { "re-add failed, work area", Start::ReAddFailed, true, TRUE, 0, { TRUE, FALSE, FALSE } },
};

TEST_F(SystemTrayTest, BroadcastsReAddOnlyAShownIcon)
{
    for (const BroadcastCase& c : kBroadcastCases) {
        SCOPED_TRACE(c.name);
        CSystemTray tray;
        if (c.start == Start::AddFailed)
            s_answers = { FALSE };
        Create(tray, c.start == Start::Hidden);
        if (c.start == Start::Deleted)
            tray.RemoveTrayIcon();
        if (c.start == Start::ReAddFailed) {
            s_answers = { FALSE };
            ::SendMessageA(tray.m_hWnd, g_nTaskbarCreatedMsg, 0, 0);
        }
        s_calls.clear();
        s_answers = { c.addAnswer };
        if (c.workArea)
            ::SendMessageA(tray.m_hWnd, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
        else
            ::SendMessageA(tray.m_hWnd, g_nTaskbarCreatedMsg, 0, 0);
        ASSERT_EQ(s_calls.size(), c.adds);
        if (c.adds > 0) {
            EXPECT_EQ(s_calls[0].message, static_cast<DWORD>(NIM_ADD));
        }
        EXPECT_TRUE(HasFlags(tray, c.after));
        s_answers.clear();
    }
}

TEST_F(SystemTrayTest, OtherSettingChangesAddNothing)
{
    CSystemTray tray;
    Create(tray);
    ::SendMessageA(tray.m_hWnd, WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, 0);
    EXPECT_EQ(s_calls.size(), 1u);
}

TEST_F(SystemTrayTest, BroadcastTaskbarCreatedReachesTheTrayWindow)
{
    CSystemTray tray;
    Create(tray);
    ::PostMessageA(HWND_BROADCAST, g_nTaskbarCreatedMsg, 0, 0);
    PumpMessages();
    ASSERT_EQ(s_calls.size(), 2u);
    EXPECT_EQ(s_calls[1].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_STREQ(s_calls[1].data.szTip, "Corvane");
}

// The watch for a taskbar that does not announce itself, driven by its timer
// message as the tray window's own timer delivers it.
class ShellWatchTest : public SystemTrayTest {
protected:
    void SetUp() override
    {
        SystemTrayTest::SetUp();
        s_taskbar = kFirstTaskbar;
    }

    static void Watch(const CSystemTray& tray) { ::SendMessageA(tray.m_hWnd, WM_TIMER, kShellWatchTimer, 0); }
    static void Announce(const CSystemTray& tray) { ::SendMessageA(tray.m_hWnd, g_nTaskbarCreatedMsg, 0, 0); }

    ScopedSwap<decltype(g_pfnFindWindowA)> m_find{ g_pfnFindWindowA, &FakeFindWindow };
};

TEST_F(ShellWatchTest, ANewTaskbarThatDoesNotAnnounceItselfGetsTheShownIcon)
{
    CSystemTray tray;
    Create(tray);
    s_calls.clear();
    // The same taskbar, then a while with none: nothing to do.
    Watch(tray);
    s_taskbar = nullptr;
    Watch(tray);
    EXPECT_TRUE(s_calls.empty());

    // A new one that refuses the icon at first is asked again next period;
    // once it took the icon, it is not asked again.
    s_taskbar = kSecondTaskbar;
    s_answers = { FALSE };
    Watch(tray);
    EXPECT_TRUE(HasFlags(tray, kShown)) << "a refused watch add changes no flag";
    Watch(tray);
    Watch(tray);
    ASSERT_EQ(s_calls.size(), 2u);
    for (const NotifyCall& call : s_calls) {
        EXPECT_EQ(call.message, static_cast<DWORD>(NIM_ADD));
        EXPECT_EQ(call.data.hWnd, m_owner.m_hWnd);
        EXPECT_EQ(call.data.uID, kIconId);
        EXPECT_EQ(call.data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
        EXPECT_EQ(call.data.uCallbackMessage, 32778u);
        EXPECT_STREQ(call.data.szTip, "Corvane");
    }
    EXPECT_TRUE(HasFlags(tray, kShown));

    // Other timer ids are not the watch's.
    s_taskbar = kFirstTaskbar;
    ::SendMessageA(tray.m_hWnd, WM_TIMER, kShellWatchTimer + 1, 0);
    EXPECT_EQ(s_calls.size(), 2u);
}

TEST_F(ShellWatchTest, ALateAnnouncementOfThatTaskbarAddsNothingMore)
{
    CSystemTray tray;
    Create(tray);
    s_taskbar = kSecondTaskbar;
    Watch(tray);
    s_calls.clear();

    // The taskbar holds the icon already: its modify is accepted, and a
    // refused add cannot mark the icon hidden.
    Announce(tray);
    ASSERT_EQ(s_calls.size(), 1u);
    EXPECT_EQ(s_calls[0].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(s_calls[0].data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_TRUE(HasFlags(tray, kShown));

    // Any later announcement is an ordinary one.
    Announce(tray);
    ASSERT_EQ(s_calls.size(), 2u);
    EXPECT_EQ(s_calls[1].message, static_cast<DWORD>(NIM_ADD));
}

TEST_F(ShellWatchTest, AnAnnouncementAfterThatTaskbarLostTheIconAddsItAgain)
{
    CSystemTray tray;
    Create(tray);
    s_taskbar = kSecondTaskbar;
    Watch(tray);
    s_calls.clear();
    s_answers = { FALSE, TRUE };
    Announce(tray);
    ASSERT_EQ(s_calls.size(), 2u);
    EXPECT_EQ(s_calls[0].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(s_calls[1].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_TRUE(HasFlags(tray, kShown));
}

TEST_F(ShellWatchTest, AnnouncedTaskbarsAndIconsNotShownAreLeftAlone)
{
    {
        // The announcement gave the new taskbar the icon.
        CSystemTray tray;
        Create(tray);
        s_taskbar = kSecondTaskbar;
        Announce(tray);
        s_calls.clear();
        Watch(tray);
        EXPECT_TRUE(s_calls.empty());
    }
    for (Start start : { Start::Hidden, Start::AddFailed, Start::Deleted, Start::ReAddFailed }) {
        SCOPED_TRACE(static_cast<int>(start));
        s_taskbar = kFirstTaskbar;
        CSystemTray tray;
        if (start == Start::AddFailed)
            s_answers = { FALSE };
        Create(tray, start == Start::Hidden);
        if (start == Start::Deleted)
            tray.RemoveTrayIcon();
        if (start == Start::ReAddFailed) {
            s_answers = { FALSE };
            Announce(tray);
        }
        const Flags before = { tray.IsIconHidden(), tray.IsIconRemoved(), tray.IsReAddPending() };
        s_calls.clear();
        s_taskbar = kSecondTaskbar;
        Watch(tray);
        EXPECT_TRUE(s_calls.empty());
        EXPECT_TRUE(HasFlags(tray, before));
    }
}

} // namespace
