// The installer as a user runs it, silently (/S), in a Wine prefix of its own:
// where it puts Corvane, what it registers, what an update keeps and what the
// uninstaller leaves. The 64-bit build's tests run it in a 64-bit prefix, the
// 32-bit build's in a 32-bit one (tests/package/prepare.sh).
#include "res/ProductInfo.h"
#include "tests/package/Installation.h"
#include "tests/ui/driver/Controls.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/MainWindowIds.h"
#include "tests/ui/driver/Paths.h"
#include "tests/ui/driver/Program.h"
#include "tests/ui/driver/Registry.h"
#include "tests/ui/driver/ScratchFolder.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>

using namespace installation;

namespace {

// What the installer puts in its folder, sorted as FolderListing sorts.
const std::vector<std::string> kInstalledFiles = { "Corvane.exe", "USER-GUIDE.html", "Uninstall.exe", "guide",
                                                   "skin.smf" };
// The exit code of an NSIS installer or uninstaller that its script ended.
constexpr DWORD kAbortedByScript = 2;
constexpr const char* kUserIni = "[main]\r\nalwaysontop=1\r\n";
constexpr const char* kUserServices = "echo 7/tcp\n";

bool SameContents(const std::string& left, const std::string& right)
{
    const std::optional<std::string> leftText = driver::ReadFileText(left);
    return leftText && leftText == driver::ReadFileText(right);
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string BuiltFolder()
{
    const std::string exe = CorvaneForThisWindows().exe;
    return exe.substr(0, exe.find_last_of('\\'));
}

bool FolderExists(const std::string& folder)
{
    return ::GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class InstallerTest : public ::testing::Test {
protected:
    void SetUp() override { Forget(); }
    void TearDown() override { Forget(); }

    // The prefix as if Corvane had never been installed.
    static void Forget()
    {
        driver::RemoveFolder(InstallFolder());
        ::DeleteFileA(ShortcutPath().c_str());
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kUninstallKey);
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kUninstallKey);
        driver::CleanCorvaneRegistry();
    }

    static void Install() { ASSERT_EQ(RunToEnd(Installer(), "/S"), std::optional<DWORD>(0)) << Installer(); }

    // What the user and the program keep beside Corvane.exe, and the settings.
    static void AddUsersFilesAndSettings(const std::string& folder)
    {
        ASSERT_TRUE(driver::WriteFileText(folder + "\\Corvane.ini", kUserIni));
        ASSERT_TRUE(driver::WriteFileText(folder + "\\services", kUserServices));
        ASSERT_TRUE(driver::WriteString(HKEY_CURRENT_USER, driver::kProductKey, "Marker", "kept"));
    }
};

TEST_F(InstallerTest, SilentInstallPutsTheProgramItsFilesShortcutAndUninstallEntryInPlace)
{
    ASSERT_NO_FATAL_FAILURE(Install());
    const std::string folder = InstallFolder();
    EXPECT_EQ(driver::FolderListing(folder), kInstalledFiles);
    EXPECT_EQ(driver::FolderListing(folder + "\\guide"), driver::FolderListing(BuiltFolder() + "\\guide"));
    for (const char* name : { "Corvane.exe", "skin.smf", "USER-GUIDE.html", "guide\\main-window.png" })
        EXPECT_TRUE(SameContents(folder + "\\" + name, BuiltFolder() + "\\" + name)) << name;
    EXPECT_EQ(ImageMachine(folder + "\\Corvane.exe"), std::optional<WORD>(CorvaneForThisWindows().machine));

    EXPECT_EQ(Lower(ShortcutTarget(ShortcutPath()).value_or("no shortcut")), Lower(folder + "\\Corvane.exe"));

    EXPECT_EQ(driver::ReadString(HKEY_CURRENT_USER, kUninstallKey, "DisplayName"), std::string(kProductName));
    EXPECT_EQ(driver::ReadString(HKEY_CURRENT_USER, kUninstallKey, "DisplayVersion"), std::string(kProductVersion));
    // The company name of the program's own version information.
    EXPECT_EQ(driver::ReadString(HKEY_CURRENT_USER, kUninstallKey, "Publisher"), std::string("Corvane"));
    EXPECT_EQ(driver::ReadString(HKEY_CURRENT_USER, kUninstallKey, "UninstallString"),
              "\"" + folder + "\\Uninstall.exe\"");
    // In KB; each file's rounding moves it by at most one.
    const std::optional<DWORD> size = driver::ReadDword(HKEY_CURRENT_USER, kUninstallKey, "EstimatedSize");
    ASSERT_TRUE(size.has_value());
    EXPECT_NEAR(static_cast<double>(*size), static_cast<double>(FolderBytes(folder) / 1024), 10.0);
}

// The program runs from its folder; while it runs, its window shown or hidden
// in the notification area, neither the installer nor the uninstaller changes
// anything there.
TEST_F(InstallerTest, TheInstalledProgramStartsFromItsFolderAndIsLeftAloneWhileItRuns)
{
    ASSERT_NO_FATAL_FAILURE(Install());
    const std::string folder = InstallFolder();
    std::unique_ptr<driver::Program> program = driver::Program::Start(folder + "\\Corvane.exe");
    ASSERT_TRUE(program);
    const HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    driver::ScratchFolder scratch;

    const auto expectLeftAlone = [&](const char* state) {
        EXPECT_EQ(RunToEnd(Installer(), "/S"), std::optional<DWORD>(kAbortedByScript)) << state;
        EXPECT_EQ(UninstallSilently(scratch.Path()), std::optional<DWORD>(kAbortedByScript)) << state;
        EXPECT_TRUE(program->IsRunning()) << state;
        EXPECT_EQ(driver::FolderListing(folder), kInstalledFiles) << state;
        EXPECT_TRUE(driver::KeyExists(HKEY_CURRENT_USER, kUninstallKey)) << state;
    };
    expectLeftAlone("window shown");
    driver::PressButton(window, driver::kMinimize);
    ASSERT_TRUE(driver::WaitUntil([&] { return !::IsWindowVisible(window); }, 5000));
    expectLeftAlone("window hidden in the notification area");
}

TEST_F(InstallerTest, AnInstallOverAnEarlierOneReplacesTheProgramAndKeepsTheUsersFilesAndSettings)
{
    ASSERT_NO_FATAL_FAILURE(Install());
    const std::string folder = InstallFolder();
    ASSERT_NO_FATAL_FAILURE(AddUsersFilesAndSettings(folder));
    ASSERT_TRUE(driver::WriteFileText(folder + "\\Corvane.exe", "an earlier Corvane"));

    ASSERT_NO_FATAL_FAILURE(Install());
    EXPECT_TRUE(SameContents(folder + "\\Corvane.exe", CorvaneForThisWindows().exe));
    EXPECT_EQ(driver::ReadFileText(folder + "\\Corvane.ini"), std::string(kUserIni));
    EXPECT_EQ(driver::ReadFileText(folder + "\\services"), std::string(kUserServices));
    EXPECT_EQ(driver::ReadString(HKEY_CURRENT_USER, driver::kProductKey, "Marker"), std::string("kept"));
    EXPECT_TRUE(driver::KeyExists(HKEY_CURRENT_USER, kUninstallKey));
}

TEST_F(InstallerTest, SilentUninstallLeavesNoFileShortcutUninstallEntryOrRunValueAndKeepsTheSettings)
{
    ASSERT_NO_FATAL_FAILURE(Install());
    const std::string folder = InstallFolder();
    ASSERT_NO_FATAL_FAILURE(AddUsersFilesAndSettings(folder));
    ASSERT_TRUE(driver::WriteString(HKEY_CURRENT_USER, driver::kRunKey, driver::kRunValue,
                                    "\"" + folder + "\\Corvane.exe\""));

    driver::ScratchFolder scratch;
    EXPECT_EQ(UninstallSilently(scratch.Path()), std::optional<DWORD>(0));
    EXPECT_FALSE(FolderExists(folder)) << "left: " << ::testing::PrintToString(driver::FolderListing(folder));
    EXPECT_FALSE(driver::FileExists(ShortcutPath()));
    EXPECT_FALSE(driver::KeyExists(HKEY_CURRENT_USER, kUninstallKey));
    EXPECT_EQ(driver::ReadString(HKEY_CURRENT_USER, driver::kRunKey, driver::kRunValue), std::nullopt);
    EXPECT_EQ(driver::ReadString(HKEY_CURRENT_USER, driver::kProductKey, "Marker"), std::string("kept"));
}

} // namespace
