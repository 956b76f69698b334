#include "tests/ui/driver/Screenshot.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/Paths.h"
#include "tests/ui/driver/UnixShell.h"
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
    // Written under another name first, so a test never reads half a picture.
    const std::optional<int> status =
        RunShell("import -window root" + crop + " '" + part + "' && mv '" + part + "' '" + target + "'", timeoutMs);
    return status == std::optional<int>(0) && FileExists(pngPath);
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
