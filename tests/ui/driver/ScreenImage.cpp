#include "tests/ui/driver/ScreenImage.h"
#include "tests/ui/driver/Controls.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/Paths.h"
#include "tests/ui/driver/Screenshot.h"
#include "tests/ui/driver/XServer.h"
#include <gtest/gtest.h>
#include <sstream>

namespace driver {

namespace {

// A binary PPM ("P6", 8 bits a channel), as ImageMagick writes it.
std::optional<ScreenImage> ParsePpm(const std::string& data)
{
    std::istringstream header(data);
    std::string magic;
    int width = 0;
    int height = 0;
    int maximum = 0;
    header >> magic >> width >> height >> maximum;
    if (!header || magic != "P6" || maximum != 255 || width <= 0 || height <= 0)
        return std::nullopt;
    // One whitespace character ends the header.
    const size_t start = static_cast<size_t>(header.tellg()) + 1;
    const size_t count = static_cast<size_t>(width) * height;
    if (data.size() < start + count * 3)
        return std::nullopt;
    ScreenImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const auto* rgb = reinterpret_cast<const unsigned char*>(data.data() + start + i * 3);
        image.pixels[i] = RGB(rgb[0], rgb[1], rgb[2]);
    }
    return image;
}

} // namespace

ScreenImage ScreenImage::Part(int x, int y, int partWidth, int partHeight) const
{
    ScreenImage part;
    part.width = partWidth;
    part.height = partHeight;
    for (int row = y; row < y + partHeight; ++row) {
        for (int column = x; column < x + partWidth; ++column)
            part.pixels.push_back(At(column, row));
    }
    return part;
}

size_t CountDifferences(const ScreenImage& a, const ScreenImage& b)
{
    size_t differences = 0;
    for (size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i)
        differences += a.pixels[i] != b.pixels[i] ? 1 : 0;
    return differences;
}

std::optional<ScreenImage> TakeScreenImage(const std::string& pngPath, const RECT& area)
{
    if (!TakeScreenshot(pngPath, &area))
        return std::nullopt;
    const std::string ppm = pngPath.substr(0, pngPath.find_last_of('.')) + ".ppm";
    if (!RunOnXServer("convert '" + UnixPathFromWindows(pngPath) + "' '" + UnixPathFromWindows(ppm) + "'"))
        return std::nullopt;
    const std::optional<std::string> data = ReadFileText(ppm);
    ::DeleteFileA(ppm.c_str());
    std::optional<ScreenImage> image = data ? ParsePpm(*data) : std::nullopt;
    if (!image || image->width != area.right - area.left || image->height != area.bottom - area.top) {
        ADD_FAILURE() << "no readable picture of the screen in " << ppm;
        return std::nullopt;
    }
    return image;
}

std::optional<ScreenImage> TakeSettledWindowImage(HWND window, const std::string& pngPath)
{
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    std::optional<ScreenImage> last;
    for (int attempt = 0; attempt < 10; ++attempt) {
        EXPECT_TRUE(Responds(window));
        std::optional<ScreenImage> image = TakeScreenImage(pngPath, rect);
        if (!image)
            return std::nullopt;
        if (last && last->pixels == image->pixels)
            return image;
        last = image;
        ::Sleep(100);
    }
    ADD_FAILURE() << "the window never stopped changing";
    return last;
}

} // namespace driver
