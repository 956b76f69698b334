// Loaded into the program under test by the UI driver: stops timers of one of
// the program's windows, which only a thread of the owning process may do.
#include "tests/ui/driver/TimerProbeRequest.h"
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}

extern "C" __declspec(dllexport) DWORD WINAPI StopTimersForDriver(LPVOID param)
{
    const auto* request = static_cast<const TimerProbeRequest*>(param);
    HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(request->window));
    DWORD stopped = 0;
    for (std::uint32_t i = 0; i < request->count && i < 8; ++i) {
        if (::KillTimer(window, static_cast<UINT_PTR>(request->ids[i])))
            ++stopped;
    }
    return stopped;
}
