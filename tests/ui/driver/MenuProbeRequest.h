#pragma once
#include <cstdint>

// What the driver asks the menu probe, handed over in the call's block: the
// probe reads the system menu of `window` when it is not 0, else `menu`, and
// writes one line per item to `output`: "<id>|<flags>|<text>", flags being
// letters S (separator), P (opens a submenu), C (checked), G (grayed or
// disabled). The call's result is the item count, or kProbeFailed.
struct MenuProbeRequest {
    std::uint64_t window;
    std::uint64_t menu;
    char output[1024];
};

constexpr unsigned long kProbeFailed = 0xFFFFFFFFul;
constexpr const char* kProbeFunction = "ReadMenuForDriver";
