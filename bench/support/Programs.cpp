#include "bench/support/Programs.h"
#include "tests/ui/driver/Controls.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/Paths.h"
#include "tests/ui/driver/Registry.h"
#include "tests/ui/driver/ScratchFolder.h"

namespace bench {

std::string FreshCorvane(const std::string& name)
{
    driver::CleanCorvaneRegistry();
    return driver::ScratchFolder(name).InstallCorvane();
}

std::string BareDialogPath()
{
    return driver::WindowsPathFromUnix(CORVANE_BARE_DIALOG_PATH);
}

std::string FreshPlatformDialog(const std::string& name)
{
    const driver::ScratchFolder folder(name);
    const std::string target = folder.File("PlatformDialog.exe");
    driver::CopyFileTo(driver::WindowsPathFromUnix(CORVANE_PLATFORM_DIALOG_PATH), target);
    folder.InstallStandIn("UpdateApp.exe");
    return target;
}

HWND WaitForVisibleWindow(const driver::Program& program, const std::function<bool(HWND)>& accept,
                          DWORD timeoutMs, DWORD pollMs)
{
    HWND found = nullptr;
    driver::WaitUntil([&] {
        for (HWND window : program.TopLevelWindows()) {
            if (::IsWindowVisible(window) && accept(window)) {
                found = window;
                return true;
            }
        }
        return false;
    }, timeoutMs, pollMs);
    return found;
}

HWND WaitForCorvaneWindow(const driver::Program& corvane, DWORD timeoutMs, DWORD pollMs)
{
    return WaitForVisibleWindow(corvane, [&](HWND window) { return window == corvane.FindMainWindow(); },
                                timeoutMs, pollMs);
}

HWND WaitForBareWindow(const driver::Program& bare, DWORD timeoutMs, DWORD pollMs)
{
    return WaitForVisibleWindow(bare, [](HWND window) { return driver::TextOf(window) == kBareCaption; },
                                timeoutMs, pollMs);
}

HWND WaitForPlatformWindow(const driver::Program& platform, DWORD timeoutMs, DWORD pollMs)
{
    return WaitForVisibleWindow(platform, [](HWND window) { return driver::TextOf(window) == kPlatformCaption; },
                                timeoutMs, pollMs);
}

bool EndWithCommand(driver::Program& program, HWND window, UINT command)
{
    driver::PostCommand(window, command);
    if (program.WaitForExit(10000))
        return true;
    program.Terminate();
    return false;
}

} // namespace bench
