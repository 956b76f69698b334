// Black-box tests of the settings the main window keeps under the product
// key: what a first start shows, what stored values show, what the two menu
// flags write, and what ending with Quit loses.
#include "tests/ui/driver/CorvaneTest.h"
#include "tests/ui/driver/Refusals.h"
#include <string>
#include <vector>

namespace {

using namespace driver;

// The check marks of the tray popup's flag items, read while it is open.
struct Checks {
    bool autoResume = false;
    bool autoRun = false;
};

Checks TrayMenuChecks(const Program& program, HWND window)
{
    Checks checks;
    PostTrayMessage(window, WM_RBUTTONUP);
    HWND popup = WaitForPopupMenu(program);
    EXPECT_NE(popup, nullptr);
    if (popup == nullptr)
        return checks;
    for (const MenuItem& item : ReadMenu(program, MenuOfPopup(popup))) {
        if (item.id == kAutoResumeDownloads)
            checks.autoResume = item.checked;
        if (item.id == kAutoRunClient)
            checks.autoRun = item.checked;
    }
    PostKey(popup, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(popup); }, 5000));
    return checks;
}

using NetSettingsTest = CorvaneTest;

TEST_F(NetSettingsTest, FirstStartShowsTheDefaultsAndCreatesNoKey)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(ControlText(window, kCheckPeriod), "12");
    EXPECT_EQ(ComboSelection(window, kCheckPeriodUnit), 0);
    EXPECT_EQ(ControlText(window, kCheckPeriodUnit), "Minutes");
    EXPECT_EQ(ControlText(window, kAccelerateFirst), "7");
    const Checks checks = TrayMenuChecks(*program, window);
    EXPECT_FALSE(checks.autoResume);
    EXPECT_FALSE(checks.autoRun);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kProductKey));
}

TEST_F(NetSettingsTest, StoredValuesShowAsTheyAreAndOthersAsDefaults)
{
    // -5 in its two's complement; an index past the unit list; a number
    // stored as text.
    ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, "CheckPeriodNum", 0xFFFFFFFB));
    ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, "CheckPeriodCombo", 5));
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kProductKey, "AccelerateN", "30"));
    ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, "AutoResumeDownloads", 2));
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(ControlText(window, kCheckPeriod), "-5");
    EXPECT_EQ(ComboSelection(window, kCheckPeriodUnit), CB_ERR);
    EXPECT_EQ(ControlText(window, kAccelerateFirst), "7");
    EXPECT_TRUE(TrayMenuChecks(*program, window).autoResume);
}

TEST_F(NetSettingsTest, FlagCommandsWriteOneThenZero)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    SendCommand(window, kAutoResumeDownloads);
    SendCommand(window, kAutoRunClient);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProductKey, "AutoResumeDownloads"), 1u);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProductKey, "RunOtherApp"), 1u);
    Checks checks = TrayMenuChecks(*program, window);
    EXPECT_TRUE(checks.autoResume);
    EXPECT_TRUE(checks.autoRun);

    SendCommand(window, kAutoResumeDownloads);
    SendCommand(window, kAutoRunClient);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProductKey, "AutoResumeDownloads"), 0u);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProductKey, "RunOtherApp"), 0u);

    // A change made outside the program shows the next time the menu opens.
    ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, "RunOtherApp", 1));
    checks = TrayMenuChecks(*program, window);
    EXPECT_FALSE(checks.autoResume);
    EXPECT_TRUE(checks.autoRun);
}

TEST_F(NetSettingsTest, ReadOnlyKeyKeepsTheTogglesInMemoryOnly)
{
    ReadOnlyProductKey readOnly;
    ASSERT_TRUE(readOnly.Applied());
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    SendCommand(window, kAutoResumeDownloads);
    SendCommand(window, kAutoRunClient);
    EXPECT_FALSE(ReadDword(HKEY_CURRENT_USER, kProductKey, "AutoResumeDownloads").has_value());
    EXPECT_FALSE(ReadDword(HKEY_CURRENT_USER, kProductKey, "RunOtherApp").has_value());
    // Auto Resume keeps its flipped mark for the run; Auto Run re-reads the
    // registry and so shows nothing changed.
    const Checks checks = TrayMenuChecks(*program, window);
    EXPECT_TRUE(checks.autoResume);
    EXPECT_FALSE(checks.autoRun);
    EXPECT_TRUE(Responds(window));
}

TEST_F(NetSettingsTest, QuitLosesChangesNotSaved)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    SetControlText(window, kCheckPeriod, "30");
    SetControlText(window, kAccelerateFirst, "9");
    ::SendDlgItemMessageA(window, kCheckPeriodUnit, CB_SETCURSEL, 1, 0);
    SendTimer(window, kStatsTimer);
    PostButtonPress(window, kQuit);
    ASSERT_TRUE(program->WaitForExit(10000));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kProductKey));
}

} // namespace
