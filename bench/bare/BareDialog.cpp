// The floor Corvane's benchmarks are set against: the plainest Win32 program
// with a window like Corvane's main window. A modal dialog from a resource,
// no timers, no tray icon, no threads; OK, Cancel, Esc and the close box end it.
#include <windows.h>

namespace {

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return static_cast<int>(::DialogBoxParamA(instance, "FLOOR", nullptr, &BareDialogProc, 0));
}
