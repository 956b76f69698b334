#include "tests/ui/driver/Screenshot.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/Paths.h"
#include <gtest/gtest.h>

namespace driver {

bool TakeScreenshot(const std::string& pngPath, const RECT* area, DWORD timeoutMs)
{
    const std::string target = UnixPathFromWindows(pngPath);
    if (target.empty()) {
        ADD_FAILURE() << "a screenshot needs a path on drive Z:, not " << pngPath;
        return false;
    }
    ::DeleteFileA(pngPath.c_str());
    const std::string part = target + ".part.png";
    std::string crop;
    if (area != nullptr) {
        crop = " -crop " + std::to_string(area->right - area->left) + "x" + std::to_string(area->bottom - area->top)
            + "+" + std::to_string(area->left) + "+" + std::to_string(area->top) + " +repage";
    }
    std::string commandLine = "/bin/sh -c \"import -window root" + crop + " '" + part + "' && mv '" + part + "' '"
        + target + "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        ADD_FAILURE() << "cannot run " << commandLine << ": error " << ::GetLastError();
        return false;
    }
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    return WaitUntil([&] { return FileExists(pngPath); }, timeoutMs);
}

bool TakeWindowScreenshot(HWND window, const std::string& pngPath, DWORD timeoutMs)
{
    RECT rect = {};
    if (!::GetWindowRect(window, &rect)) {
        ADD_FAILURE() << "no such window";
        return false;
    }
    return TakeScreenshot(pngPath, &rect, timeoutMs);
}

} // namespace driver
