// Black-box tests of start-up and the main window: the real Corvane.exe,
// started from a scratch folder with a clean registry and looked at from this
// process as a user would see it.
#include "tests/ui/driver/CorvaneTest.h"
#include <algorithm>
#include <iterator>
#include <optional>

namespace {

using namespace driver;

constexpr int kNoId = -1;

// Dialog 102 as it must appear: every control in the template's order (which
// is also the window order and the tab order), with its class, its text when
// the program never changes it (null: not compared) and its place in dialog
// units.
struct ExpectedControl {
    int id;
    const char* className;
    const char* text;
    int x, y, width, height;
};

const ExpectedControl kMainWindowControls[] = {
    { 1001, "Button", nullptr, 26, 16, 155, 33 },
    { 3, "Button", "&Run Zendry", 213, 16, 37, 33 },
    { 2, "Button", "&Minimize", 213, 52, 37, 33 },
    { 1007, "Button", "&Quit", 213, 88, 37, 33 },
    { 1005, "Edit", nullptr, 91, 62, 17, 12 },
    { 1006, "ComboBox", nullptr, 130, 62, 51, 0 },
    { 1004, "Edit", nullptr, 91, 81, 17, 12 },
    { kNoId, "Static", "downloads", 146, 83, 35, 8 },
    { kNoId, "Static", "Check period", 26, 64, 42, 8 },
    { kNoId, "Static", "Accelerate first", 26, 83, 50, 8 },
    { kNoId, "Static", nullptr, 3, 190, 261, 8 },
    { kNoId, "Static", "Duration", 11, 169, 28, 8 },
    { kNoId, "Static", "Bytes Sent", 127, 145, 45, 8 },
    { kNoId, "Static", "Bytes Received", 127, 157, 49, 8 },
    { 1009, "Static", nullptr, 41, 169, 83, 10 },
    { 1011, "Static", nullptr, 177, 157, 83, 10 },
    { 1012, "Static", nullptr, 177, 145, 83, 10 },
    { 1015, "Static", nullptr, 41, 157, 83, 10 },
    { kNoId, "Static", "Status", 11, 157, 28, 8 },
    { 1016, "Static", nullptr, 41, 145, 83, 10 },
    { 1017, "Static", "Type", 11, 145, 28, 8 },
    { kNoId, "Button", "Acceleration Settings", 8, 4, 194, 124 },
    { kNoId, "Button", "Statistics", 7, 135, 256, 50 },
    { kNoId, "Static", "", 12, 55, 185, 1 },
    { kNoId, "Static", "DurationAcc", 127, 169, 45, 8 },
    { 1022, "Static", nullptr, 177, 169, 83, 10 },
    { kNoId, "Button", "", 206, 4, 54, 124 },
    { 1025, "ComboBox", nullptr, 73, 110, 124, 0 },
    { 1024, "Static", "Network Interface", 12, 112, 60, 8 },
    { kNoId, "Static", "", 12, 101, 185, 1 },
};

constexpr int kTemplateWidth = 269;
constexpr int kTemplateHeight = 204;
constexpr const char* kUpdaterParameters = "\"Corvane\" \"6\" \"4.6.0\" \"corvane.example\" \"false\" ";

int ControlId(HWND control)
{
    const int id = ::GetDlgCtrlID(control);
    return id == 0xFFFF ? kNoId : id;
}

LONG Style(HWND window)
{
    return ::GetWindowLongA(window, GWL_STYLE);
}

using FoundationTest = CorvaneTest;

TEST_F(FoundationTest, MainWindowOpensWithEveryControlOfItsTemplateInPlace)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    const std::vector<HWND> children = ChildWindows(window);
    ASSERT_EQ(children.size(), std::size(kMainWindowControls));
    RECT client = {};
    ::GetClientRect(window, &client);
    const double xScale = static_cast<double>(client.right) / kTemplateWidth;
    const double yScale = static_cast<double>(client.bottom) / kTemplateHeight;
    for (size_t i = 0; i < children.size(); ++i) {
        const ExpectedControl& expected = kMainWindowControls[i];
        SCOPED_TRACE("control " + std::to_string(i) + " (id " + std::to_string(expected.id) + ")");
        EXPECT_EQ(ControlId(children[i]), expected.id);
        EXPECT_EQ(ClassOf(children[i]), expected.className);
        if (expected.text != nullptr) {
            EXPECT_EQ(TextOf(children[i]), expected.text);
        }
        const RECT rect = RectInDialog(window, children[i]);
        EXPECT_NEAR(rect.left, expected.x * xScale, 2.0);
        EXPECT_NEAR(rect.top, expected.y * yScale, 2.0);
        EXPECT_NEAR(rect.right - rect.left, expected.width * xScale, 2.0);
        if (expected.height != 0) { // a combo box's template height is that of its open list
            EXPECT_NEAR(rect.bottom - rect.top, expected.height * yScale, 2.0);
        }
    }
    EXPECT_FALSE(TextOf(children[10]).empty()) << "the footer has a text";
    EXPECT_EQ(Style(::GetDlgItem(window, 1001)) & (BS_TYPEMASK | BS_PUSHLIKE), BS_AUTOCHECKBOX | BS_PUSHLIKE);
    EXPECT_EQ(Style(::GetDlgItem(window, 1006)) & 3, CBS_DROPDOWNLIST);
    EXPECT_EQ(Style(::GetDlgItem(window, 1025)) & 3, CBS_DROPDOWN);
    EXPECT_EQ(ComboItems(window, 1006), (std::vector<std::string>{ "Minutes", "Hours" }));
}

TEST_F(FoundationTest, MainWindowIsACentredFixedDialogCaptionedCorvane)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(TextOf(window), "Corvane");
    const LONG style = Style(window);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    const LONG exStyle = ::GetWindowLongA(window, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_CLIENTEDGE);

    RECT rect = {};
    RECT screen = {};
    ::GetWindowRect(window, &rect);
    ::GetWindowRect(::GetDesktopWindow(), &screen);
    EXPECT_NEAR((rect.left + rect.right) / 2.0, (screen.left + screen.right) / 2.0, 1.0);
    EXPECT_NEAR((rect.top + rect.bottom) / 2.0, (screen.top + screen.bottom) / 2.0, 1.0);
}

TEST_F(FoundationTest, SystemMenuEndsWithASeparatorAndTheAboutItem)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    const std::vector<MenuItem> items = ReadSystemMenu(*program, window);
    ASSERT_GE(items.size(), 3u);
    const MenuItem& separator = items[items.size() - 2];
    const MenuItem& about = items.back();
    EXPECT_TRUE(separator.separator);
    EXPECT_FALSE(about.separator);
    EXPECT_EQ(about.id, 16u);
    EXPECT_EQ(about.text, "&About Corvane...");
    EXPECT_FALSE(about.grayed);
    // The item is added once, not at each opening of the menu.
    EXPECT_EQ(std::count_if(items.begin(), items.end(), [](const MenuItem& item) { return item.id == 16; }), 1);
}

// What a user sees of a started copy, to compare starts with each other.
struct Appearance {
    RECT rect;
    bool visible;
    bool minimised;
    std::vector<std::string> fixedTexts;
};

Appearance AppearanceOf(HWND window)
{
    Appearance seen = {};
    ::GetWindowRect(window, &seen.rect);
    seen.visible = ::IsWindowVisible(window) != FALSE;
    seen.minimised = ::IsIconic(window) != FALSE;
    for (HWND child : ChildWindows(window)) {
        if (ClassOf(child) == "Button" || ControlId(child) == kNoId)
            seen.fixedTexts.push_back(TextOf(child));
    }
    return seen;
}

TEST_F(FoundationTest, TrayAndOtherArgumentsChangeNothing)
{
    Appearance plain = {};
    {
        Program* program = Start();
        ASSERT_NE(program, nullptr);
        HWND window = program->WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        plain = AppearanceOf(window);
        program->Terminate();
    }
    EXPECT_TRUE(plain.visible);
    EXPECT_FALSE(plain.minimised);

    for (const char* arguments : { "-tray", "/tray -minimized --hidden \"C:\\some folder\\file.txt\" 42" }) {
        SCOPED_TRACE(arguments);
        Program* program = Start(arguments);
        ASSERT_NE(program, nullptr);
        HWND window = program->WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        const Appearance seen = AppearanceOf(window);
        EXPECT_TRUE(::EqualRect(&seen.rect, &plain.rect));
        EXPECT_EQ(seen.visible, plain.visible);
        EXPECT_EQ(seen.minimised, plain.minimised);
        EXPECT_EQ(seen.fixedTexts, plain.fixedTexts);
        program->Terminate();
    }
    // Every start ran the updater with the same parameters, whatever the arguments.
    const std::vector<StandInRun> runs = WaitForStandInRuns(UpdaterBesideCorvane(), 3);
    ASSERT_EQ(runs.size(), 3u);
    for (const StandInRun& run : runs)
        EXPECT_EQ(run.Arguments(), kUpdaterParameters);
}

TEST_F(FoundationTest, TwoCopiesRunSideBySide)
{
    Program* first = Start();
    ASSERT_NE(first, nullptr);
    HWND firstWindow = first->WaitForMainWindow();
    ASSERT_NE(firstWindow, nullptr);
    Program* second = Start();
    ASSERT_NE(second, nullptr);
    HWND secondWindow = second->WaitForMainWindow();
    ASSERT_NE(secondWindow, nullptr);

    EXPECT_NE(first->Id(), second->Id());
    EXPECT_NE(firstWindow, secondWindow);
    EXPECT_TRUE(first->IsRunning());
    EXPECT_TRUE(Responds(firstWindow));

    first->Terminate();
    EXPECT_TRUE(second->IsRunning());
    EXPECT_TRUE(Responds(secondWindow));
    EXPECT_TRUE(::IsWindowVisible(secondWindow));
    EXPECT_EQ(ControlText(secondWindow, 1007), "&Quit");
}

TEST_F(FoundationTest, UpdaterBesideTheProgramGetsTheExactParameters)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    ASSERT_NE(program->WaitForMainWindow(), nullptr);

    std::vector<StandInRun> runs = WaitForStandInRuns(UpdaterBesideCorvane(), 1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].Arguments(), kUpdaterParameters);
    EXPECT_EQ(::lstrcmpiA(runs[0].program.c_str(), UpdaterBesideCorvane().c_str()), 0) << runs[0].program;
    EXPECT_EQ(runs[0].show, std::to_string(SW_SHOWNORMAL));
    // It starts in Corvane's current folder, without Corvane's rights: the
    // desktop's shell starts it.
    EXPECT_EQ(::lstrcmpiA(runs[0].folder.c_str(), Scratch().Path().c_str()), 0) << runs[0].folder;
    EXPECT_EQ(::lstrcmpiA(runs[0].ParentName().c_str(), "explorer.exe"), 0) << runs[0].parent;
    ::Sleep(500);
    EXPECT_EQ(ReadStandInRuns(UpdaterBesideCorvane()).size(), 1u) << "started once per start";
}

TEST_F(FoundationTest, UpdaterPlantedInTheStartFolderDoesNotRun)
{
    const std::string elsewhere = Scratch().MakeSubfolder("elsewhere");
    const std::string planted = Scratch().InstallStandIn("UpdateApp.exe", elsewhere);
    Program* program = Start(std::string(), elsewhere);
    ASSERT_NE(program, nullptr);
    ASSERT_NE(program->WaitForMainWindow(), nullptr);

    const std::vector<StandInRun> runs = WaitForStandInRuns(UpdaterBesideCorvane(), 1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(::lstrcmpiA(runs[0].folder.c_str(), elsewhere.c_str()), 0) << runs[0].folder;
    EXPECT_TRUE(ReadStandInRuns(planted).empty());
}

TEST_F(FoundationTest, WithNoUpdaterBesideTheProgramNoneRunsAndTheWindowOpens)
{
    // Corvane alone in its folder; an UpdateApp.exe waits in the folder it is started from.
    const std::string app = Scratch().MakeSubfolder("app");
    const std::string exe = Scratch().InstallCorvane(false, app);
    const std::string elsewhere = Scratch().MakeSubfolder("elsewhere");
    const std::string planted = Scratch().InstallStandIn("UpdateApp.exe", elsewhere);
    Program* program = StartExe(exe, std::string(), elsewhere);
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    EXPECT_TRUE(WaitForStandInRuns(planted, 1, 2000).empty());
    EXPECT_EQ(FindMessageBox(*program), nullptr) << "a missing updater is no error";
    EXPECT_TRUE(Responds(window));
}

TEST_F(FoundationTest, QuitAndEnterEndTheProcess)
{
    for (const bool useEnter : { false, true }) {
        SCOPED_TRACE(useEnter ? "Enter" : "Quit");
        Program* program = Start();
        ASSERT_NE(program, nullptr);
        HWND window = program->WaitForMainWindow();
        ASSERT_NE(window, nullptr);
        if (useEnter)
            PostKey(::GetDlgItem(window, 1001), VK_RETURN);
        else
            PostButtonPress(window, 1007);
        ASSERT_TRUE(program->WaitForExit(10000));
        EXPECT_EQ(program->ExitCode(), std::optional<DWORD>(0));
    }
}

} // namespace
