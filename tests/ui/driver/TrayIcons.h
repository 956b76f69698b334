#pragma once
#include <windows.h>

// The icons of the notification area, as the shell itself answers for them.
namespace driver {

// Whether the shell holds the icon `id` of window. The shell accepts a modify
// only of an icon it holds; one that changes nothing is the question, and
// leaves the icon, and the program's own adds, as they were.
// The window may be gone already: the shell answers for the handle it was given.
bool ShellShowsIcon(HWND window, UINT id);

} // namespace driver
