// Black-box test of the main window as the screen shows it: the texts its
// layout was made for (the longest byte counters among them) are drawn whole
// inside their labels in the dialog's font, and the close box shows the
// caption buttons' cross, not a letter of some other font standing in for the
// missing symbol font.
#include "tests/ui/driver/CorvaneTest.h"
#include "tests/ui/driver/ProgramTimers.h"
#include "tests/ui/driver/ScreenImage.h"
#include "tests/ui/driver/XServer.h"
#include <algorithm>
#include <map>

namespace {

using namespace driver;

HWND LabelShowing(HWND window, const std::string& text)
{
    for (HWND child : ChildWindows(window)) {
        if (ClassOf(child) == "Static" && TextOf(child) == text)
            return child;
    }
    return nullptr;
}

// A control's client area in the picture of the window, frame included.
RECT ClientAreaInWindow(HWND window, HWND control)
{
    RECT windowRect = {};
    RECT area = {};
    POINT origin = { 0, 0 };
    ::GetWindowRect(window, &windowRect);
    ::GetClientRect(control, &area);
    ::ClientToScreen(control, &origin);
    ::OffsetRect(&area, origin.x - windowRect.left, origin.y - windowRect.top);
    return area;
}

COLORREF MostCommonColour(const ScreenImage& image)
{
    std::map<COLORREF, size_t> counts;
    for (COLORREF pixel : image.pixels)
        ++counts[pixel];
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// `text` black on `background` on one line from the top left of a picture
// width by height, in the font the dialog manager makes of the template's
// "MS Shell Dlg" 8 pt: what a label shows of the text when it holds it whole.
ScreenImage TextInDialogFont(const std::string& text, COLORREF background, int width, int height)
{
    HDC screen = ::GetDC(nullptr);
    const int fontHeight = ::MulDiv(8, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
    ::ReleaseDC(nullptr, screen);
    HFONT font = ::CreateFontA(-fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FF_DONTCARE, "MS Shell Dlg");
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height; // rows from the top
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    RECT all = { 0, 0, width, height };
    HBRUSH brush = ::CreateSolidBrush(background);
    ::FillRect(dc, &all, brush);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::DrawTextA(dc, text.c_str(), -1, &all, DT_SINGLELINE | DT_NOPREFIX);
    ::GdiFlush();

    ScreenImage image;
    image.width = width;
    image.height = height;
    const auto* pixel = static_cast<const BYTE*>(bits); // blue, green, red, unused
    for (int i = 0; i < width * height; ++i, pixel += 4)
        image.pixels.push_back(RGB(pixel[2], pixel[1], pixel[0]));

    ::SelectObject(dc, oldFont);
    ::SelectObject(dc, oldBitmap);
    ::DeleteDC(dc);
    ::DeleteObject(brush);
    ::DeleteObject(bitmap);
    ::DeleteObject(font);
    return image;
}

// The rightmost column and the lowest row with a pixel other than the
// background; -1, -1 when there is none.
POINT InkExtent(const ScreenImage& image, COLORREF background)
{
    POINT extent = { -1, -1 };
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.At(x, y) != background) {
                extent.x = std::max<LONG>(extent.x, x);
                extent.y = std::max<LONG>(extent.y, y);
            }
        }
    }
    return extent;
}

// The label holds `text` whole: drawn on one line the text fits in the
// label's client area, and the area on the screen shows exactly that drawing.
void ExpectDrawnWhole(const ScreenImage& windowImage, HWND window, HWND label, const std::string& text)
{
    const ScreenImage shown = windowImage.Part(ClientAreaInWindow(window, label));
    const COLORREF background = MostCommonColour(shown);
    // Room to the right and below for whatever would not fit.
    const ScreenImage whole = TextInDialogFont(text, background, shown.width * 2, shown.height * 2);
    const POINT extent = InkExtent(whole, background);
    ASSERT_GE(extent.x, 0) << "the text draws nothing";
    EXPECT_LT(extent.x, shown.width) << "the text needs " << extent.x + 1 << " pixels across, the label has "
                                     << shown.width;
    EXPECT_LT(extent.y, shown.height) << "the text needs " << extent.y + 1 << " pixels down, the label has "
                                      << shown.height;
    EXPECT_EQ(CountDifferences(shown, whole.Part(0, 0, shown.width, shown.height)), 0u)
        << "the label shows other pixels than the text drawn on one line";
}

// The part of the caption where a click closes the window, as the window
// itself answers WM_NCHITTEST point by point, in the picture of the window.
RECT CloseBoxInWindow(HWND window)
{
    RECT windowRect = {};
    ::GetWindowRect(window, &windowRect);
    RECT box = { windowRect.right, windowRect.bottom, windowRect.left, windowRect.top };
    for (int y = windowRect.top; y < windowRect.top + 48; ++y) {
        for (int x = windowRect.right - 64; x < windowRect.right; ++x) {
            DWORD_PTR hit = HTNOWHERE;
            ::SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 1000, &hit);
            if (hit == HTCLOSE) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
        }
    }
    ::OffsetRect(&box, -windowRect.left, -windowRect.top);
    return box;
}

// The close box's glyph is a cross: its dark pixels (the button's 3-D edges
// are lighter) mirror onto themselves left to right and top to bottom, as no
// letter's do.
void ExpectCross(const ScreenImage& closeBox)
{
    const auto dark = [&](int x, int y) {
        const COLORREF pixel = closeBox.At(x, y);
        return GetRValue(pixel) <= 0x40 && GetGValue(pixel) <= 0x40 && GetBValue(pixel) <= 0x40;
    };
    RECT ink = { closeBox.width, closeBox.height, -1, -1 };
    int count = 0;
    for (int y = 0; y < closeBox.height; ++y) {
        for (int x = 0; x < closeBox.width; ++x) {
            if (dark(x, y)) {
                ++count;
                ink = { std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x),
                        std::max<LONG>(ink.bottom, y) };
            }
        }
    }
    ASSERT_GE(count, 4) << "the close box shows no cross: " << count << " dark pixels";
    EXPECT_GE(ink.right - ink.left, 2) << "the close box's glyph is no cross";
    EXPECT_GE(ink.bottom - ink.top, 2) << "the close box's glyph is no cross";
    int unmirrored = 0;
    for (int y = ink.top; y <= ink.bottom; ++y) {
        for (int x = ink.left; x <= ink.right; ++x) {
            if (dark(x, y) && !(dark(ink.left + ink.right - x, y) && dark(x, ink.top + ink.bottom - y)))
                ++unmirrored;
        }
    }
    EXPECT_EQ(unmirrored, 0) << "dark pixels of the close box's glyph without their mirror images";
}

using MainWindowLooks = CorvaneTest;

} // namespace

TEST_F(MainWindowLooks, CaptionClocksAndCountersDrawnWholeAndTheCloseBoxACross)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(StopWindowTimers(window, { kStatsTimer, kSessionTimer }));
    ASSERT_TRUE(MovePointer(1, 1)) << "no tooltip over the window";
    // Both clocks at 59 seconds: two digits of seconds.
    const std::pair<int, UINT_PTR> clocks[] = { { kDuration, kStatsTimer }, { kSessionClock, kSessionTimer } };
    for (const auto& [clock, timer] : clocks) {
        for (int tick = 0; tick < 60 && ClockSeconds(ControlText(window, clock)) < 59; ++tick)
            SendTimer(window, timer);
        ASSERT_EQ(ControlText(window, clock), "  0 hrs :  0 mins : 59 secs");
    }
    // The longest byte counters there are: 64-bit totals of 20 digits.
    const int counters[] = { kBytesSent, kBytesReceived };
    for (int counter : counters)
        SetControlText(window, counter, " 18446744073709551615 ");
    const std::optional<ScreenImage> image = TakeSettledWindowImage(window, Scratch().File("main-window.png"));
    ASSERT_TRUE(image.has_value());

    HWND caption = LabelShowing(window, "Bytes Received");
    ASSERT_NE(caption, nullptr);
    {
        SCOPED_TRACE("the caption \"Bytes Received\"");
        ExpectDrawnWhole(*image, window, caption, "Bytes Received");
    }
    {
        SCOPED_TRACE("the window clock");
        ExpectDrawnWhole(*image, window, ::GetDlgItem(window, kDuration), ControlText(window, kDuration));
    }
    {
        SCOPED_TRACE("the session clock");
        ExpectDrawnWhole(*image, window, ::GetDlgItem(window, kSessionClock), ControlText(window, kSessionClock));
    }
    for (int counter : counters) {
        SCOPED_TRACE(counter == kBytesSent ? "Bytes Sent" : "Bytes Received");
        ExpectDrawnWhole(*image, window, ::GetDlgItem(window, counter), ControlText(window, counter));
    }
    ExpectCross(image->Part(CloseBoxInWindow(window)));
}
