// Black-box test of acceleration for an ordinary user, under the user
// stand-in: a wineserver without CAP_NET_RAW refuses the raw socket with
// WSAEACCES (10013), as Windows does without administrator rights. Whether
// Corvane offers to start again as administrator depends on its folder.
#include "res/ProductInfo.h"
#include "tests/ui/accel_steps.h"
#include "tests/ui/driver/XServer.h"

namespace {

using namespace driver;
using namespace accel;

using OrdinaryUserTest = CorvaneTest;

} // namespace

TEST_F(OrdinaryUserTest, FromProgramFilesOpensStoppedAndOffersToStartAgainAsAdministrator)
{
    const std::string exe = InstallProtectedCorvane();
    Program* program = StartExe(exe);
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ExpectOpenedStopped(*program, window);
    EXPECT_EQ(TooltipOver(*program, ::GetDlgItem(window, kAccelerate)).value_or("(no tooltip)"),
              "Acceleration needs administrator rights");

    // No: nothing changes.
    std::string text;
    HWND box = PressRefusedToggle(*program, window, text);
    ASSERT_NE(box, nullptr);
    EXPECT_NE(text.find("needs administrator rights"), std::string::npos) << text;
    EXPECT_NE(text.find("Start Corvane again as administrator?"), std::string::npos) << text;
    EXPECT_TRUE(CloseMessageBox(box, IDNO));
    EXPECT_EQ(ControlText(window, kAccelerate), kStopped);
    EXPECT_EQ(CheckState(window, kAccelerate), BST_UNCHECKED);
    EXPECT_TRUE(Responds(window));

    // Yes: the same Corvane.exe started again ("runas" starts it as it is
    // under Wine), and this copy ends as Quit ends it, its INI file written.
    const std::string ini = exe.substr(0, exe.find_last_of('\\')) + "\\Corvane.ini";
    ASSERT_FALSE(FileExists(ini));
    box = PressRefusedToggle(*program, window, text);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(CloseMessageBox(box, IDYES));
    ASSERT_TRUE(program->WaitForExit(10000));
    EXPECT_EQ(program->ExitCode(), std::optional<DWORD>(0));
    EXPECT_TRUE(FileExists(ini));
    Program* copy = WaitForOtherCopy(exe);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy->WaitForMainWindow(), nullptr);
}

// Anywhere else any program of the user's could have replaced Corvane.exe:
// the message says what makes the offer safe, and offers nothing.
TEST_F(OrdinaryUserTest, FromAnUnprotectedFolderExplainsTheAllUsersInstallationWithoutOfferingARestart)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    std::string text;
    HWND box = PressRefusedToggle(*program, window, text);
    ASSERT_NE(box, nullptr);
    EXPECT_NE(text.find("needs administrator rights"), std::string::npos) << text;
    EXPECT_NE(text.find("Corvane-" + std::string(kProductVersion) + "-setup-allusers.exe"), std::string::npos)
        << text;
    EXPECT_EQ(text.find('?'), std::string::npos) << text;
    EXPECT_NE(::GetDlgItem(box, IDOK), nullptr);
    for (int other : { IDYES, IDNO, IDCANCEL })
        EXPECT_EQ(::GetDlgItem(box, other), nullptr) << "button " << other;
    EXPECT_TRUE(CloseMessageBox(box, IDOK));

    EXPECT_EQ(ControlText(window, kAccelerate), kStopped);
    EXPECT_TRUE(Responds(window));
    ::Sleep(kQuietSpell);
    EXPECT_TRUE(program->IsRunning());
    EXPECT_EQ(Program::FindOtherCopy(CorvaneExe(), { program->Id() }), nullptr);
}
