#pragma once
#include <windows.h>

// Where the program's libraries come from. Windows looks for a library named
// without a path in the program's own folder before the system folder,
// unless it is one of the few "known DLLs". A program that runs with
// administrator rights from a folder its user can write would load, with
// those rights, whatever copy another program put there. So every library
// the program loads by name comes from the system folder.

// Limits every later search for a library by name to the system folder, and
// has the delay-loaded libraries loaded from there by full path. Runs first,
// before the C runtime's start-up (the program's entry point calls it).
void KeepLibrariesInSystemFolder();

// The library `name` ("iphlpapi.dll") from the system folder, loaded by its
// full path whatever the search order; null when it cannot be loaded. The
// caller never releases it.
HMODULE LoadSystemLibrary(const char* name);
