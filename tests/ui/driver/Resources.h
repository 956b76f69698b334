#pragma once
#include <windows.h>
#include <cstddef>
#include <optional>
#include <vector>

// What a running program holds, read from outside: the measures a soak test
// compares between its warm-up and its end.
namespace driver {

struct ProcessResources {
    std::size_t handles = 0;
    std::size_t threads = 0;
    // Committed private memory (PagefileUsage): heap and stacks, what a leak
    // makes grow.
    std::size_t committedBytes = 0;
};

// None when one of the three cannot be read.
std::optional<ProcessResources> ReadResources(HANDLE process, DWORD processId);

// Open handles of a process, from the system's handle table: under Wine 8
// GetProcessHandleCount succeeds with 0 for every process. The handles are
// the process's own values, for DuplicateHandle.
std::optional<std::vector<HANDLE>> HandlesOf(DWORD processId);
std::optional<std::size_t> HandleCount(DWORD processId);
// Threads of a process in a Toolhelp snapshot.
std::optional<std::size_t> ThreadCount(DWORD processId);
std::optional<std::size_t> CommittedBytes(HANDLE process);

} // namespace driver
