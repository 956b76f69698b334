// Waits for the desktop's shell that an elevated Corvane starts every program
// through, found as Corvane finds it. Exit code 0 once it answers, 1 when it
// has not answered within 20 s.
//
// Wine's explorer registers the shell's windows once, as it starts, while the
// same start brings up the RPC service that registration needs; under load a
// registration that loses that race is never made, and no program of that
// wineserver reaches the shell. The test scripts run this after starting a
// server, and start the server again when it fails.
#include "framework/DesktopShell.h"
#include <windows.h>
#include <shldisp.h>

namespace {

bool DesktopShellAnswers()
{
    IShellDispatch2* shell = nullptr;
    const bool answers = SUCCEEDED(FindDesktopShell(&shell)) && shell != nullptr;
    if (shell != nullptr)
        shell->Release();
    return answers;
}

} // namespace

int main()
{
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    const ULONGLONG deadline = ::GetTickCount64() + 20000;
    bool answers = DesktopShellAnswers();
    while (!answers && ::GetTickCount64() < deadline) {
        ::Sleep(100);
        answers = DesktopShellAnswers();
    }
    ::CoUninitialize();
    return answers ? 0 : 1;
}
