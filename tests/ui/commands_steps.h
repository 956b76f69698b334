#pragma once
#include "tests/ui/driver/CorvaneTest.h"
#include <map>
#include <string>

// What the walkthrough of the commands does again and again: the main
// window's controls and menu items by id, typing into a box, the window gone
// into the tray, the tray popup opened and an item picked from it.
namespace commands {

constexpr int kAccelerate = 1001;
constexpr int kRunClient = 3;
constexpr int kMinimize = 2;
constexpr int kQuit = 1007;
constexpr int kCheckPeriod = 1005;
constexpr int kCheckPeriodUnit = 1006;
constexpr int kAccelerateFirst = 1004;
constexpr int kNetworkBox = 1025;
constexpr int kSessionClock = 1022;
constexpr UINT kAutoResumeDownloads = 32785;
constexpr UINT kAutoRunClient = 32790;
constexpr UINT kRunAtStartup = 32781;
constexpr const char kRunning[] = "Status: accelerating\nPress to stop acceleration";

// The session clock's label in seconds, -1 when it does not read as a clock.
long SessionSeconds(HWND window);
// The centre of a control on the screen.
POINT CentreOf(HWND control);
// Replaces a box's text by typing: emptied, then one character at a time
// through the program's loop. False when the box never shows the typed text.
bool TypeInto(HWND window, int id, const std::string& text);
// Waits until the window is hidden into the tray: not shown, while the
// window, its thread and its process live on.
bool WaitHidden(const driver::Program& program, HWND window);

// Opens the tray popup with the icon's right-button release and gives its
// items by id as they are when it opens; the popup stays open, its window in
// `popup` (null, and a test failure, when none opened).
std::map<UINT, driver::MenuItem> OpenTrayPopup(const driver::Program& program, HWND window, HWND& popup);
bool WaitPopupClosed(HWND popup);
// Picks an item of the tray popup by its mnemonic. The popup posts the
// command as it closes: whatever the test sends or posts to the window after
// this arrives after the command.
void ChooseFromPopup(const driver::Program& program, HWND window, char mnemonic);

} // namespace commands
