// Black-box tests of the interface box and the statistics panel: the real
// Corvane.exe under Wine, compared with what Linux itself reports about the
// machine's interfaces.
#include "tests/ui/driver/CorvaneTest.h"
#include "tests/ui/driver/LinuxInterfaces.h"
#include "tests/ui/driver/ProgramTimers.h"
#include <string>
#include <vector>

namespace {

using namespace driver;

using NetTest = CorvaneTest;

TEST_F(NetTest, InterfaceBoxListsWineInterfacesAndSelectsTheFirst)
{
    const std::vector<LinuxInterface> interfaces = LinuxInterfaces();
    ASSERT_FALSE(interfaces.empty());
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    // Linux reports no speeds, and none of its names is filtered out.
    std::vector<std::string> expected;
    for (const LinuxInterface& iface : interfaces)
        expected.push_back(" " + iface.name + " 0 Mb");
    EXPECT_EQ(ComboItems(window, kNetworkBox), expected);
    EXPECT_EQ(ComboSelection(window, kNetworkBox), 0);

    ExpectCountersOf(window, interfaces[0].name);
}

TEST_F(NetTest, StoredPositionSelectsItsInterfaceAndItsCounters)
{
    const std::vector<LinuxInterface> interfaces = LinuxInterfaces();
    if (interfaces.size() < 2)
        GTEST_SKIP() << "one network interface only";
    ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, "Network", 1));
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(ComboSelection(window, kNetworkBox), 1);
    ExpectCountersOf(window, interfaces[1].name);
}

TEST_F(NetTest, PositionPastTheListSelectsNothingAndShowsNoCounters)
{
    ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, "Network", 99));
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(ComboSelection(window, kNetworkBox), CB_ERR);
    SendTimer(window, kStatsTimer);
    EXPECT_EQ(ControlText(window, kBytesSent), "");
    EXPECT_EQ(ControlText(window, kBytesReceived), "");
    EXPECT_TRUE(Responds(window));
}

TEST_F(NetTest, ReselectingWritesNothingAndAnotherChoiceIsStored)
{
    const std::vector<LinuxInterface> interfaces = LinuxInterfaces();
    if (interfaces.size() < 2)
        GTEST_SKIP() << "one network interface only";
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    SelectComboItem(window, kNetworkBox, 0);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kProductKey));

    SelectComboItem(window, kNetworkBox, 1);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProductKey, "Network"), 1u);
    ExpectCountersOf(window, interfaces[1].name);
}

// The window clock advances by the session clock's function, whose unit tests
// reach the hour: a statistics tick costs the program some 100 ms of Wine's
// connection query, too slow for 3600 of them here.
TEST_F(NetTest, ClockCountsTicksAndRollsOverAtTheMinute)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    // With the program's own clock stopped, only the ticks sent here count.
    ASSERT_TRUE(StopWindowTimers(window, { kStatsTimer }));
    // Before the first tick the label is still empty: nought seconds.
    const std::string first = ControlText(window, kDuration);
    const long before = first.empty() ? 0 : ClockSeconds(first);
    ASSERT_GE(before, 0);
    ASSERT_LT(before, 58);
    SendTimer(window, kStatsTimer);
    EXPECT_EQ(ClockSeconds(ControlText(window, kDuration)), before + 1);
    if (before == 0) {
        EXPECT_EQ(ControlText(window, kDuration), "  0 hrs :  0 mins :  1 secs");
    }

    for (long second = before + 1; second < 59; ++second)
        SendTimer(window, kStatsTimer);
    EXPECT_EQ(ControlText(window, kDuration), "  0 hrs :  0 mins : 59 secs");
    SendTimer(window, kStatsTimer);
    EXPECT_EQ(ControlText(window, kDuration), "  0 hrs :  1 mins :  0 secs");
}

TEST_F(NetTest, RefreshKeepsTypedTextAndShowsTheConnection)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    SetControlText(window, 1005, "30x");
    SetControlText(window, 1004, "-2");
    // The caret between two keys typed: a refresh must not move it.
    ::SendDlgItemMessageA(window, 1005, EM_SETSEL, 2, 2);
    SendTimer(window, kStatsTimer);
    EXPECT_EQ(ControlText(window, 1005), "30x");
    EXPECT_EQ(ControlText(window, 1004), "-2");
    const auto caret = static_cast<DWORD>(::SendDlgItemMessageA(window, 1005, EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(caret), 2);
    EXPECT_EQ(HIWORD(caret), 2);

    // Wine answers from the default gateway: a LAN connection, or none.
    const std::string status = ControlText(window, 1015);
    if (status == " Connected") {
        EXPECT_EQ(ControlText(window, 1016), " LAN ");
    } else {
        EXPECT_EQ(status, "N/A");
    }
}

} // namespace
