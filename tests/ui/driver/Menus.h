#pragma once
#include <windows.h>
#include <string>
#include <vector>

// Menus of the program under test. Wine keeps a menu's items in the memory of
// the process that owns it, so no other process can read them (GetSystemMenu
// of another process's window gives null). The driver therefore has a small
// library of its own (corvane_menu_probe.dll) write the items to a file, from
// inside the program, on the thread of its main window.
namespace driver {

class Program;

struct MenuItem {
    UINT id = 0;          // for an item that opens a submenu: 0xFFFFFFFF
    std::string text;     // with its '&' and any "\t" accelerator text
    bool separator = false;
    bool submenu = false;
    bool checked = false;
    bool grayed = false;  // disabled or grayed
};

// The items of window's system menu; empty, and a test failure, when they
// cannot be read.
std::vector<MenuItem> ReadSystemMenu(const Program& program, HWND window);
// The items of a menu of the program (e.g. the handle of an open popup).
std::vector<MenuItem> ReadMenu(const Program& program, HMENU menu);

// An open popup menu of the program (class "#32768"); null when none is open
// after timeoutMs.
HWND WaitForPopupMenu(const Program& program, DWORD timeoutMs = 5000);
// The menu an open popup window shows (MN_GETHMENU).
HMENU MenuOfPopup(HWND popupWindow);

} // namespace driver
