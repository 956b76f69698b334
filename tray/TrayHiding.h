#pragma once
#include "framework/Wnd.h"

// Moving a top-level window into the notification area and back. Hidden, the
// window is the child of an invisible owner window (so it has no taskbar
// button) and has WS_VISIBLE cleared; on screen it has no parent. Neither
// function looks at the current state: each runs all its steps every time.

// The invisible owner of hidden windows; its window is made on first use.
extern CWnd g_wndTrayOwner;

// Hides the window into the tray, animated from the window to the tray when
// forceAnimation is TRUE or the system animates minimising.
void HideToTray(CWnd* window, BOOL forceAnimation);

// Shows the window again, animated from the tray under the same condition,
// redraws it whole and makes it the active, foreground window.
void RestoreFromTray(CWnd* window, BOOL forceAnimation);

// Whether the system animates minimising and restoring; a setting that cannot
// be read counts as off.
BOOL IsMinimizeAnimationOn();

// Makes g_wndTrayOwner the window's parent; FALSE only when the owner window
// cannot be created, and the window is then left as it was.
BOOL ParentToTrayOwner(CWnd* window);
