#pragma once
#include "tests/ui/driver/CorvaneTest.h"
#include <map>
#include <string>

// What the walkthrough of the commands does again and again: typing into a
// box, the window gone into the tray, the tray popup opened and an item
// picked from it.
namespace commands {

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
