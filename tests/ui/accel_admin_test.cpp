// Black-box tests of acceleration as an administrator runs it, under the
// administrator stand-in: the real Corvane.exe holds a real raw socket,
// watched in /proc/net/raw while the program's own timers run.
#include "tests/ui/accel_steps.h"
#include "tests/ui/driver/RawSockets.h"

namespace {

using namespace driver;
using namespace accel;

// The raw socket the program made since the stand-in had made `before`: its
// inode, 0 when it made none or more than one.
unsigned long long NewRawSocket(std::size_t before)
{
    const std::vector<unsigned long long> made = StandInRawSockets();
    return made.size() == before + 1 ? made.back() : 0;
}

using AdministratorTest = CorvaneTest;

} // namespace

TEST_F(AdministratorTest, OpensRunningAndDrainsItsSocketUntilAStopAndOneMoreDatagram)
{
    const std::size_t before = StandInRawSockets().size();
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CheckState(window, kAccelerate), BST_CHECKED);
    EXPECT_EQ(ControlText(window, kAccelerate), kRunning);
    // Ticks arrive by themselves, one second each.
    const long start = SessionSeconds(window);
    ASSERT_GE(start, 0);
    EXPECT_TRUE(WaitUntil([&] { return SessionSeconds(window) > start; }, 5000));

    const unsigned long long inode = NewRawSocket(before);
    ASSERT_NE(inode, 0u) << "the program made no raw socket, or more than one";
    const std::optional<RawSocketEntry> socket = FindRawSocket(inode);
    ASSERT_TRUE(socket.has_value()) << "its socket is not listed in /proc/net/raw";
    const std::string address = SessionBindAddress();
    EXPECT_EQ(socket->localAddress, address);

    // A modest pace, some 200 datagrams a second for a second: the worker
    // takes each as it comes, and the queue holds a stall of half a second.
    ASSERT_TRUE(SendDatagrams(address, 200, 512, 5));
    EXPECT_TRUE(WaitUntil([&] {
        const std::optional<RawSocketEntry> now = FindRawSocket(inode);
        return now && now->receiveQueue == 0;
    }, 5000)) << "its queue does not empty";
    const std::optional<RawSocketEntry> drained = FindRawSocket(inode);
    ASSERT_TRUE(drained.has_value());
    EXPECT_EQ(drained->drops, 0u);

    // A stop closes the socket once the worker wakes, at the next datagram.
    PressButton(window, kAccelerate);
    EXPECT_EQ(ControlText(window, kAccelerate), kStopped);
    ASSERT_TRUE(SendDatagrams(address, 1, 64));
    EXPECT_TRUE(WaitUntil([&] { return !FindRawSocket(inode); }, 5000)) << "the socket outlives its session";
}

TEST_F(AdministratorTest, StopPausesTheSessionClockAndStartResumesIt)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return SessionSeconds(window) >= 1; }, 5000));

    PressButton(window, kAccelerate);
    EXPECT_EQ(ControlText(window, kAccelerate), kStopped);
    EXPECT_EQ(CheckState(window, kAccelerate), BST_UNCHECKED);
    const long paused = SessionSeconds(window);
    Sleep(kQuietSpell);
    EXPECT_EQ(SessionSeconds(window), paused) << "session timer still ticking after a stop";

    PressButton(window, kAccelerate);
    EXPECT_EQ(ControlText(window, kAccelerate), kRunning);
    EXPECT_EQ(CheckState(window, kAccelerate), BST_CHECKED);
    // It goes on from where it stood, not from zero. Its timer runs again from
    // the press on, so a test held up for a second may already see one tick.
    const long resumed = SessionSeconds(window);
    EXPECT_GE(resumed, paused);
    EXPECT_LE(resumed, paused + 1);
    EXPECT_TRUE(WaitUntil([&] { return SessionSeconds(window) > paused; }, 5000));
    EXPECT_TRUE(Responds(window));
}

TEST_F(AdministratorTest, ReceiveFailingMidSessionShowsStoppedAtTheNextTick)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return SessionSeconds(window) >= 1; }, 5000));

    // The socket taken away under the worker: its receive fails.
    ASSERT_EQ(CloseSocketsOf(*program), 1);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(window, kAccelerate) == kStopped; }, 5000));
    EXPECT_EQ(CheckState(window, kAccelerate), BST_UNCHECKED);
    const long stopped = SessionSeconds(window);
    Sleep(kQuietSpell);
    EXPECT_EQ(SessionSeconds(window), stopped) << "the session clock runs on without a session";
    EXPECT_EQ(FindMessageBox(*program), nullptr);

    // Stopped as the user's own stop leaves it: a press starts a new session.
    PressButton(window, kAccelerate);
    EXPECT_EQ(ControlText(window, kAccelerate), kRunning);
    EXPECT_EQ(CheckState(window, kAccelerate), BST_CHECKED);
    EXPECT_TRUE(WaitUntil([&] { return SessionSeconds(window) > stopped; }, 5000));
}
