// Black-box test of the statistics panel's value labels on the screen: after
// the real Corvane.exe's clocks have run many ticks, every label shows its
// current text and nothing of an earlier one, on the skinned background and
// on the standard one.
#include "tests/ui/commands_steps.h"
#include "tests/ui/driver/ProgramTimers.h"
#include "tests/ui/driver/ScreenImage.h"
#include "tests/ui/driver/XServer.h"
#include <algorithm>
#include <cstdint>
#include <iterator>

namespace {

using namespace driver;
using namespace commands;

// The five transparent value labels and the plain session clock label.
constexpr int kValueLabels[] = { kDuration, kBytesSent, kBytesReceived, kType, kStatus, kSessionClock };

// A value label's place in the window's picture, its sunken edge included.
RECT LabelArea(HWND window, int id)
{
    RECT windowRect = {};
    RECT labelRect = {};
    ::GetWindowRect(window, &windowRect);
    ::GetWindowRect(::GetDlgItem(window, id), &labelRect);
    ::OffsetRect(&labelRect, -windowRect.left, -windowRect.top);
    return labelRect;
}

size_t CountColour(const ScreenImage& image, COLORREF colour)
{
    return static_cast<size_t>(std::count(image.pixels.begin(), image.pixels.end(), colour));
}

// Runs both clocks many ticks while the interface changes, so the counters
// grow and shrink, and ends on the interface with the shortest counter text
// right after the one with the longest.
void RunTheClocks(HWND window)
{
    const int interfaces = static_cast<int>(ComboItems(window, kNetworkBox).size());
    ASSERT_GT(interfaces, 0);
    int longest = 0;
    int shortest = 0;
    size_t longestLength = 0;
    size_t shortestLength = SIZE_MAX;
    for (int stats = 0; stats < 45; ++stats) {
        const int position = stats % interfaces;
        SelectComboItem(window, kNetworkBox, position);
        SendTimer(window, kStatsTimer);
        const size_t length = ControlText(window, kBytesReceived).size() + ControlText(window, kBytesSent).size();
        if (length > longestLength) {
            longestLength = length;
            longest = position;
        }
        if (length < shortestLength) {
            shortestLength = length;
            shortest = position;
        }
        for (int session = 0; session < 7; ++session)
            SendTimer(window, kSessionTimer);
    }
    for (int position : { longest, shortest }) {
        SelectComboItem(window, kNetworkBox, position);
        SendTimer(window, kStatsTimer);
    }
}

std::vector<std::string> LabelTexts(HWND window)
{
    std::vector<std::string> texts;
    for (int id : kValueLabels)
        texts.push_back(ControlText(window, id));
    return texts;
}

// Every value label after many ticks against the same label freshly painted
// with the same text: the window hidden into the tray and brought back
// repaints all of itself. The program's own timers are stopped first, so
// nothing changes between the two pictures but the painting.
void ExpectLabelsShowOnlyTheirCurrentText(const Program& program, HWND window, const ScratchFolder& scratch,
                                          COLORREF background)
{
    ASSERT_TRUE(StopWindowTimers(window, { kStatsTimer, kSessionTimer }));
    ASSERT_TRUE(MovePointer(1, 1)) << "no tooltip over the window";
    RunTheClocks(window);
    const std::vector<std::string> texts = LabelTexts(window);
    const std::optional<ScreenImage> ticked = TakeSettledWindowImage(window, scratch.File("after-ticks.png"));
    ASSERT_TRUE(ticked.has_value());

    PostKey(::GetDlgItem(window, kAccelerate), VK_ESCAPE);
    ASSERT_TRUE(WaitHidden(program, window));
    SendTrayMessage(window, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(::IsWindowVisible(window));
    const std::optional<ScreenImage> fresh = TakeSettledWindowImage(window, scratch.File("freshly-painted.png"));
    ASSERT_TRUE(fresh.has_value());
    ASSERT_EQ(LabelTexts(window), texts) << "the texts changed between the pictures";

    for (size_t i = 0; i < std::size(kValueLabels); ++i) {
        SCOPED_TRACE("label " + std::to_string(kValueLabels[i]) + " \"" + texts[i] + "\"");
        RECT area = LabelArea(window, kValueLabels[i]);
        const ScreenImage before = ticked->Part(area);
        const ScreenImage after = fresh->Part(area);
        EXPECT_EQ(CountDifferences(before, after), 0u) << "pixels other than a fresh paint's";
        // The text stands on the window's own background, and shows.
        ::InflateRect(&area, -2, -2);
        const ScreenImage inside = fresh->Part(area);
        const size_t backgroundPixels = CountColour(inside, background);
        EXPECT_GT(backgroundPixels, inside.pixels.size() / 2) << "not on the window's background";
        EXPECT_LT(backgroundPixels, inside.pixels.size()) << "no text to see";
    }
}

using ValueLabelsTest = CorvaneTest;

} // namespace

TEST_F(ValueLabelsTest, ShowOnlyTheirCurrentTextOnTheSkinnedBackground)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    // The "Dialog" background of the default skin.smf, unlike the system's
    // button face.
    ExpectLabelsShowOnlyTheirCurrentText(*program, window, Scratch(), RGB(0xDC, 0xE6, 0xF2));
}

TEST_F(ValueLabelsTest, ShowOnlyTheirCurrentTextOnTheStandardBackground)
{
    ASSERT_TRUE(::DeleteFileA(Scratch().File("skin.smf").c_str()));
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ExpectLabelsShowOnlyTheirCurrentText(*program, window, Scratch(), ::GetSysColor(COLOR_3DFACE));
}
