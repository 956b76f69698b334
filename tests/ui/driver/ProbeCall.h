#pragma once
#include <windows.h>
#include <cstdint>
#include <string>

// A call from the driver into a probe library inside the program under test,
// made on the program's own window thread. The driver hooks that thread
// (WH_CALLWNDPROC, with the probe's kProbeCallHook) and sends one of its
// windows kProbeCallMessage, wParam its own process id and lParam the call's
// number. The hook opens the shared block named after those two, runs the
// probe function named in its header on the request that follows the header,
// and marks the call done.
//
// Nothing here needs a thread or memory made in the program from outside:
// under Wine those wait, without any limit, on the program's process to take
// a system call in, and now and then it never does.
struct ProbeCallHeader {
    char function[64];
    std::uint32_t result;
    std::uint32_t done;
};

// The probe functions: the request in, the call's result out.
using ProbeFunction = DWORD(WINAPI*)(LPVOID request);

constexpr const char* kProbeCallMessage = "CorvaneDriverProbeCall";
constexpr const char* kProbeCallHook = "ProbeCallHook";

inline std::string ProbeCallBlockName(DWORD driverProcess, DWORD call)
{
    return "Local\\CorvaneProbeCall-" + std::to_string(driverProcess) + "-" + std::to_string(call);
}
