// Loaded into a running program by the benchmarks: walks every heap of that
// process, which only code inside it can do, and sums the blocks in use.
#include "bench/heapprobe/HeapProbeRequest.h"
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}

extern "C" __declspec(dllexport) DWORD WINAPI MeasureHeapsForBench(LPVOID param)
{
    auto* request = static_cast<HeapProbeRequest*>(param);
    *request = {};
    HANDLE heaps[256];
    const DWORD count = ::GetProcessHeaps(256, heaps);
    if (count == 0 || count > 256)
        return 1;
    for (DWORD i = 0; i < count; ++i) {
        // Locked, so that no other thread changes the heap under the walk.
        if (!::HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (::HeapWalk(heaps[i], &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) {
                request->busyBytes += entry.cbData;
                ++request->busyBlocks;
            }
        }
        ::HeapUnlock(heaps[i]);
        ++request->heaps;
    }
    return 0;
}
