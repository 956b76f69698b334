// The all-users installer as an administrator runs it, silently (/S), in the
// installer tests' Wine prefix: Program Files, the uninstall entry and the
// Start-menu shortcut for everyone, and an uninstaller that also removes
// every user's logon task. The installer is the one that ships, a 32-bit
// program, wherever Wine runs 32-bit code: in the 64-bit prefix only its
// script's choice of the 64-bit registry view and Program Files folder puts
// the 64-bit build where 64-bit Windows looks for it
// (tests/package/prepare.sh).
#include "res/ProductInfo.h"
#include "tests/package/Installation.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/LogonTasks.h"
#include "tests/ui/driver/Paths.h"
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
// A folder the installer is told to use, and must not.
constexpr const char* kOtherFolder = "C:\\Corvane elsewhere";
// Another program's task, which the uninstaller leaves alone.
constexpr const char* kOtherProgramsTask = "Corvane Updater";

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

bool FolderExists(const std::string& folder)
{
    return ::GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool SameContents(const std::string& left, const std::string& right)
{
    const std::optional<std::string> leftText = driver::ReadFileText(left);
    return leftText && leftText == driver::ReadFileText(right);
}

// The uninstall entry in one of the machine's two registry views.
bool UninstallEntryIn(REGSAM view)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

std::string RunValueOf(const std::string& folder)
{
    return "\"" + folder + "\\Corvane.exe\" -tray";
}

class AllUsersInstallerTest : public ::testing::Test {
protected:
    void SetUp() override { Forget(); }
    void TearDown() override { Forget(); }

    // The prefix as if Corvane had never been installed for anyone.
    static void Forget()
    {
        for (const std::string& folder : { ProgramFilesFolder(), ProgramFilesX86Folder(), std::string(kOtherFolder) })
            driver::RemoveFolder(folder);
        ::DeleteFileA(CommonShortcutPath().c_str());
        for (REGSAM view : { KEY_WOW64_64KEY, KEY_WOW64_32KEY }) {
            HKEY key = nullptr;
            if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_ALL_ACCESS | view, &key) == ERROR_SUCCESS) {
                ::RegDeleteTreeA(key, nullptr);
                ::RegCloseKey(key);
            }
            ::RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, view, 0);
        }
        for (const std::string& task :
             { driver::CurrentUserTaskName(), driver::OtherUserTaskName(), std::string(kOtherProgramsTask) })
            driver::RemoveTask(task);
        driver::CleanCorvaneRegistry();
    }

    static void Install(const std::string& installer, const std::string& arguments = "/S")
    {
        ASSERT_EQ(RunToEnd(installer, arguments), std::optional<DWORD>(0)) << installer;
    }

    // The build for this Windows in its Program Files folder (on 64-bit
    // Windows the 64-bit program in the 64-bit folder), listed for everyone in
    // the machine's own view of the registry and in everyone's Start menu.
    static void ExpectInstalledForEveryone()
    {
        const std::string folder = ProgramFilesFolder();
        const CorvaneBuild build = CorvaneForThisWindows();
        EXPECT_EQ(driver::FolderListing(folder), kInstalledFiles);
        EXPECT_TRUE(SameContents(folder + "\\Corvane.exe", build.exe));
        EXPECT_EQ(ImageMachine(folder + "\\Corvane.exe"), std::optional<WORD>(build.machine));
        if (On64BitWindows()) {
            EXPECT_FALSE(FolderExists(ProgramFilesX86Folder()));
        }
        EXPECT_EQ(Lower(ShortcutTarget(CommonShortcutPath()).value_or("no shortcut")),
                  Lower(folder + "\\Corvane.exe"));
        EXPECT_FALSE(driver::FileExists(ShortcutPath()));

        // 32-bit Windows has one view, which both flags name.
        EXPECT_TRUE(UninstallEntryIn(KEY_WOW64_64KEY));
        if (On64BitWindows()) {
            EXPECT_FALSE(UninstallEntryIn(KEY_WOW64_32KEY));
        }
        EXPECT_EQ(driver::ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), std::string(kProductName));
        EXPECT_EQ(driver::ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"),
                  std::string(kProductVersion));
        EXPECT_EQ(driver::ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation"), folder);
        EXPECT_EQ(driver::ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"),
                  "\"" + folder + "\\Uninstall.exe\"");
        EXPECT_FALSE(driver::KeyExists(HKEY_CURRENT_USER, kUninstallKey));
    }

    // Logon tasks of two users, a task of another program's and this user's
    // Run value of the copy; the uninstaller ends with status 0 and leaves
    // nothing of Corvane's but the settings.
    static void ExpectUninstalledWithEveryUsersTask(const std::string& folder)
    {
        const std::string exe = folder + "\\Corvane.exe";
        for (const std::string& task :
             { driver::CurrentUserTaskName(), driver::OtherUserTaskName(), std::string(kOtherProgramsTask) })
            ASSERT_TRUE(driver::RegisterTask(task, exe)) << task;
        ASSERT_TRUE(driver::WriteString(HKEY_CURRENT_USER, driver::kRunKey, driver::kRunValue, RunValueOf(folder)));
        ASSERT_TRUE(driver::WriteString(HKEY_CURRENT_USER, driver::kProductKey, "Marker", "kept"));

        driver::ScratchFolder scratch;
        EXPECT_EQ(UninstallSilently(scratch.Path(), HKEY_LOCAL_MACHINE), std::optional<DWORD>(0));
        EXPECT_FALSE(FolderExists(folder)) << "left: " << ::testing::PrintToString(driver::FolderListing(folder));
        EXPECT_FALSE(driver::FileExists(CommonShortcutPath()));
        EXPECT_FALSE(UninstallEntryIn(KEY_WOW64_64KEY));
        EXPECT_FALSE(UninstallEntryIn(KEY_WOW64_32KEY));
        EXPECT_FALSE(driver::TaskExists(driver::CurrentUserTaskName()));
        EXPECT_FALSE(driver::TaskExists(driver::OtherUserTaskName()));
        EXPECT_TRUE(driver::TaskExists(kOtherProgramsTask));
        EXPECT_EQ(driver::ReadString(HKEY_CURRENT_USER, driver::kRunKey, driver::kRunValue), std::nullopt);
        EXPECT_EQ(driver::ReadString(HKEY_CURRENT_USER, driver::kProductKey, "Marker"), std::string("kept"));
    }
};

TEST_F(AllUsersInstallerTest, SilentInstallPutsTheProgramInProgramFilesForEveryoneWhateverFolderItIsGiven)
{
    ASSERT_NO_FATAL_FAILURE(Install(AllUsersInstaller(), std::string("/S /D=") + kOtherFolder));
    ExpectInstalledForEveryone();
    EXPECT_FALSE(FolderExists(kOtherFolder));
}

TEST_F(AllUsersInstallerTest, SilentUninstallRemovesItAndEveryUsersLogonTask)
{
    ASSERT_NO_FATAL_FAILURE(Install(AllUsersInstaller()));
    ExpectUninstalledWithEveryUsersTask(ProgramFilesFolder());
}

} // namespace
