#pragma once
#include <windows.h>
#include <optional>
#include <string>

// Running a function of a library of ours inside another process: the library
// is loaded there (CreateRemoteThread on LoadLibraryA) and the function runs on
// a new thread of that process, taking one block of memory copied in and out.
namespace driver {

// The address, in the other process, of `function` of the library at
// libraryPath, loading the library there (and here) first when needed; 0 when
// it cannot be loaded or has no such function.
UINT_PTR RemoteLibraryFunction(HANDLE process, const std::string& libraryPath, const char* function);

// Runs function(copy of block) on a new thread of the other process and
// copies the block back once the thread has ended; the thread's exit code, or
// none when it could not run or did not end within timeoutMs.
std::optional<DWORD> CallRemote(HANDLE process, UINT_PTR function, void* block, size_t size,
                                DWORD timeoutMs = 10000);

} // namespace driver
