#pragma once
#include <windows.h>
#include <optional>
#include <string>

// Running a function of a probe library of ours inside the program under
// test, on the thread of one of its windows (see ProbeCall.h).
namespace driver {

// Runs function(request) from the library at libraryPath on the thread of
// `window`, loading the library into the program first when needed, and
// copies the request back once it has run; the function's result, or none
// when it could not run or the thread did not take the call within timeoutMs.
std::optional<DWORD> CallInProgram(HWND window, const std::string& libraryPath, const char* function, void* request,
                                   size_t size, DWORD timeoutMs = 10000);

} // namespace driver
