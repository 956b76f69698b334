// StartProgram in a process that is not elevated, which Wine never gives
// (every Wine process is elevated): with the elevation check swapped, the
// program is started by this process itself, as the shell's ShellExecute
// starts it. The elevated way, through the desktop's shell, is seen from
// outside: the black-box tests' stand-ins are started by explorer.exe.
#include "framework/Elevation.h"
#include "framework/ModulePath.h"
#include "framework/ProgramStart.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/Paths.h"
#include "tests/ui/driver/StandIns.h"
#include <gtest/gtest.h>
#include <windows.h>

namespace {

bool NotElevated()
{
    return false;
}

std::string CurrentFolder()
{
    char folder[MAX_PATH] = {};
    const DWORD length = ::GetCurrentDirectoryA(MAX_PATH, folder);
    return length < MAX_PATH ? std::string(folder, length) : std::string();
}

// A stand-in program of its own in a fresh folder, which is also the
// current folder while the test runs.
class NotElevatedStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pfnSaved = g_pfnRunsElevated;
        g_pfnRunsElevated = NotElevated;
        m_strFolder = PathBeside(GetModulePath(), "program-start");
        driver::RemoveFolder(m_strFolder);
        ASSERT_TRUE(driver::MakeFolder(m_strFolder));
        m_strProgram = m_strFolder + "\\Started.exe";
        ASSERT_TRUE(driver::CopyFileTo(driver::StandInPath("UpdateApp.exe"), m_strProgram));
        m_strSavedFolder = CurrentFolder();
        ASSERT_TRUE(::SetCurrentDirectoryA(m_strFolder.c_str()));
    }
    void TearDown() override
    {
        ::SetCurrentDirectoryA(m_strSavedFolder.c_str());
        g_pfnRunsElevated = m_pfnSaved;
    }

    PFN_RUNSELEVATED m_pfnSaved = nullptr;
    std::string m_strFolder;
    std::string m_strProgram;
    std::string m_strSavedFolder;
};

TEST_F(NotElevatedStart, TheProgramIsStartedHereWithItsParametersShowStateAndOurFolder)
{
    EXPECT_EQ(StartProgram(m_strProgram, "\"one\" two ", "open", SW_SHOWMINNOACTIVE), StartResult::Started);
    const std::vector<driver::StandInRun> runs = driver::WaitForStandInRuns(m_strProgram, 1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].Arguments(), "\"one\" two ");
    EXPECT_EQ(runs[0].show, "7");
    EXPECT_EQ(::lstrcmpiA(runs[0].folder.c_str(), m_strFolder.c_str()), 0) << runs[0].folder;
    EXPECT_EQ(::lstrcmpiA(runs[0].parent.c_str(), GetModulePath().c_str()), 0) << runs[0].parent;

    // No such program: the shell says so.
    EXPECT_EQ(StartProgram(m_strFolder + "\\Missing.exe", nullptr, nullptr, SW_SHOW), StartResult::Failed);
}

TEST(NamesFileByPath, PathsAgainstNamesTheShellLooksUp)
{
    for (const char* path : { "C:\\Zendry\\Zendry.exe", "c:relative.exe", "\\Zendry.exe", "\\\\server\\share\\x.exe",
                              "/unix/style" })
        EXPECT_TRUE(NamesFileByPath(path)) << path;
    for (const char* name : { "https://www.tribler.org/", "mailto:someone@example.com", "notepad.exe", "", "1:x" })
        EXPECT_FALSE(NamesFileByPath(name)) << name;
}

} // namespace
