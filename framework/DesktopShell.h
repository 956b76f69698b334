#pragma once
#include "framework/ProgramStart.h"
#include <windows.h>
#include <string>

struct IShellDispatch2;

// The desktop's Shell.Application object: the shell's windows, the desktop's
// among them, its browser, the view it shows, and the object behind that
// view's background. Fails at the first step that does. The calling thread
// must be in a COM apartment.
HRESULT FindDesktopShell(IShellDispatch2** shell);

// Starts file through the desktop's shell, in this process's current folder
// (with none the program would start in the shell's): Explorer's
// Shell.Application object, reached through the desktop window Explorer
// shows, runs ShellExecute in Explorer's own process, with the rights of the
// user logged on. The way there is looked up at the first start and kept;
// a shell that has stopped answering since (restarted) is looked up again
// once. With no shell the lookup fails at its first step, at once. Enters a
// single-threaded COM apartment on the calling thread the first time and
// keeps it.
StartResult StartOnDesktop(const std::string& file, const char* parameters, const char* verb, int show);
