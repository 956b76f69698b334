// Black-box tests of the Zendry client's launch (the "&Run Zendry" button and
// the start-up launch) and of the start-with-Windows item of the tray popup:
// the real Corvane.exe, a stand-in Zendry.exe that records how it was
// started, and the current user's registry and logon task read from outside.
#include "tests/ui/driver/CorvaneTest.h"
#include "tests/ui/driver/Tooltips.h"
#include <cstring>
#include <map>

namespace {

using namespace driver;

constexpr const char* kNotInstalled =
    "Zendry is not installed on your PC!\nPlease install it first to use this option.";

std::string NotFound(const std::string& exePath)
{
    return "THERE IS NO Zendry installed IN\n[" + exePath + "].";
}

// A message box with the error icon's control and a single OK button.
void ExpectErrorBox(HWND box, const std::string& text)
{
    EXPECT_EQ(MessageBoxText(box), text);
    EXPECT_EQ(TextOf(box), "Corvane");
    EXPECT_NE(::GetDlgItem(box, IDOK), nullptr);
    for (int other : { IDCANCEL, IDYES, IDNO, IDRETRY, IDIGNORE, IDABORT })
        EXPECT_EQ(::GetDlgItem(box, other), nullptr) << "button " << other;
}

// Presses the Run button and returns the message box it opens, or null when
// none shows within a second.
HWND PressRunClient(const Program& program, HWND window)
{
    PostButtonPress(window, kRunClient);
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindMessageBox(program)) != nullptr; }, 1000);
    return box;
}

// Opens the tray popup and gives the check state of "Run at &Startup"; with
// choose, picks that item by its mnemonic, else closes the popup.
bool RunAtStartupChecked(const Program& program, HWND window, bool choose)
{
    PostTrayMessage(window, WM_RBUTTONUP);
    HWND popup = WaitForPopupMenu(program);
    EXPECT_NE(popup, nullptr);
    if (popup == nullptr)
        return false;
    bool checked = false;
    bool found = false;
    for (const MenuItem& item : ReadMenu(program, MenuOfPopup(popup))) {
        if (item.id == kRunAtStartup) {
            checked = item.checked;
            found = true;
        }
    }
    EXPECT_TRUE(found);
    PostKey(popup, choose ? 'S' : VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(popup); }, 5000));
    // The chosen command has run once the window answers again.
    EXPECT_TRUE(Responds(window));
    return checked;
}

std::optional<std::string> RunValue()
{
    return ReadString(HKEY_CURRENT_USER, kRunKey, kRunValue);
}

bool RunValueExists()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    const bool exists = ::RegQueryValueExA(key, kRunValue, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return exists;
}

using ClientTest = CorvaneTest;

TEST_F(ClientTest, AutoRunWithoutClientShowsTheMessageBeforeTheWindow)
{
    ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, "RunOtherApp", 1));
    Program* program = Start();
    ASSERT_NE(program, nullptr);

    HWND box = WaitForMessageBox(*program);
    ASSERT_NE(box, nullptr);
    ExpectErrorBox(box, kNotInstalled);
    HWND hidden = program->FindMainWindow();
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(::IsWindowVisible(hidden)) << "the window waits for the message";
    // The four buttons have their tooltips before the client's launch, the
    // toggle's with its usual text: the session start that may change it
    // comes later.
    std::map<int, std::string> tips;
    for (const RegisteredTooltip& tip : RegisteredTooltips(*program)) {
        EXPECT_EQ(tip.toolCount, 1);
        tips[::GetDlgCtrlID(tip.tool)] = tip.text;
    }
    const std::map<int, std::string> expected = {
        { kRunClient, "Run Zendry" }, { kAccelerate, "Accelerate Zendry" }, { kQuit, "Exit" }, { kMinimize, "Save" }
    };
    EXPECT_EQ(tips, expected);

    ASSERT_TRUE(CloseMessageBox(box));
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FindMessageBox(*program), nullptr);
    // A failed launch changes no setting.
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProductKey, "RunOtherApp"), 1u);
}

TEST_F(ClientTest, AutoRunStartsTheInstalledClientOnce)
{
    const std::string folder = Scratch().MakeSubfolder("Zendry Client");
    const std::string zendry = Scratch().InstallStandIn("Zendry.exe", folder);
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kClientKey, kClientPathValue, folder));
    ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, "RunOtherApp", 1));
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    ASSERT_NE(program->WaitForMainWindow(), nullptr);

    const std::vector<StandInRun> runs = WaitForStandInRuns(zendry, 1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].Arguments(), "");
    EXPECT_EQ(::lstrcmpiA(runs[0].ParentName().c_str(), "explorer.exe"), 0) << runs[0].parent;
    ::Sleep(500);
    EXPECT_EQ(ReadStandInRuns(zendry).size(), 1u);
}

TEST_F(ClientTest, RunButtonStartsTheInstalledClientWithoutArguments)
{
    const std::string folder = Scratch().MakeSubfolder("Zendry Client");
    const std::string zendry = Scratch().InstallStandIn("Zendry.exe", folder);
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kClientKey, kClientPathValue, folder));
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(ReadStandInRuns(zendry).empty()) << "RunOtherApp is off";

    EXPECT_EQ(PressRunClient(*program, window), nullptr);
    std::vector<StandInRun> runs = WaitForStandInRuns(zendry, 1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].Arguments(), "");
    EXPECT_EQ(_stricmp(runs[0].program.c_str(), zendry.c_str()), 0) << runs[0].program;
    EXPECT_EQ(runs[0].show, std::to_string(SW_SHOW));
    // In Corvane's current folder, without Corvane's rights: the desktop's
    // shell starts it.
    EXPECT_EQ(_stricmp(runs[0].folder.c_str(), Scratch().Path().c_str()), 0) << runs[0].folder;
    EXPECT_EQ(_stricmp(runs[0].ParentName().c_str(), "explorer.exe"), 0) << runs[0].parent;

    // Each press repeats the whole lookup and starts the client again.
    EXPECT_EQ(PressRunClient(*program, window), nullptr);
    EXPECT_EQ(WaitForStandInRuns(zendry, 2).size(), 2u);
}

TEST_F(ClientTest, RunButtonNamesTheMissingExecutable)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    // No client key at all.
    HWND box = PressRunClient(*program, window);
    ASSERT_NE(box, nullptr);
    ExpectErrorBox(box, kNotInstalled);
    ASSERT_TRUE(CloseMessageBox(box));

    // A folder without Zendry.exe, the same folder ending in a backslash, and
    // an empty folder text: the path is formed verbatim.
    const std::string folder = Scratch().MakeSubfolder("Empty Client");
    for (const std::string& installPath : { folder, folder + "\\", std::string() }) {
        SCOPED_TRACE("Install Path \"" + installPath + "\"");
        ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kClientKey, kClientPathValue, installPath));
        box = PressRunClient(*program, window);
        ASSERT_NE(box, nullptr);
        ExpectErrorBox(box, NotFound(installPath + "\\Zendry.exe"));
        ASSERT_TRUE(CloseMessageBox(box));
    }
    EXPECT_TRUE(Responds(window));
}

TEST_F(ClientTest, RunButtonIgnoresAnInstallPathThatIsMissingOrTooLong)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    // The client's key without the value.
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kClientKey, "Version", "1.0"));
    EXPECT_EQ(PressRunClient(*program, window), nullptr);

    // 300 characters, then data filling the whole 256-byte buffer unterminated.
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kClientKey, kClientPathValue, "C:\\" + std::string(297, 'z')));
    EXPECT_EQ(PressRunClient(*program, window), nullptr);
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, kClientKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    const std::string full(256, 'z');
    ::RegSetValueExA(key, kClientPathValue, 0, REG_BINARY, reinterpret_cast<const BYTE*>(full.data()), 256);
    ::RegCloseKey(key);
    EXPECT_EQ(PressRunClient(*program, window), nullptr);

    EXPECT_TRUE(Responds(window));
    EXPECT_TRUE(program->IsRunning());
}

TEST_F(ClientTest, RunAtStartupRegistersTheWholePathAndRemovesIt)
{
    // A folder deep enough that the executable's path passes 127 characters.
    const std::string deep = Scratch().MakeSubfolder(std::string(120, 'd'));
    const std::string exe = Scratch().InstallCorvane(true, deep);
    ASSERT_GT(exe.size(), 127u);
    Program* program = StartExe(exe);
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    EXPECT_FALSE(RunAtStartupChecked(*program, window, true));
    EXPECT_EQ(RunValue(), "\"" + exe + "\" -tray");
    // Elevated, as every program under Wine, but from a folder any program may write.
    EXPECT_FALSE(TaskExists(CurrentUserTaskName()));

    EXPECT_TRUE(RunAtStartupChecked(*program, window, true));
    EXPECT_FALSE(RunValueExists());
    EXPECT_FALSE(RunAtStartupChecked(*program, window, false));
}

// Elevated from Program Files: a logon task with the same rights, in place of
// the Run value, which would start it without them.
TEST_F(ClientTest, RunAtStartupFromProgramFilesRegistersTheLogonTaskInPlaceOfTheRunValue)
{
    const std::string task = CurrentUserTaskName();
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kRunKey, kRunValue, "\"C:\\elsewhere\\Corvane.exe\" -tray"));
    Program* program = StartExe(InstallProtectedCorvane());
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    // Checked by the Run value; unchecking takes it away.
    EXPECT_TRUE(RunAtStartupChecked(*program, window, true));
    EXPECT_FALSE(RunValueExists());
    EXPECT_FALSE(TaskExists(task));

    EXPECT_FALSE(RunAtStartupChecked(*program, window, true));
    EXPECT_TRUE(TaskExists(task)) << TaskFile(task);
    EXPECT_FALSE(RunValueExists());

    // Checked by the task alone; unchecking takes it away.
    EXPECT_TRUE(RunAtStartupChecked(*program, window, true));
    EXPECT_FALSE(TaskExists(task));
    EXPECT_FALSE(RunValueExists());
    EXPECT_FALSE(RunAtStartupChecked(*program, window, false));

    // Another copy's task shows too, and a Run value beside it goes with it.
    ASSERT_TRUE(RegisterTask(task, "C:\\elsewhere\\Corvane.exe"));
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kRunKey, kRunValue, "by hand"));
    EXPECT_TRUE(RunAtStartupChecked(*program, window, true));
    EXPECT_FALSE(TaskExists(task));
    EXPECT_FALSE(RunValueExists());
}

// A task the scheduler refuses to remove, as it refuses one of the highest
// rights to a copy without them (here its file is read-only): one message,
// and the check mark stays.
TEST_F(ClientTest, UncheckingALogonTaskThatCannotBeRemovedSaysSoAndStaysChecked)
{
    const std::string task = CurrentUserTaskName();
    ASSERT_TRUE(RegisterTask(task, "C:\\Program Files\\Corvane\\Corvane.exe"));
    ASSERT_TRUE(::SetFileAttributesA(TaskFile(task).c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kRunKey, kRunValue, "by hand"));
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    PostTrayMessage(window, WM_RBUTTONUP);
    HWND popup = WaitForPopupMenu(*program);
    ASSERT_NE(popup, nullptr);
    PostKey(popup, 'S');
    HWND box = WaitForMessageBox(*program);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), "Corvane");
    EXPECT_NE(MessageBoxText(box).find("only an administrator can remove its logon task"), std::string::npos)
        << MessageBoxText(box);
    EXPECT_TRUE(CloseMessageBox(box));
    EXPECT_TRUE(Responds(window));
    EXPECT_EQ(FindMessageBox(*program), nullptr);

    EXPECT_TRUE(TaskExists(task));
    EXPECT_FALSE(RunValueExists());
    EXPECT_TRUE(RunAtStartupChecked(*program, window, false));
}

TEST_F(ClientTest, HandWrittenRunValueOfAnyTypeShowsCheckedAndIsRemoved)
{
    ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kRunKey, kRunValue, 5));
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    EXPECT_TRUE(RunAtStartupChecked(*program, window, true));
    EXPECT_FALSE(RunValueExists());
    EXPECT_FALSE(RunAtStartupChecked(*program, window, false));

    // A change made outside the program shows the next time the popup opens.
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kRunKey, kRunValue, "by hand"));
    EXPECT_TRUE(RunAtStartupChecked(*program, window, false));
}

// Takes the current user's Run key away for one test and gives it back, empty, afterwards.
class MissingRunKey {
public:
    MissingRunKey()
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kRunKey);
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kRunKey);
    }
    ~MissingRunKey()
    {
        HKEY key = nullptr;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ==
            ERROR_SUCCESS)
            ::RegCloseKey(key);
    }
};

TEST_F(ClientTest, MissingRunKeyIsNeitherCreatedNorWritten)
{
    MissingRunKey missing;
    ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, kRunKey));
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    EXPECT_FALSE(RunAtStartupChecked(*program, window, true));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRunKey));
    EXPECT_FALSE(RunAtStartupChecked(*program, window, false));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRunKey));
}

} // namespace
