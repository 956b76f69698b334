#pragma once
#include <windows.h>
#include <initializer_list>

// The window timers of the program under test, stopped from inside it, on
// the window's own thread (corvane_timer_probe.dll): afterwards only the WM_TIMER messages the test
// sends advance the program's clocks, so what it shows stays put between two
// looks.
namespace driver {

// Stops the timers with these ids (at most 8) of one of the program's
// windows; true when every one of them was running and is stopped now.
bool StopWindowTimers(HWND window, std::initializer_list<UINT_PTR> ids);

} // namespace driver
