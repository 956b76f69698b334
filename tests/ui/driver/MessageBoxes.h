#pragma once
#include <windows.h>
#include <string>

namespace driver {

class Program;

// A message box of the program: a dialog (class "#32770") whose text sits in
// the static control 0xFFFF. Null when none is shown.
HWND FindMessageBox(const Program& program);
// Null, and a test failure, when none appears within timeoutMs.
HWND WaitForMessageBox(const Program& program, DWORD timeoutMs = 10000);
std::string MessageBoxText(HWND box);
// Presses a button of the box (IDOK, 1, by default) and waits until the box
// is gone; false when it is still there after timeoutMs.
bool CloseMessageBox(HWND box, int buttonId = IDOK, DWORD timeoutMs = 5000);

} // namespace driver
