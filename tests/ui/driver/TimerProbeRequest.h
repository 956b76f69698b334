#pragma once
#include <cstdint>

// What the driver asks the timer probe, copied into the program's memory:
// stop the first `count` timers of `ids` on `window`. The thread's exit code
// is how many of them were running and are stopped now.
struct TimerProbeRequest {
    std::uint64_t window;
    std::uint32_t count;
    std::uint64_t ids[8];
};

constexpr const char* kTimerProbeFunction = "StopTimersForDriver";
