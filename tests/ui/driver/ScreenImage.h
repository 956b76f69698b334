#pragma once
#include <windows.h>
#include <optional>
#include <string>
#include <vector>

// A screenshot the test can read pixel by pixel: taken like Screenshot.h's
// (the PNG is kept, to be looked at) and converted by ImageMagick into a plain
// RGB file beside it.
namespace driver {

struct ScreenImage {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels; // row by row from the top, as RGB()

    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    // The part of this image at x, y (its own coordinates), width by height.
    ScreenImage Part(int x, int y, int partWidth, int partHeight) const;
    ScreenImage Part(const RECT& area) const
    {
        return Part(area.left, area.top, area.right - area.left, area.bottom - area.top);
    }
};

// How many pixels of two pictures of one size differ.
size_t CountDifferences(const ScreenImage& a, const ScreenImage& b);

// The pixels of `area` of the screen, the PNG kept at pngPath (a path on
// drive Z:); none, and a test failure, when no picture came.
std::optional<ScreenImage> TakeScreenImage(const std::string& pngPath, const RECT& area);
// The pixels of a window with its frame once what it shows has stopped
// changing: two pictures in a row alike (the caller keeps the program's
// clocks still). A test failure when it never settles.
std::optional<ScreenImage> TakeSettledWindowImage(HWND window, const std::string& pngPath);

} // namespace driver
