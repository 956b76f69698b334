#pragma once
#include <cstdint>

// What the driver asks the timer probe, handed over in the call's block:
// stop the first `count` timers of `ids` on `window`. The call's result
// is how many of them were running and are stopped now.
struct TimerProbeRequest {
    std::uint64_t window;
    std::uint32_t count;
    std::uint64_t ids[8];
};

constexpr const char* kTimerProbeFunction = "StopTimersForDriver";
