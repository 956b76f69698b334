// Black-box tests of the tray icon: the real Corvane.exe with its icon in the
// notification area of Wine's shell, driven through the shell's own calls and
// the icon's callback message.
#include "tests/ui/driver/CorvaneTest.h"
#include "tests/ui/driver/TrayIcons.h"
#include <shellapi.h>
#include <iterator>

namespace {

using namespace driver;

NOTIFYICONDATAA IconOf(HWND window)
{
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V3_SIZE;
    icon.hWnd = window;
    icon.uID = kTrayIconId;
    return icon;
}

struct ExpectedItem {
    UINT id; // 0: separator
    const char* text;
};

const ExpectedItem kSettingsPopup[] = {
    { 32785, "&Auto Resume Downloads" },
    { 32790, "Auto&Run Zendry" },
    { 32781, "Run at &Startup" },
    { 0, "" },
    { 32792, "Concerned About SAFETY?" },
    { 32794, "All About File Sharing" },
    { 32795, "eMusic: 25 Free MP3 Downloads!" },
    { 32796, "Download Torrents Anonymously!" },
    { 32797, "Music, Games, Photos" },
    { 32793, "Help" },
    { 32776, "&About" },
    { 0, "" },
    { 32786, "&Exit" },
};

using TrayTest = CorvaneTest;

// Sends a message to every top-level window and returns once all have answered.
void Broadcast(UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutA(HWND_BROADCAST, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &answer);
}

void TaskbarCreated()
{
    Broadcast(::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
}

void WorkAreaChanged()
{
    Broadcast(WM_SETTINGCHANGE, SPI_SETWORKAREA, reinterpret_cast<LPARAM>(""));
}

// The work area set again as it is, with the platform telling every window.
void WorkAreaSet()
{
    RECT area = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    ::SystemParametersInfoA(SPI_SETWORKAREA, 0, &area, SPIF_SENDCHANGE);
}

// Takes the program's icon out of the shell, as a shell that lost it would.
void TakeIconAway(HWND window)
{
    NOTIFYICONDATAA icon = IconOf(window);
    ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &icon));
    ASSERT_FALSE(ShellShowsIcon(window, kTrayIconId));
}

TEST_F(TrayTest, TaskbarCreatedAndAWorkAreaChangePutALostIconBack)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ShellShowsIcon(window, kTrayIconId); }, 5000));

    // A restarted shell has lost every icon, then tells all top-level
    // windows; a taskbar moved or resized may have lost it too. Sent, the
    // broadcast is answered before it returns: the icon is back at once.
    const struct {
        const char* name;
        void (*tell)();
    } broadcasts[] = { { "TaskbarCreated", &TaskbarCreated }, { "work area", &WorkAreaChanged } };
    for (const auto& broadcast : broadcasts) {
        SCOPED_TRACE(broadcast.name);
        ASSERT_NO_FATAL_FAILURE(TakeIconAway(window));
        broadcast.tell();
        EXPECT_TRUE(ShellShowsIcon(window, kTrayIconId));
    }
    // The platform's own change (Wine broadcasts it only with
    // SPIF_UPDATEINIFILE), and the change posted to each of the program's
    // windows: the icon is back within the program's next watch.
    {
        SCOPED_TRACE("work area set");
        ASSERT_NO_FATAL_FAILURE(TakeIconAway(window));
        WorkAreaSet();
        EXPECT_TRUE(WaitUntil([&] { return ShellShowsIcon(window, kTrayIconId); }, 3000));
    }
    {
        SCOPED_TRACE("work area posted");
        ASSERT_NO_FATAL_FAILURE(TakeIconAway(window));
        for (HWND top : program->TopLevelWindows())
            ::PostMessageA(top, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
        EXPECT_TRUE(WaitUntil([&] { return ShellShowsIcon(window, kTrayIconId); }, 3000));
    }
    EXPECT_TRUE(program->IsRunning());
}

TEST_F(TrayTest, AWorkAreaChangeLeavesAnIconTheShellHoldsShown)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ShellShowsIcon(window, kTrayIconId); }, 5000));

    // The shell refuses the second add of an icon it holds.
    WorkAreaChanged();
    EXPECT_TRUE(ShellShowsIcon(window, kTrayIconId));
    // The program still counts its icon as shown: a shell restart after it
    // brings the icon back.
    ASSERT_NO_FATAL_FAILURE(TakeIconAway(window));
    TaskbarCreated();
    EXPECT_TRUE(ShellShowsIcon(window, kTrayIconId));
}

TEST_F(TrayTest, RightButtonUpOpensTheSettingsPopupAtTheCursor)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    ASSERT_TRUE(PlacePointer(300, 200));
    PostTrayMessage(window, WM_RBUTTONUP);
    HWND popup = WaitForPopupMenu(*program);
    ASSERT_NE(popup, nullptr);
    RECT place;
    ::GetWindowRect(popup, &place);
    EXPECT_EQ(place.left, 300);
    EXPECT_EQ(place.top, 200);
    const std::vector<MenuItem> items = ReadMenu(*program, MenuOfPopup(popup));
    ASSERT_EQ(items.size(), std::size(kSettingsPopup));
    for (size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(items[i].separator, kSettingsPopup[i].id == 0);
        if (kSettingsPopup[i].id != 0) {
            EXPECT_EQ(items[i].id, kSettingsPopup[i].id);
            EXPECT_EQ(items[i].text, kSettingsPopup[i].text);
        }
    }

    // Closed without a choice: the program goes on as before.
    PostKey(popup, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(popup); }, 5000));
    EXPECT_TRUE(Responds(window));
    EXPECT_TRUE(program->IsRunning());
    EXPECT_TRUE(::IsWindowVisible(window));
}

TEST_F(TrayTest, DoubleClickOnAShownWindowKeepsItShownAndInFront)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    // The command 0 that the double click also posts has no handler.
    SendTrayMessage(window, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(Responds(window));
    EXPECT_TRUE(program->IsRunning());
    EXPECT_TRUE(::IsWindowVisible(window));
    // Wine hands the foreground over through the X server, a moment later.
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }, 3000));
    EXPECT_EQ(::GetAncestor(window, GA_PARENT), ::GetDesktopWindow());
}

TEST_F(TrayTest, OtherMouseMessagesAndOtherIconsChangeNothing)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    for (UINT mouse : { WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN }) {
        SCOPED_TRACE(mouse);
        EXPECT_EQ(::SendMessageA(window, kTrayNotifyMessage, kTrayIconId, mouse), 1);
        EXPECT_EQ(WaitForPopupMenu(*program, 300), nullptr);
    }
    // Another icon's callback is not answered, not even a right-button release.
    EXPECT_EQ(::SendMessageA(window, kTrayNotifyMessage, kTrayIconId + 1, WM_RBUTTONUP), 0);
    EXPECT_EQ(WaitForPopupMenu(*program, 300), nullptr);
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_TRUE(program->IsRunning());
}

} // namespace
