// Black-box tests of the acceleration toggle and its session clock: the real
// Corvane.exe, watched from outside while its own timers run.
#include "tests/ui/driver/CorvaneTest.h"

namespace {

using namespace driver;

// The session clock's label in seconds, -1 when it does not read as a clock.
long SessionSeconds(HWND window)
{
    return ClockSeconds(ControlText(window, kSessionClock));
}

// Longer than two periods of the one-second timer.
constexpr DWORD kQuietSpell = 2500;

using AccelerationTest = CorvaneTest;

} // namespace

TEST_F(AccelerationTest, OpensAcceleratingWithTheTogglePressed)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CheckState(window, kAccelerate), BST_CHECKED);
    EXPECT_EQ(ControlText(window, kAccelerate), kRunning);
    // Ticks arrive by themselves, one second each.
    const long start = SessionSeconds(window);
    ASSERT_GE(start, 0);
    EXPECT_TRUE(WaitUntil([&] { return SessionSeconds(window) > start; }, 5000));
}

TEST_F(AccelerationTest, StopPausesTheSessionClockAndStartResumesIt)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return SessionSeconds(window) >= 1; }, 5000));

    PressButton(window, kAccelerate);
    EXPECT_EQ(ControlText(window, kAccelerate), kStopped);
    EXPECT_EQ(CheckState(window, kAccelerate), BST_UNCHECKED);
    const long paused = SessionSeconds(window);
    Sleep(kQuietSpell);
    EXPECT_EQ(SessionSeconds(window), paused) << "session timer still ticking after a stop";

    PressButton(window, kAccelerate);
    EXPECT_EQ(ControlText(window, kAccelerate), kRunning);
    EXPECT_EQ(CheckState(window, kAccelerate), BST_CHECKED);
    // It goes on from where it stood, not from zero. Its timer runs again from
    // the press on, so a test held up for a second may already see one tick.
    const long resumed = SessionSeconds(window);
    EXPECT_GE(resumed, paused);
    EXPECT_LE(resumed, paused + 1);
    EXPECT_TRUE(WaitUntil([&] { return SessionSeconds(window) > paused; }, 5000));
    EXPECT_TRUE(Responds(window));
}
