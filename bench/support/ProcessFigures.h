#pragma once
#include <windows.h>
#include <optional>

// What the platform tells about a running process from outside. Under Wine
// these come from Linux's counters of the process: the working set is its
// resident memory (the peak is Linux's high-water mark) and the pagefile
// usage its resident anonymous memory plus swap, whose "peak" Wine reports
// as the current value.
namespace bench {

// Kernel and user time used so far by the threads the process has now, in
// seconds.
double CpuSeconds(HANDLE process);

struct MemoryFigures {
    double peakWorkingSet = 0;
    double workingSet = 0;
    double pagefileUsage = 0;
    double peakPagefileUsage = 0;
    double privateBytes = 0;
};
std::optional<MemoryFigures> MemoryOf(HANDLE process);

// The blocks in use in all heaps of the process, read by the heap probe
// loaded into it; none when the probe cannot run there.
struct HeapFigures {
    double busyBytes = 0;
    double busyBlocks = 0;
    unsigned heaps = 0;
};
std::optional<HeapFigures> HeapOf(HWND window);

} // namespace bench
