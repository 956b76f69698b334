#pragma once
#include <windows.h>

// The notification area's rectangle, worked out from the rectangles the shell
// gives. All rectangles are in screen coordinates, as GetWindowRect returns them.

// The guessed tray in the bottom-right corner of the work area, used when no
// taskbar can be found at all.
constexpr LONG TRAY_FALLBACK_WIDTH = 150;
constexpr LONG TRAY_FALLBACK_HEIGHT = 30;

// How far from the taskbar's far end the guessed tray starts and stops.
constexpr LONG TRAY_TASKBAR_END_MARGIN = 100;
constexpr LONG TRAY_TASKBAR_NEAR_MARGIN = 16;

// The descendants of the taskbar window that matter: the notification area
// ("TrayNotifyWnd") and its clock ("TrayClockWClass"), matched case-sensitively.
enum class TrayChildKind { NotifyArea, Clock, Other };

TrayChildKind ClassifyTrayChild(const char* className);

// Refines `area` with one descendant of the taskbar, in the order of the walk:
// the notification area replaces it; the clock is cut off (from the top when it
// sits above the icons, from the right when it sits beside them). Returns
// whether the walk goes on: it stops at the clock.
bool RefineTrayArea(RECT& area, TrayChildKind kind, const RECT& child);

// The tray guessed from the taskbar's rectangle and edge (ABE_*): the bottom
// end of a vertical taskbar, the right end of a horizontal one.
RECT TrayAreaFromTaskbarPos(const RECT& taskbar, UINT edge);

// The tray guessed from the work area: its bottom-right corner.
RECT TrayAreaFromWorkArea(const RECT& workArea);
