// Black-box walkthrough of the main window under the real pointer and
// keyboard: a double click on the acceleration toggle, typing into the edit
// boxes while the clocks tick, and the buttons' tooltips, with the pointer
// moved and clicked and the keys pressed on the X server the real
// Corvane.exe runs on.
#include "tests/ui/commands_steps.h"
#include "tests/ui/driver/ProgramTimers.h"
#include "tests/ui/driver/XServer.h"

namespace {

using namespace driver;
using namespace commands;

using PointerTest = CorvaneTest;

} // namespace

TEST_F(PointerTest, DoubleClickOnTheToggleStopsAndStartsTheSession)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    HWND toggle = ::GetDlgItem(window, kAccelerate);
    ASSERT_EQ(ControlText(window, kAccelerate), kRunning);

    // Before each double click the session clock's timer is stopped from
    // inside the program: only a start of the session sets it again. A double
    // click that ends where it began, with the clock running again, was
    // therefore a stop and a start, not nothing.
    // The caption and the check mark are looked at only once the clock runs
    // again: both start and end as "running", so before that they may show
    // the clicks not yet handled, or handled halfway.
    const auto expectStoppedAndStarted = [&] {
        const long seconds = SessionSeconds(window);
        EXPECT_TRUE(WaitUntil([&] { return SessionSeconds(window) > seconds; }, 5000)) << "the session did not start again";
        EXPECT_TRUE(WaitUntil([&] { return ControlText(window, kAccelerate) == kRunning; }, 5000));
        EXPECT_EQ(CheckState(window, kAccelerate), BST_CHECKED);
    };

    // The messages a real double click gives, the second press arriving as a double click.
    ASSERT_TRUE(StopWindowTimers(window, { kSessionTimer }));
    RECT client = {};
    ::GetClientRect(toggle, &client);
    const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
    ::PostMessageA(toggle, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    ::PostMessageA(toggle, WM_LBUTTONUP, 0, centre);
    ::PostMessageA(toggle, WM_LBUTTONDBLCLK, MK_LBUTTON, centre);
    ::PostMessageA(toggle, WM_LBUTTONUP, 0, centre);
    expectStoppedAndStarted();

    // The real pointer, double clicking on the X server.
    ASSERT_TRUE(StopWindowTimers(window, { kSessionTimer }));
    const POINT point = CentreOf(toggle);
    ASSERT_TRUE(ClickAt(point.x, point.y, 2));
    expectStoppedAndStarted();
}

TEST_F(PointerTest, TypingWhileBothClocksRunKeepsEveryKey)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    // Both clocks tick on their own timers, as for any user. The session is
    // stopped and started again half a second after a statistics tick, as a
    // click of the user's leaves it, so its ticks fall between those of the
    // window clock. Twelve keys a quarter of a second apart span three ticks
    // of each; leading zeros keep the stored number small.
    PostButtonPress(window, kAccelerate);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(window, kAccelerate) == kStopped; }, 5000));
    const std::string duration = ControlText(window, kDuration);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(window, kDuration) != duration; }, 5000, 5));
    ::Sleep(500);
    PostButtonPress(window, kAccelerate);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(window, kAccelerate) == kRunning; }, 5000));

    const struct {
        int id;
        const char* typed;
        const char* value;
        DWORD stored;
    } boxes[] = { { kCheckPeriod, "000000000042", "CheckPeriodNum", 42 },
                  { kAccelerateFirst, "000000000077", "AccelerateN", 77 } };
    for (const auto& box : boxes) {
        SCOPED_TRACE(box.value);
        HWND edit = ::GetDlgItem(window, box.id);
        const POINT point = CentreOf(edit);
        ASSERT_TRUE(ClickAt(point.x, point.y));
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) == edit; }, 5000));
        ASSERT_TRUE(PressKeys("End BackSpace BackSpace BackSpace"));
        ASSERT_TRUE(TypeOnKeyboard(box.typed, 250));
        // Two more ticks of the session clock after the last key.
        const long seconds = SessionSeconds(window);
        ASSERT_TRUE(WaitUntil([&] { return SessionSeconds(window) >= seconds + 2; }, 5000));
        EXPECT_EQ(ControlText(window, box.id), box.typed);
    }

    PostButtonPress(window, kMinimize);
    ASSERT_TRUE(WaitHidden(*program, window));
    for (const auto& box : boxes)
        EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProductKey, box.value), box.stored) << box.value;
}

TEST_F(PointerTest, HoveringAButtonShowsItsTooltip)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    const struct {
        int id;
        const char* tip;
    } buttons[] = { { kRunClient, "Run Zendry" }, { kAccelerate, "Accelerate Zendry" }, { kMinimize, "Save" },
                    { kQuit, "Exit" } };
    for (const auto& button : buttons) {
        SCOPED_TRACE(button.tip);
        EXPECT_EQ(TooltipOver(*program, ::GetDlgItem(window, button.id)).value_or("(no tooltip)"), button.tip);
        HWND tip = FindShownTooltip(*program);
        ASSERT_NE(tip, nullptr);
        RECT tipRect = {};
        ::GetWindowRect(tip, &tipRect);
        RECT shown = {};
        ::GetWindowRect(window, &shown);
        ::UnionRect(&shown, &shown, &tipRect);
        EXPECT_TRUE(TakeScreenshot(Scratch().File(std::string("tooltip-") + std::to_string(button.id) + ".png"),
                                   &shown));
        // Away from the window, the tooltip goes.
        ASSERT_TRUE(MovePointer(2, 2));
        EXPECT_TRUE(WaitUntil([&] { return FindShownTooltip(*program) == nullptr; }, 5000));
    }
}
