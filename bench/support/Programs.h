#pragma once
#include "tests/ui/driver/Program.h"
#include <functional>
#include <memory>
#include <string>

// The two programs the benchmarks set side by side: Corvane.exe, installed
// and started as the black-box tests do it, and the bare dialog, the floor.
namespace bench {

constexpr const char* kBareCaption = "Bare dialog";

// Corvane.exe with skin.smf and the updater stand-in, copied into the scratch
// folder `name` (emptied first), with Corvane's registry places cleaned: each
// start from there is a first start. The copied program's path.
std::string FreshCorvane(const std::string& name);
// The bare dialog as the build made it.
std::string BareDialogPath();

// The first visible top-level window of the program that `accept` takes,
// polled every pollMs; null after timeoutMs. Nothing is sent to the program
// until one of its windows is visible, so the polling does not reach into
// its initialisation.
HWND WaitForVisibleWindow(const driver::Program& program, const std::function<bool(HWND)>& accept,
                          DWORD timeoutMs, DWORD pollMs = 20);
// Corvane's main window or the bare dialog, once visible; null after timeoutMs.
HWND WaitForCorvaneWindow(const driver::Program& corvane, DWORD timeoutMs = 30000, DWORD pollMs = 20);
HWND WaitForBareWindow(const driver::Program& bare, DWORD timeoutMs = 30000, DWORD pollMs = 20);

// Ends a program through the command its window closes with (Quit for
// Corvane, Cancel for the bare dialog), as a user would; false when it had
// to be terminated.
bool EndWithCommand(driver::Program& program, HWND window, UINT command);

} // namespace bench
