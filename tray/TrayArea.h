#pragma once
#include <windows.h>

// Fills `rect` with the screen rectangle of the notification area: the shell's
// own tray windows when its taskbar exists, else a guess from the taskbar's
// position, else a guess in the corner of the work area.
void LocateTrayArea(RECT* rect);

// EnumChildWindows callback over the taskbar's descendants; `rect` points at
// the rectangle being refined. TRUE continues the walk.
BOOL CALLBACK TrayChildEnumProc(HWND child, LPARAM rect);
