#include "TrayTestSupport.h"
#include "framework/WinApp.h"
#include "tray/SystemTray.h"
#include "tray/TrayCalls.h"
#include <gtest/gtest.h>
#include <cstring>
#include <deque>
#include <set>
#include <utility>
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

enum class Start { Hidden, Shown, AddFailed, Deleted, ReAddFailed };

class SystemTrayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        s_calls.clear();
        s_answers.clear();
        s_version = 0x0A000006;
        // No taskbar: the tray window's own watch asks the fake shell nothing.
        s_taskbar = nullptr;
        m_app.m_pMainWnd = &m_owner;
        ASSERT_NE(m_owner.m_hWnd, nullptr);
    }

    void Create(CSystemTray& tray, BOOL hidden = FALSE, const char* tip = "Corvane", UINT id = kIconId)
    {
        m_created = tray.CreateTrayIcon(&m_owner, TRAY_NOTIFY_MSG, tip, m_icon, id, hidden);
    }

    // Creates the icon in one of its states, as the shell's answers would
    // bring it there: a refused first add, a removal, a refused re-add.
    void Reach(CSystemTray& tray, Start start)
    {
        if (start == Start::AddFailed)
            s_answers = { FALSE };
        Create(tray, start == Start::Hidden);
        if (start == Start::Deleted)
            tray.RemoveTrayIcon();
        if (start == Start::ReAddFailed) {
            s_answers = { FALSE, FALSE };
            ::SendMessageA(tray.m_hWnd, g_nTaskbarCreatedMsg, 0, 0);
        }
        s_answers.clear();
        s_calls.clear();
    }

    ScopedSwap<decltype(g_pfnShellNotifyIconA)> m_notify{ g_pfnShellNotifyIconA, &FakeShellNotifyIcon };
    ScopedSwap<decltype(g_pfnGetVersion)> m_version{ g_pfnGetVersion, &FakeGetVersion };
    ScopedSwap<decltype(g_pfnFindWindowA)> m_find{ g_pfnFindWindowA, &FakeFindWindow };
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
// Meant to be shown, refused by the shell: never hidden, owed to the shell.
constexpr Flags kAddFailed = { FALSE, TRUE, TRUE };
constexpr Flags kReAddFailed = { FALSE, FALSE, TRUE };

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

TEST_F(SystemTrayTest, AFailedAddLeavesTheIconOwedNotHidden)
{
    s_answers = { FALSE };
    CSystemTray tray;
    Create(tray);
    EXPECT_FALSE(m_created);
    EXPECT_TRUE(HasFlags(tray, kAddFailed));
    // Never added: removing it asks the shell nothing, and nothing is owed.
    EXPECT_TRUE(tray.RemoveTrayIcon());
    EXPECT_EQ(s_calls.size(), 1u);
    EXPECT_FALSE(tray.IsReAddPending());
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

struct BroadcastCase {
    const char* name;
    Start start;
    bool workArea; // else "TaskbarCreated"
    std::deque<BOOL> answers;
    std::vector<DWORD> calls;
    Flags after;
};

const std::vector<DWORD> kAdd = { NIM_ADD };
const std::vector<DWORD> kAddThenModify = { NIM_ADD, NIM_MODIFY };

const BroadcastCase kBroadcastCases[] = {
    { "shown, taskbar created", Start::Shown, false, { TRUE }, kAdd, kShown },
    { "shown, taskbar created, refused", Start::Shown, false, { FALSE, FALSE }, kAddThenModify, kReAddFailed },
    { "shown, work area", Start::Shown, true, { TRUE }, kAdd, kShown },
    { "shown, work area, the shell holds it", Start::Shown, true, { FALSE, TRUE }, kAddThenModify, kShown },
    { "shown, work area, refused", Start::Shown, true, { FALSE, FALSE }, kAddThenModify, kReAddFailed },
    { "hidden, taskbar created", Start::Hidden, false, {}, {}, { TRUE, TRUE, TRUE } },
    { "hidden, work area", Start::Hidden, true, {}, {}, kUnborn },
    { "add failed, taskbar created", Start::AddFailed, false, { TRUE }, kAdd, kShown },
    { "add failed, work area", Start::AddFailed, true, { TRUE }, kAdd, kShown },
    { "deleted, taskbar created", Start::Deleted, false, {}, {}, { TRUE, TRUE, TRUE } },
    { "deleted, work area", Start::Deleted, true, {}, {}, kUnborn },
    { "re-add failed, taskbar created", Start::ReAddFailed, false, { TRUE }, kAdd, kShown },
    { "re-add failed, work area", Start::ReAddFailed, true, { TRUE }, kAdd, kShown },
};

TEST_F(SystemTrayTest, BroadcastsReAddAnIconMeantToBeShown)
{
    for (const BroadcastCase& c : kBroadcastCases) {
        SCOPED_TRACE(c.name);
        CSystemTray tray;
        Reach(tray, c.start);
        s_answers = c.answers;
        if (c.workArea)
            ::SendMessageA(tray.m_hWnd, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
        else
            ::SendMessageA(tray.m_hWnd, g_nTaskbarCreatedMsg, 0, 0);
        std::vector<DWORD> calls;
        for (const NotifyCall& call : s_calls)
            calls.push_back(call.message);
        EXPECT_EQ(calls, c.calls);
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

// The watch that keeps a shown icon in the shell, driven by its timer message
// as the tray window's own timer delivers it, against a shell that holds
// icons as the real ones do: it refuses to add an icon it holds, and accepts
// a modify only of one it holds. Without a taskbar it refuses everything.
std::set<std::pair<HWND, UINT>> s_held;
int s_refusedAdds = 0;

BOOL WINAPI HoldingShellNotifyIcon(DWORD message, PNOTIFYICONDATAA data)
{
    s_calls.push_back({ message, *data });
    const std::pair<HWND, UINT> icon(data->hWnd, data->uID);
    if (s_taskbar == nullptr)
        return FALSE;
    switch (message) {
    case NIM_ADD:
        if (s_refusedAdds > 0) {
            --s_refusedAdds;
            return FALSE;
        }
        return s_held.insert(icon).second ? TRUE : FALSE;
    case NIM_MODIFY:
        return s_held.count(icon) != 0 ? TRUE : FALSE;
    case NIM_DELETE:
        return s_held.erase(icon) != 0 ? TRUE : FALSE;
    default:
        return FALSE;
    }
}

class ShellWatchTest : public SystemTrayTest {
protected:
    void SetUp() override
    {
        SystemTrayTest::SetUp();
        s_taskbar = kFirstTaskbar;
        s_held.clear();
        s_refusedAdds = 0;
    }

    // A taskbar started anew: it holds none of the icons of the old one.
    static void NewTaskbar(HWND taskbar)
    {
        s_taskbar = taskbar;
        s_held.clear();
    }
    bool Holds() const { return s_held.count({ m_owner.m_hWnd, kIconId }) != 0; }
    static size_t Adds()
    {
        size_t adds = 0;
        for (const NotifyCall& call : s_calls)
            adds += call.message == NIM_ADD ? 1 : 0;
        return adds;
    }

    static void Watch(const CSystemTray& tray) { ::SendMessageA(tray.m_hWnd, WM_TIMER, kShellWatchTimer, 0); }
    static void Announce(const CSystemTray& tray) { ::SendMessageA(tray.m_hWnd, g_nTaskbarCreatedMsg, 0, 0); }

    ScopedSwap<decltype(g_pfnShellNotifyIconA)> m_holding{ g_pfnShellNotifyIconA, &HoldingShellNotifyIcon };
};

TEST_F(ShellWatchTest, AShellThatLostTheIconWithoutSayingSoGetsItBack)
{
    CSystemTray tray;
    Create(tray);
    ASSERT_TRUE(Holds());
    // Held: the watch only asks.
    Watch(tray);
    EXPECT_EQ(Adds(), 1u);

    // The shell dropped it; then a while with no taskbar at all.
    s_held.clear();
    Watch(tray);
    EXPECT_TRUE(Holds());
    NewTaskbar(nullptr);
    s_calls.clear();
    Watch(tray);
    EXPECT_TRUE(s_calls.empty()) << "no taskbar, nothing asked";

    // A new taskbar that announces nothing and refuses the icon at first is
    // asked again next period; once it took the icon, it is only asked.
    NewTaskbar(kSecondTaskbar);
    s_refusedAdds = 1;
    Watch(tray);
    EXPECT_FALSE(Holds());
    EXPECT_TRUE(HasFlags(tray, kReAddFailed));
    Watch(tray);
    EXPECT_TRUE(Holds());
    EXPECT_TRUE(HasFlags(tray, kShown));
    Watch(tray);
    EXPECT_EQ(Adds(), 2u);
    for (const NotifyCall& call : s_calls) {
        if (call.message != NIM_ADD)
            continue;
        EXPECT_EQ(call.data.hWnd, m_owner.m_hWnd);
        EXPECT_EQ(call.data.uID, kIconId);
        EXPECT_EQ(call.data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
        EXPECT_EQ(call.data.uCallbackMessage, 32778u);
        EXPECT_STREQ(call.data.szTip, "Corvane");
    }

    // Other timer ids are not the watch's.
    s_held.clear();
    ::SendMessageA(tray.m_hWnd, WM_TIMER, kShellWatchTimer + 1, 0);
    EXPECT_FALSE(Holds());
}

TEST_F(ShellWatchTest, AnIconRefusedAtTheStartIsAddedOnceTheShellIsThere)
{
    // A start from the Run key at logon, before the shell has a taskbar.
    NewTaskbar(nullptr);
    {
        CSystemTray tray;
        Create(tray);
        EXPECT_FALSE(m_created);
        EXPECT_TRUE(HasFlags(tray, kAddFailed));
        Watch(tray);

        // The taskbar comes, not ready at first, then takes the icon.
        NewTaskbar(kFirstTaskbar);
        s_refusedAdds = 1;
        Watch(tray);
        EXPECT_TRUE(HasFlags(tray, kAddFailed));
        Watch(tray);
        EXPECT_TRUE(Holds());
        EXPECT_TRUE(HasFlags(tray, kShown));
    }
    // Added late, it is still taken away at the end.
    EXPECT_FALSE(Holds());
    EXPECT_EQ(s_calls.back().message, static_cast<DWORD>(NIM_DELETE));
}

TEST_F(ShellWatchTest, ATaskbarThatAnnouncesItselfLateKeepsTheIconItTook)
{
    CSystemTray tray;
    Create(tray);
    NewTaskbar(kSecondTaskbar);
    Watch(tray);
    ASSERT_TRUE(Holds());

    // It refuses the add of the icon it holds and accepts the modify: the
    // icon stays shown.
    s_calls.clear();
    Announce(tray);
    ASSERT_EQ(s_calls.size(), 2u);
    EXPECT_EQ(s_calls[0].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(s_calls[1].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(s_calls[1].data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_TRUE(HasFlags(tray, kShown));
}

TEST_F(ShellWatchTest, IconsNotShownAreLeftAlone)
{
    for (Start start : { Start::Hidden, Start::Deleted }) {
        SCOPED_TRACE(static_cast<int>(start));
        NewTaskbar(kFirstTaskbar);
        CSystemTray tray;
        Reach(tray, start);
        const Flags before = { tray.IsIconHidden(), tray.IsIconRemoved(), tray.IsReAddPending() };
        NewTaskbar(kSecondTaskbar);
        Watch(tray);
        EXPECT_TRUE(s_calls.empty());
        EXPECT_TRUE(HasFlags(tray, before));
    }
}

} // namespace
