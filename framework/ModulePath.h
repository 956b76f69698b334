#pragma once
#include <windows.h>
#include <string>

// The full path of a module, however long. GetModuleFileNameA neither reports
// the needed size nor terminates a cut result, so the buffer grows until the
// answer is shorter than the buffer.
std::string GetModulePath(HMODULE module = nullptr);
