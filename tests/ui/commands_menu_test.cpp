// Black-box walkthrough of the tray popup's check marks and of the About
// box: the real Corvane.exe's menus opened and chosen from as a user would,
// while another program changes the registry under them.
#include "tests/ui/commands_steps.h"
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <ostream>

namespace {

using namespace driver;
using namespace commands;

constexpr UINT kAboutBoxCommand = 16;

// The check marks of the popup's three flag items at one opening.
struct CheckMarks {
    bool autoResume;
    bool autoRun;
    bool runAtStartup;
    bool operator==(const CheckMarks& other) const
    {
        return autoResume == other.autoResume && autoRun == other.autoRun && runAtStartup == other.runAtStartup;
    }
};

std::ostream& operator<<(std::ostream& out, const CheckMarks& marks)
{
    return out << "{auto resume " << marks.autoResume << ", auto run " << marks.autoRun << ", run at startup "
               << marks.runAtStartup << "}";
}

CheckMarks PopupCheckMarks(const Program& program, HWND window)
{
    HWND popup = nullptr;
    std::map<UINT, MenuItem> items = OpenTrayPopup(program, window, popup);
    const CheckMarks marks{ items[kAutoResumeDownloads].checked, items[kAutoRunClient].checked,
                            items[kRunAtStartup].checked };
    if (popup != nullptr) {
        PostKey(popup, VK_ESCAPE);
        EXPECT_TRUE(WaitPopupClosed(popup));
    }
    return marks;
}

bool DeleteRunValue()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return false;
    const LONG result = ::RegDeleteValueA(key, kRunValue);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

// The About box: a dialog of the program other than the main window.
HWND WaitForAboutBox(const Program& program)
{
    HWND about = nullptr;
    WaitUntil([&] {
        for (HWND window : program.TopLevelWindows()) {
            if (ClassOf(window) == "#32770" && ::IsWindowVisible(window) && ::GetDlgItem(window, kAccelerate) == nullptr)
                about = window;
        }
        return about != nullptr;
    }, 5000);
    return about;
}

std::vector<std::string> TextsOf(HWND dialog)
{
    std::vector<std::string> texts;
    for (HWND child : ChildWindows(dialog))
        texts.push_back(TextOf(child));
    return texts;
}

using MenuTest = CorvaneTest;

} // namespace

TEST_F(MenuTest, PopupCheckMarksFollowTheRegistryAtEachOpening)
{
    {
        Program* program = Start();
        ASSERT_NE(program, nullptr);
        HWND window = program->WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(PopupCheckMarks(*program, window), (CheckMarks{ false, false, false }));

        // Another program sets all three: the Run-key entry and Auto Run are
        // looked up at each opening, Auto Resume was read at the start only.
        ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kRunKey, kRunValue, "\"C:\\elsewhere\\Corvane.exe\" -tray"));
        ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, "RunOtherApp", 1));
        ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, "AutoResumeDownloads", 1));
        EXPECT_EQ(PopupCheckMarks(*program, window), (CheckMarks{ false, true, true }));

        // And takes them away again.
        ASSERT_TRUE(DeleteRunValue());
        ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, "RunOtherApp", 0));
        EXPECT_EQ(PopupCheckMarks(*program, window), (CheckMarks{ false, false, false }));

        // Chosen from the popup, each item turns its own mark on.
        ChooseFromPopup(*program, window, 'A');
        ChooseFromPopup(*program, window, 'R');
        ChooseFromPopup(*program, window, 'S');
        EXPECT_EQ(PopupCheckMarks(*program, window), (CheckMarks{ true, true, true }));
        EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProductKey, "AutoResumeDownloads"), 1u);
        EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProductKey, "RunOtherApp"), 1u);
        EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kRunKey, kRunValue), "\"" + CorvaneExe() + "\" -tray");
        PostButtonPress(window, kQuit);
        ASSERT_TRUE(program->WaitForExit(10000));
    }

    // The next start reads Auto Resume as another program left it. (Auto Run
    // off: with no client installed it would stop the start with a message.)
    ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, "AutoResumeDownloads", 0));
    ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, "RunOtherApp", 0));
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(PopupCheckMarks(*program, window), (CheckMarks{ false, false, true }));
}

TEST_F(MenuTest, AboutBoxFromTheSystemMenuAndThePopupClosesWithOkEscAndItsCloseBox)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    struct Way {
        const char* name;
        std::function<void()> open;
        std::function<void(HWND)> close;
    };
    const Way ways[] = {
        { "system menu item, OK", [&] { ::PostMessageA(window, WM_SYSCOMMAND, kAboutBoxCommand, 0); },
          [](HWND about) { PostButtonPress(about, IDOK); } },
        { "popup item, Esc", [&] {
              HWND popup = nullptr;
              OpenTrayPopup(*program, window, popup);
              // "&About" shares its mnemonic with "&Auto Resume Downloads":
              // up from the end instead, past "&Exit" and the separator.
              PostKey(popup, VK_UP);
              PostKey(popup, VK_UP);
              PostKey(popup, VK_RETURN);
          },
          [](HWND about) { PostKey(::GetDlgItem(about, IDOK), VK_ESCAPE); } },
        { "system command with low bits set, close box", [&] {
              ::PostMessageA(window, WM_SYSCOMMAND, kAboutBoxCommand | 0x3, 0);
          },
          [](HWND about) { ::PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0); } },
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        way.open();
        HWND about = WaitForAboutBox(*program);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(TextOf(about), "Corvane");
        const std::vector<std::string> texts = TextsOf(about);
        EXPECT_NE(std::find(texts.begin(), texts.end(), "Version 4.6.0"), texts.end());
        EXPECT_EQ(ControlText(about, IDOK), "&OK");
        EXPECT_TRUE(::GetWindowLongA(about, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_FALSE(::IsWindowEnabled(window)) << "modal";
        EXPECT_EQ(::GetForegroundWindow(), about);
        // In the middle of the screen, not over the main window's caption.
        RECT box = {};
        RECT screen = {};
        ::GetWindowRect(about, &box);
        ::GetWindowRect(::GetDesktopWindow(), &screen);
        EXPECT_LE(std::abs((box.left + box.right) - (screen.left + screen.right)), 2);
        EXPECT_LE(std::abs((box.top + box.bottom) - (screen.top + screen.bottom)), 2);
        // The window's clocks go on behind it.
        const long seconds = SessionSeconds(window);
        EXPECT_TRUE(WaitUntil([&] { return SessionSeconds(window) > seconds; }, 5000));
        RECT shown = {};
        ::GetWindowRect(window, &shown);
        EXPECT_TRUE(TakeScreenshot(Scratch().File("about-box-" + std::to_string(&way - ways) + ".png"), &shown));

        way.close(about);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }, 5000));
        EXPECT_TRUE(::IsWindowEnabled(window));
        EXPECT_TRUE(::IsWindowVisible(window));
        EXPECT_TRUE(Responds(window));
    }
}
