#pragma once
#include <windows.h>

// Starts this program again, by its full path, with the shell's verb "runas":
// Windows asks for an administrator's consent, then starts the copy with
// administrator rights. False when no copy started: the user said No to the
// prompt (ERROR_CANCELLED), or the shell could not start it and said why
// itself. owner is the window the prompt and the shell's messages belong to.
bool StartAsAdministrator(HWND owner);
