#pragma once
// What the acceleration tests of the three stand-ins look at alike.
#include "tests/ui/driver/CorvaneTest.h"

namespace accel {

// Longer than two periods of the one-second timers.
constexpr DWORD kQuietSpell = 2500;

// The session clock's label in seconds, -1 when it does not read as a clock.
inline long SessionSeconds(HWND window)
{
    return driver::ClockSeconds(driver::ControlText(window, driver::kSessionClock));
}

// A window that opened with its start refused: the toggle unpressed and
// "stopped", no message, and the session clock still at zero while the
// program's own timers run for a spell.
inline void ExpectOpenedStopped(const driver::Program& program, HWND window)
{
    EXPECT_EQ(driver::ControlText(window, driver::kAccelerate), driver::kStopped);
    EXPECT_EQ(driver::CheckState(window, driver::kAccelerate), BST_UNCHECKED);
    EXPECT_EQ(driver::FindMessageBox(program), nullptr) << "a start refused at start-up says nothing";
    ::Sleep(kQuietSpell);
    EXPECT_EQ(SessionSeconds(window), 0) << "the session clock moved without a session";
}

// Presses the toggle of a window whose starts are refused: the message box
// that says why, its text, with the toggle still unpressed behind it. Null,
// and a test failure, when no box shows.
inline HWND PressRefusedToggle(const driver::Program& program, HWND window, std::string& text)
{
    driver::PostButtonPress(window, driver::kAccelerate);
    HWND box = driver::WaitForMessageBox(program);
    if (box == nullptr)
        return nullptr;
    EXPECT_EQ(driver::TextOf(box), "Corvane");
    text = driver::MessageBoxText(box);
    EXPECT_EQ(driver::ControlText(window, driver::kAccelerate), driver::kStopped);
    EXPECT_EQ(driver::CheckState(window, driver::kAccelerate), BST_UNCHECKED);
    return box;
}

} // namespace accel
