#include "bench/support/ProcessFigures.h"
#include "bench/heapprobe/HeapProbeRequest.h"
#include "tests/ui/driver/Paths.h"
#include "tests/ui/driver/RemoteCall.h"
#include <psapi.h>
#include <tlhelp32.h>

namespace bench {

namespace {

double Seconds(const FILETIME& time)
{
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

} // namespace

double CpuSeconds(HANDLE process)
{
    // Summed over the threads: Wine 8 answers GetProcessTimes of another
    // process with the caller's own times, yet reads each thread's times from
    // Linux. A thread that has ended takes its share with it.
    const DWORD processId = ::GetProcessId(process);
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    double seconds = 0;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Thread32First(snapshot, &entry); more; more = ::Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != processId)
            continue;
        HANDLE thread = ::OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID);
        if (thread == nullptr)
            continue;
        FILETIME created, exited, kernel, user;
        if (::GetThreadTimes(thread, &created, &exited, &kernel, &user))
            seconds += Seconds(kernel) + Seconds(user);
        ::CloseHandle(thread);
    }
    ::CloseHandle(snapshot);
    return seconds;
}

std::optional<MemoryFigures> MemoryOf(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    if (!::K32GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
        return std::nullopt;
    MemoryFigures figures;
    figures.peakWorkingSet = static_cast<double>(counters.PeakWorkingSetSize);
    figures.workingSet = static_cast<double>(counters.WorkingSetSize);
    figures.pagefileUsage = static_cast<double>(counters.PagefileUsage);
    figures.peakPagefileUsage = static_cast<double>(counters.PeakPagefileUsage);
    figures.privateBytes = static_cast<double>(counters.PrivateUsage);
    return figures;
}

std::optional<HeapFigures> HeapOf(HWND window)
{
    HeapProbeRequest request = {};
    const std::optional<DWORD> result = driver::CallInProgram(
        window, driver::WindowsPathFromUnix(CORVANE_HEAP_PROBE_PATH), kHeapProbeFunction, &request, sizeof request);
    if (!result || *result != 0)
        return std::nullopt;
    HeapFigures figures;
    figures.busyBytes = static_cast<double>(request.busyBytes);
    figures.busyBlocks = static_cast<double>(request.busyBlocks);
    figures.heaps = request.heaps;
    return figures;
}

} // namespace bench
