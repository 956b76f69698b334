#pragma once
#include <windows.h>
#include <string>

// Screenshots of the X display the tests run on, taken by ImageMagick's
// `import` (a Unix program, started through /bin/sh: Wine runs Unix programs
// given by their Unix path, though it cannot wait for them, so the picture is
// written under a temporary name and renamed when complete).
namespace driver {

// Writes a PNG of the whole screen, or of `area` (screen coordinates) when
// given, to pngPath (a path on drive Z:). False when no picture came within
// timeoutMs.
bool TakeScreenshot(const std::string& pngPath, const RECT* area = nullptr, DWORD timeoutMs = 20000);
// The window with its frame, as it is on the screen.
bool TakeWindowScreenshot(HWND window, const std::string& pngPath, DWORD timeoutMs = 20000);

} // namespace driver
