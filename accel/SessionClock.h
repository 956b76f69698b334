#pragma once
#include <string>

// The main window's clocks (the session clock and the window's own) count
// one-second ticks. Seconds and minutes roll over at 60; hours have no upper
// bound and never roll over into days.
void AdvanceClock(int& hours, int& minutes, int& seconds);

// " %2d hrs : %2d mins : %2d secs": each number right-aligned in two
// characters behind the format's own blank, wider when it needs to be.
std::string FormatClock(int hours, int minutes, int seconds);
