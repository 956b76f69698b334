#pragma once
#include <windows.h>

// The icons of the notification area, as the shell itself answers for them.
namespace driver {

// Whether the shell holds the icon `id` of window. The shell refuses to add an
// icon it already has, so an add of the driver's own is the question; when it
// is accepted, the icon was not there and the driver's is taken away again.
// The window may be gone already: the shell answers for the handle it was given.
bool ShellShowsIcon(HWND window, UINT id);

} // namespace driver
