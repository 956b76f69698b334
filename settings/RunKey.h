#pragma once
#include <string>
#include <windows.h>

// The current user's Run key: the shell starts every program named there when
// the user logs on. It is only ever opened, never created: a user without one
// simply gets no entry.
constexpr const char* kRunKeyPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The command line the shell runs at log-on: the executable's full path in
// quotes (it may hold spaces), then the "-tray" argument.
std::string RunEntryCommandLine(const std::string& exePath);

// Whether the Run key holds a value called `name`, of any type and content.
// A Run key that cannot be opened holds none.
bool RunEntryExists(const char* name);

// Registers `exePath` under `name` (on), replacing any earlier data, or
// removes the value (off). False when the Run key cannot be opened for
// writing or the change is refused; the registry is then left as it was.
bool SetRunEntry(const char* name, bool on, const std::string& exePath);

// The call that stores the entry. Tests swap it to see the exact bytes handed
// to the registry: Wine terminates a string value by itself, so the stored
// value alone cannot show whether the terminating zero was counted.
extern LSTATUS(WINAPI* g_pfnRunKeySetValue)(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                                             DWORD size);
