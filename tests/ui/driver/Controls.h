#pragma once
#include <windows.h>
#include <string>
#include <vector>

// Reading and driving the windows of another process. Texts are read with
// WM_GETTEXT, which the platform copies across processes (GetWindowTextA does
// not ask the other process). Send* calls wait until the program has handled
// the message; Post* calls return at once: use them for anything that opens a
// message box or a menu, since the program does not answer a sent message
// while such a modal loop runs.
namespace driver {

// The tray icon's callback message and icon id.
constexpr UINT kTrayNotifyMessage = 32778;
constexpr UINT kTrayIconId = 129;
// The main window's timers.
constexpr UINT_PTR kStatsTimer = 1;
constexpr UINT_PTR kSessionTimer = 2;

std::string TextOf(HWND window);
std::string ClassOf(HWND window);
std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
// The direct children of parent, in their z-order (the dialog's tab order).
std::vector<HWND> ChildWindows(HWND parent);
// A child's rectangle in the client coordinates of dialog.
RECT RectInDialog(HWND dialog, HWND child);

// BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE of a button.
int CheckState(HWND dialog, int id);
// A click on a button: BN_CLICKED reaches the dialog as from the mouse.
void PressButton(HWND dialog, int id);
void PostButtonPress(HWND dialog, int id);
// WM_COMMAND with the given id (notification code 0: menu item or click).
void SendCommand(HWND window, UINT id);
void PostCommand(HWND window, UINT id);
// A key pressed and released on a window of the program, through its message
// loop (so the dialog keys Enter, Esc and Tab work as typed).
void PostKey(HWND window, UINT virtualKey);
// A key pressed with Alt held (WM_SYSKEYDOWN / WM_SYSKEYUP), e.g. Alt+F4.
void PostAltKey(HWND window, UINT virtualKey);
// The characters typed into a control, one WM_CHAR each, through the loop.
void PostChars(HWND control, const std::string& text);
// The window with the keyboard focus in window's thread (null when none).
HWND FocusOf(HWND window);
// Presses Tab in the dialog until control `id` has the focus, as a user moves
// through the tab order; false when it never gets it.
bool TabTo(HWND dialog, int id);
// WM_TIMER with the id, as the timer itself would deliver it.
void SendTimer(HWND window, UINT_PTR id);
// The tray icon's callback as the shell sends it, e.g. WM_LBUTTONDBLCLK.
void SendTrayMessage(HWND window, UINT mouseMessage);
void PostTrayMessage(HWND window, UINT mouseMessage);
// True when the window's thread answers within timeoutMs (not stuck).
bool Responds(HWND window, DWORD timeoutMs = 5000);
// A clock label's text ("  1 hrs :  2 mins :  3 secs") in seconds; -1 when
// the text does not read as a clock.
long ClockSeconds(const std::string& text);
// Moves the pointer to a screen point and waits until the X server reports it
// there, so the program under test sees it there too; false after timeoutMs.
bool PlacePointer(int x, int y, DWORD timeoutMs = 2000);

// The items of a combo box, and its selection (CB_ERR, -1, for none).
std::vector<std::string> ComboItems(HWND dialog, int id);
int ComboSelection(HWND dialog, int id);
// Selects a combo box's item as a pick from its list does: the selection set,
// then CBN_SELCHANGE sent to the dialog.
void SelectComboItem(HWND dialog, int id, int position);

} // namespace driver
