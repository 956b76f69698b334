#pragma once
#include <windows.h>
#include <string>

// InternetGetConnectedState, swappable so that a test can report any
// connection state.
using PFN_INTERNETGETCONNECTEDSTATE = BOOL(WINAPI*)(LPDWORD flags, DWORD reserved);
extern PFN_INTERNETGETCONNECTEDSTATE g_pfnInternetGetConnectedState;

// Asks the platform whether there is a connection and of which kind, and
// updates the Status and Type texts from the answer.
void UpdateConnectionTexts(std::string& status, std::string& type);
