#pragma once
#include <cstdint>

// What the heap probe hands back, in the call's block (tests/ui/driver/ProbeCall.h): the blocks in use in all of the process's heaps.
struct HeapProbeRequest {
    std::uint64_t busyBytes;
    std::uint64_t busyBlocks;
    std::uint32_t heaps;
};

constexpr const char* kHeapProbeFunction = "MeasureHeapsForBench";
