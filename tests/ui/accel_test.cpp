// Black-box test of acceleration on a platform without the raw socket it
// needs: the plain Wine prefix, where Linux has no raw socket of protocol 0
// and Wine refuses it with WSAEPROTONOSUPPORT (10043).
#include "tests/ui/accel_steps.h"

namespace {

using namespace driver;
using namespace accel;

using NoRawSocketTest = CorvaneTest;

} // namespace

TEST_F(NoRawSocketTest, OpensStoppedAndAPressNamesTheError)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ExpectOpenedStopped(*program, window);

    std::string text;
    HWND box = PressRefusedToggle(*program, window, text);
    ASSERT_NE(box, nullptr);
    EXPECT_NE(text.find("does not offer the raw socket"), std::string::npos) << text;
    EXPECT_NE(text.find("(error 10043)"), std::string::npos) << text;
    EXPECT_TRUE(CloseMessageBox(box, IDOK));
    EXPECT_EQ(ControlText(window, kAccelerate), kStopped);
    EXPECT_EQ(CheckState(window, kAccelerate), BST_UNCHECKED);
    EXPECT_EQ(SessionSeconds(window), 0);
}
