#include "tests/ui/driver/ProgramTimers.h"
#include "tests/ui/driver/Paths.h"
#include "tests/ui/driver/RemoteCall.h"
#include "tests/ui/driver/TimerProbeRequest.h"

namespace driver {

bool StopWindowTimers(HWND window, std::initializer_list<UINT_PTR> ids)
{
    TimerProbeRequest request = {};
    request.window = reinterpret_cast<UINT_PTR>(window);
    for (UINT_PTR id : ids) {
        if (request.count == 8)
            return false;
        request.ids[request.count++] = id;
    }
    const std::optional<DWORD> stopped =
        CallInProgram(window, TimerProbePath(), kTimerProbeFunction, &request, sizeof request);
    return stopped && *stopped == request.count;
}

} // namespace driver
