#pragma once
#include "tests/ui/driver/Program.h"
#include <functional>
#include <memory>
#include <string>

// The programs the benchmarks set side by side: Corvane.exe, installed and
// started as the black-box tests do it, and its two floors. The bare dialog
// is the plainest Win32 program with a window like Corvane's; the platform
// dialog is Corvane's own window (its template, the unit list's items, the
// four button tooltips) with the platform work Corvane cannot do without (its
// system libraries, a tray icon, the updater's launch, two one-second timers
// that read the interface table and the connection state), and none of
// Corvane's logic.
namespace bench {

constexpr const char* kBareCaption = "Bare dialog";
constexpr const char* kPlatformCaption = "Platform dialog";

// Corvane.exe with skin.smf and the updater stand-in, copied into the scratch
// folder `name` (emptied first), with Corvane's registry places cleaned: each
// start from there is a first start. The copied program's path.
std::string FreshCorvane(const std::string& name);
// The bare dialog as the build made it.
std::string BareDialogPath();
// The platform dialog with the updater stand-in beside it, copied into the
// scratch folder `name` (emptied first), as Corvane is. The copied program's
// path.
std::string FreshPlatformDialog(const std::string& name);

// The first visible top-level window of the program that `accept` takes,
// polled every pollMs; null after timeoutMs. Nothing is sent to the program
// until one of its windows is visible, so the polling does not reach into
// its initialisation.
HWND WaitForVisibleWindow(const driver::Program& program, const std::function<bool(HWND)>& accept,
                          DWORD timeoutMs, DWORD pollMs = 20);
// Corvane's main window or a floor's dialog, once visible; null after timeoutMs.
HWND WaitForCorvaneWindow(const driver::Program& corvane, DWORD timeoutMs = 30000, DWORD pollMs = 20);
HWND WaitForBareWindow(const driver::Program& bare, DWORD timeoutMs = 30000, DWORD pollMs = 20);
HWND WaitForPlatformWindow(const driver::Program& platform, DWORD timeoutMs = 30000, DWORD pollMs = 20);

// Ends a program through the command its window closes with (Quit for
// Corvane, Cancel for the floors), as a user would; false when it had to be
// terminated.
bool EndWithCommand(driver::Program& program, HWND window, UINT command);

} // namespace bench
