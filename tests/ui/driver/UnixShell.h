#pragma once
#include <windows.h>
#include <optional>
#include <string>

namespace driver {

// Runs a script with the Unix shell and returns its exit status, or none when
// it cannot be started or does not finish within timeoutMs. Wine starts Unix
// programs but cannot wait for them, so the status comes back through a file
// in the scratch root.
std::optional<int> RunShell(const std::string& script, DWORD timeoutMs = 10000);

} // namespace driver
