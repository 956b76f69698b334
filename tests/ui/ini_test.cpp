// Black-box tests of the INI file beside the executable and of the services
// file it reads: what a normal exit writes, what a killed process leaves, a
// folder nobody may write to, and files edited by hand into nonsense.
#include "tests/DefaultIniFile.h"
#include "tests/ui/driver/CorvaneTest.h"
#include "tests/ui/driver/Refusals.h"
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace driver;

// Posts Quit and waits for the process to end; the message box it showed on
// the way out instead, if any (then the process still runs).
HWND QuitAndWait(Program& program, HWND window)
{
    PostButtonPress(window, kQuit);
    HWND box = nullptr;
    WaitUntil(
        [&] {
            box = FindMessageBox(program);
            return box != nullptr || !program.IsRunning();
        },
        10000);
    return box;
}

void ExpectNormalExit(Program& program)
{
    EXPECT_TRUE(program.WaitForExit(2000));
    EXPECT_EQ(program.ExitCode(), std::optional<DWORD>(0));
}

using IniTest = CorvaneTest;

TEST_F(IniTest, FirstRunWritesEveryKeyAtItsDefaultOnNormalExit)
{
    const std::string ini = Scratch().File("Corvane.ini");
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(FileExists(ini)) << "the file is written at exit, not before";

    HWND box = QuitAndWait(*program, window);
    ASSERT_EQ(box, nullptr) << MessageBoxText(box);
    ExpectNormalExit(*program);
    EXPECT_EQ(ReadFileText(ini), std::optional<std::string>(kDefaultIniFile));
}

TEST_F(IniTest, KilledProcessWritesNothing)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    ASSERT_NE(program->WaitForMainWindow(), nullptr);
    program->Terminate();
    ASSERT_FALSE(program->IsRunning());
    EXPECT_FALSE(FileExists(Scratch().File("Corvane.ini")));
}

TEST_F(IniTest, GarbageServicesFileAndHandEditedIniAreSurvived)
{
    // Random bytes (NULs, lone CRs, lines far longer than a read) around a few
    // well-formed lines, the same bytes every run.
    std::mt19937 random(8);
    std::string services = "echo 7/tcp\n";
    for (int block = 0; block < 4; ++block) {
        for (int i = 0; i < 1024; ++i)
            services += static_cast<char>(random() & 0xFF);
        services += "\nhttp 80/TCP www\ndomain 53/udp\n" + std::string(700, 'x') + " 9/tcp\n";
    }
    const std::string servicesPath = Scratch().File("services");
    ASSERT_TRUE(WriteFileText(servicesPath, services));

    const std::string ini = Scratch().File("Corvane.ini");
    ASSERT_TRUE(WriteFileText(ini, "[other]\r\nkept=yes\r\n"
                                   "[log]\r\nmbdelete=1000\r\nlogtype=7\r\nrotate=weekly\r\n"
                                   "[main]\r\nplugin=C:\\x.dll\r\nidleseconds=30\r\n"));

    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FindMessageBox(*program), nullptr);
    EXPECT_TRUE(Responds(window));

    HWND box = QuitAndWait(*program, window);
    ASSERT_EQ(box, nullptr) << MessageBoxText(box);
    ExpectNormalExit(*program);
    // Keys of its own are normalised in place; the missing ones join their
    // sections, the missing sections the end; whatever else is there stays.
    EXPECT_EQ(ReadFileText(ini),
              std::optional<std::string>(
                  "[other]\r\nkept=yes\r\n"
                  "[log]\r\nmbdelete=1\r\nlogtype=0\r\nrotate=weekly\r\nuselogfile=0\r\nautodelete=0\r\nlogfile=\r\n"
                  "[main]\r\nplugin=C:\\x.dll\r\nidleseconds=30\r\nalwaysontop=0\r\nnsresolve=0\r\nportresolve=0\r\n"
                  "[filters]\r\nfiltertcp=0\r\nfilterudp=0\r\nfiltericmp=0\r\n"
                  "[mainwindow]\r\nstatus=-1\r\ntop=-1\r\nbottom=-1\r\nleft=-1\r\nright=-1\r\n"
                  "[list]\r\nsrcaddr=120\r\ndestaddr=120\r\nsrcport=80\r\ndestport=80\r\nproto=50\r\ntraffic=100\r\n"
                  "bs=80\r\nabs=80\r\n"));
    EXPECT_EQ(ReadFileText(servicesPath), std::optional<std::string>(services)) << "the services file is only read";
}

// Corvane installed in a folder of its own, which a test makes immutable with
// its INI file; a folder a killed earlier run left locked is unlocked first.
class LockedFolderTest : public CorvaneTest {
protected:
    void SetUp() override
    {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        UnlockTree(ScratchRoot() + "\\LockedFolderTest." + name);
        CorvaneTest::SetUp();
        m_strFolder = Scratch().MakeSubfolder("locked");
        m_strIni = m_strFolder + "\\Corvane.ini";
    }

    std::string m_strFolder;
    std::string m_strIni;
};

TEST_F(LockedFolderTest, UnwritableFolderKeepsItsFileAndShowsNothing)
{
    const std::string exe = Scratch().InstallCorvane(true, m_strFolder);
    const std::string stored = "[main]\r\nalwaysontop=1\r\n[log]\r\nmbdelete=1000\r\n";
    ASSERT_TRUE(WriteFileText(m_strIni, stored));
    const std::vector<std::string> before = FolderListing(m_strFolder);
    const std::string strayIni = WindowsFolderIni();
    const bool strayBefore = FileExists(strayIni);
    ImmutablePaths locked({ m_strFolder, m_strIni });
    if (!locked.Lock())
        GTEST_SKIP() << "chattr +i does not lock " << m_strFolder << " on this file system (or without root)";

    Program* program = StartExe(exe);
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FindMessageBox(*program), nullptr);

    HWND box = QuitAndWait(*program, window);
    ASSERT_EQ(box, nullptr) << MessageBoxText(box);
    ExpectNormalExit(*program);
    EXPECT_EQ(ReadFileText(m_strIni), std::optional<std::string>(stored));
    EXPECT_EQ(FolderListing(m_strFolder), before);
    if (!strayBefore) {
        EXPECT_FALSE(FileExists(strayIni)) << "the settings went to the Windows folder instead";
    }
}

} // namespace
