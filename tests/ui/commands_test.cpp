// Black-box walkthrough of the commands that hide the main window or end the
// program: the keys, the close box and the buttons of the real Corvane.exe
// used as a user would, and what each leaves in the registry and in the
// notification area.
#include "tests/ui/commands_steps.h"
#include "tests/ui/driver/TrayIcons.h"
#include "tests/ui/driver/XServer.h"
#include <functional>

namespace {

using namespace driver;
using namespace commands;

void SelectUnit(HWND window, int index)
{
    ::SendDlgItemMessageA(window, kCheckPeriodUnit, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// The three numbers the settings group stores, none where a value is missing.
struct StoredNumbers {
    std::optional<DWORD> checkPeriod;
    std::optional<DWORD> unit;
    std::optional<DWORD> accelerateFirst;
};

StoredNumbers ReadStoredNumbers()
{
    return { ReadDword(HKEY_CURRENT_USER, kProductKey, "CheckPeriodNum"),
             ReadDword(HKEY_CURRENT_USER, kProductKey, "CheckPeriodCombo"),
             ReadDword(HKEY_CURRENT_USER, kProductKey, "AccelerateN") };
}

// A screen point of the window's caption where the window answers HTCLOSE:
// the close box Wine draws on a window no window manager decorates.
std::optional<POINT> CloseBoxOf(HWND window)
{
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    for (int y = rect.top; y < rect.top + 40; ++y) {
        for (int x = rect.right - 1; x > rect.right - 60; --x) {
            if (::SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE)
                return POINT{ x - 3, y + 3 };
        }
    }
    return std::nullopt;
}

using CommandsTest = CorvaneTest;

} // namespace

TEST_F(CommandsTest, EscCloseBoxAndAltF4HideIntoTheTraySavingTheSettingsGroup)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    struct Way {
        const char* name;
        std::function<void()> hide;
    };
    const Way ways[] = {
        { "Esc in the check period box", [&] { PostKey(::GetDlgItem(window, kCheckPeriod), VK_ESCAPE); } },
        { "close command of the system menu", [&] { ::PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); } },
        { "WM_CLOSE", [&] { ::PostMessageA(window, WM_CLOSE, 0, 0); } },
        { "Alt+F4 in the accelerate-first box", [&] { PostAltKey(::GetDlgItem(window, kAccelerateFirst), VK_F4); } },
        { "a click on the close box", [&] {
              const std::optional<POINT> closeBox = CloseBoxOf(window);
              ASSERT_TRUE(closeBox.has_value()) << "no close box on the caption";
              ClickAt(closeBox->x, closeBox->y);
          } },
    };
    DWORD number = 20;
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        ++number;
        const int unit = static_cast<int>(number % 2);
        ASSERT_TRUE(TypeInto(window, kCheckPeriod, std::to_string(number)));
        ASSERT_TRUE(TypeInto(window, kAccelerateFirst, std::to_string(number + 100)));
        SelectUnit(window, unit);

        way.hide();
        ASSERT_TRUE(WaitHidden(*program, window));
        const StoredNumbers stored = ReadStoredNumbers();
        EXPECT_EQ(stored.checkPeriod, number);
        EXPECT_EQ(stored.unit, static_cast<DWORD>(unit));
        EXPECT_EQ(stored.accelerateFirst, number + 100);
        EXPECT_TRUE(ShellShowsIcon(window, kTrayIconId));

        // Back on a double click on the tray icon, as it was left.
        SendTrayMessage(window, WM_LBUTTONDBLCLK);
        EXPECT_TRUE(::IsWindowVisible(window));
        EXPECT_EQ(::GetForegroundWindow(), window);
        EXPECT_EQ(ControlText(window, kCheckPeriod), std::to_string(number));
        EXPECT_EQ(ComboSelection(window, kCheckPeriodUnit), unit);
    }
    EXPECT_EQ(CheckState(window, kAccelerate), BST_CHECKED) << "hiding does not stop the session";
}

TEST_F(CommandsTest, SavedTextsAreStoredAsTheirNumbersAndQuitKeepsWhatEscSaved)
{
    // An index past the unit list: the list opens with nothing selected.
    ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, "CheckPeriodCombo", 5));
    {
        Program* program = Start();
        ASSERT_NE(program, nullptr);
        HWND window = program->WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(ComboSelection(window, kCheckPeriodUnit), CB_ERR);

        ASSERT_TRUE(TypeInto(window, kCheckPeriod, "abc"));
        ASSERT_TRUE(TypeInto(window, kAccelerateFirst, "-5"));
        PostKey(::GetDlgItem(window, kAccelerateFirst), VK_ESCAPE);
        ASSERT_TRUE(WaitHidden(*program, window));
        StoredNumbers stored = ReadStoredNumbers();
        EXPECT_EQ(stored.checkPeriod, 0u) << "letters only";
        EXPECT_EQ(stored.unit, 0xFFFFFFFFu) << "no selection";
        EXPECT_EQ(stored.accelerateFirst, 0xFFFFFFFBu) << "-5 in two's complement";

        // Changed again but ended with Quit: what Esc saved stays.
        SendTrayMessage(window, WM_LBUTTONDBLCLK);
        ASSERT_TRUE(TypeInto(window, kCheckPeriod, "44"));
        ASSERT_TRUE(TypeInto(window, kAccelerateFirst, "55"));
        SelectUnit(window, 1);
        PostButtonPress(window, kQuit);
        ASSERT_TRUE(program->WaitForExit(10000));
        stored = ReadStoredNumbers();
        EXPECT_EQ(stored.checkPeriod, 0u);
        EXPECT_EQ(stored.unit, 0xFFFFFFFFu);
        EXPECT_EQ(stored.accelerateFirst, 0xFFFFFFFBu);
    }

    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ControlText(window, kCheckPeriod), "0");
    EXPECT_EQ(ControlText(window, kAccelerateFirst), "-5");
    EXPECT_EQ(ComboSelection(window, kCheckPeriodUnit), CB_ERR);
}

TEST_F(CommandsTest, EnterEndsTheProgramUnsavedUnlessTheFocusIsOnMinimize)
{
    // Enter in either number box is the dialog's OK: the program ends and
    // what was typed is not stored.
    for (const int box : { kCheckPeriod, kAccelerateFirst }) {
        SCOPED_TRACE(box);
        Program* program = Start();
        ASSERT_NE(program, nullptr);
        HWND window = program->WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(TabTo(window, box));
        ASSERT_TRUE(TypeInto(window, box, "42"));
        PostKey(::GetDlgItem(window, box), VK_RETURN);
        ASSERT_TRUE(program->WaitForExit(10000));
        EXPECT_EQ(program->ExitCode(), std::optional<DWORD>(0));
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kProductKey));
    }

    // On "&Quit" Enter presses Quit: the same end.
    {
        Program* program = Start();
        ASSERT_NE(program, nullptr);
        HWND window = program->WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(TypeInto(window, kCheckPeriod, "42"));
        ASSERT_TRUE(TabTo(window, kQuit));
        PostKey(::GetDlgItem(window, kQuit), VK_RETURN);
        ASSERT_TRUE(program->WaitForExit(10000));
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kProductKey));
    }

    // On "&Minimize" Enter presses Minimize: saved and hidden.
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(TypeInto(window, kCheckPeriod, "42"));
    ASSERT_TRUE(TabTo(window, kMinimize));
    PostKey(::GetDlgItem(window, kMinimize), VK_RETURN);
    ASSERT_TRUE(WaitHidden(*program, window));
    const StoredNumbers stored = ReadStoredNumbers();
    EXPECT_EQ(stored.checkPeriod, 42u);
    EXPECT_EQ(stored.unit, 0u);
    EXPECT_EQ(stored.accelerateFirst, 7u);
}

TEST_F(CommandsTest, QuitAndExitWhileAcceleratingEndTheProgramAndTakeTheIconAway)
{
    // Wine's shell drops the icons of a top-level window that is destroyed by
    // itself; a window hidden in the tray is a child of the tray owner, so
    // from there only the program's own removal takes its icon away.
    struct Way {
        const char* name;
        bool fromTheTray;
        std::function<void(const Program&, HWND)> end;
    };
    const Way ways[] = {
        { "a click on Quit", false, [](const Program&, HWND window) {
              const POINT quit = CentreOf(::GetDlgItem(window, kQuit));
              ClickAt(quit.x, quit.y);
          } },
        { "Exit of the tray popup", false,
          [](const Program& program, HWND window) { ChooseFromPopup(program, window, 'E'); } },
        { "Exit of the tray popup, the window hidden in the tray", true,
          [](const Program& program, HWND window) { ChooseFromPopup(program, window, 'E'); } },
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        Program* program = Start();
        ASSERT_NE(program, nullptr);
        HWND window = program->WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(ControlText(window, kAccelerate), kRunning);
        ASSERT_TRUE(WaitUntil([&] { return ShellShowsIcon(window, kTrayIconId); }, 5000));
        if (way.fromTheTray) {
            PostKey(::GetDlgItem(window, kAccelerate), VK_ESCAPE);
            ASSERT_TRUE(WaitHidden(*program, window));
        }

        way.end(*program, window);
        ASSERT_TRUE(program->WaitForExit(10000));
        EXPECT_EQ(program->ExitCode(), std::optional<DWORD>(0));
        EXPECT_FALSE(ShellShowsIcon(window, kTrayIconId));
    }
}
