#pragma once
#include <windows.h>
#include <optional>
#include <string>

// The X server the tests run on, worked with its own tools: the real pointer
// moved and clicked with xdotool, as a user's mouse would, so the program
// gets the whole chain of input the platform makes of it (hover, capture,
// double-click timing).
namespace driver {

class Program;

// Runs a Unix shell command (no double quotes in it) with RunShell and waits
// for it to finish; true when it ended with status 0 within timeoutMs, a test
// failure otherwise.
bool RunOnXServer(const std::string& command, DWORD timeoutMs = 20000);

// The pointer to x, y of the screen (Wine's screen coordinates are the X
// root window's).
bool MovePointer(int x, int y);
// Moves the pointer to x, y and clicks the left button `clicks` times in a
// row, 100 ms apart: two make a double click.
bool ClickAt(int x, int y, int clicks = 1);
// Presses keys on the keyboard, one every delayMs, into whatever window has
// the input focus: `text` is typed as it stands (letters, digits, '-'),
// `keys` are X key names separated by blanks ("End BackSpace").
bool TypeOnKeyboard(const std::string& text, int delayMs);
bool PressKeys(const std::string& keys);

// A tooltip of the program that is shown (the common controls' tooltip
// window); null when none is.
HWND FindShownTooltip(const Program& program);
// Rests the pointer on the centre of control and gives the text of the
// tooltip the program shows for it; none when none shows within 5 s.
std::optional<std::string> TooltipOver(const Program& program, HWND control);

} // namespace driver
