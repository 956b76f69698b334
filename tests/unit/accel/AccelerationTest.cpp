#include "accel/Acceleration.h"
#include "LoopbackSockets.h"

namespace {

class AccelerationTest : public WinsockTest {
protected:
    void TearDown() override { EndSession(); }

    CloseRecorder m_closes;
    DatagramSender m_sender;
};

} // namespace

TEST_F(AccelerationTest, RestartBeforeTheOldWorkerWakesKeepsEachSocketWithItsOwnWorker)
{
    const SOCKET first = BoundUdpSocket();
    const SOCKET second = BoundUdpSocket();
    const SessionPtr older = BeginSession(first);
    // One datagram through and a moment's rest: the older worker is then
    // blocked in its next receive when the stop comes.
    ASSERT_TRUE(m_sender.Send(first, 64));
    ASSERT_TRUE(WaitFor([&] { return older->Received() == 1; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EndSession();
    const SessionPtr newer = BeginSession(second);
    EXPECT_TRUE(g_bAccelerating);

    // The older worker, still blocked on its own socket, takes nothing of the new one.
    ASSERT_TRUE(m_sender.Send(second, 64, 5));
    EXPECT_TRUE(WaitFor([&] { return newer->Received() == 5; }));
    EXPECT_TRUE(SessionReceiving());
    EXPECT_EQ(older->Received(), 1u);
    EXPECT_EQ(CloseRecorder::Total(), 0);

    // Woken, it sees its own session stopped although another one runs.
    ASSERT_TRUE(m_sender.Send(first, 64));
    EXPECT_TRUE(WaitFor([&] { return CloseRecorder::Count(first) == 1; }));
    ASSERT_TRUE(m_sender.Send(second, 64));
    EXPECT_TRUE(WaitFor([&] { return newer->Received() == 6; }));
    EXPECT_EQ(CloseRecorder::Count(second), 0);

    EndSession();
    EXPECT_FALSE(g_bAccelerating);
    ASSERT_TRUE(m_sender.Send(second, 64));
    EXPECT_TRUE(WaitFor([&] { return CloseRecorder::Count(second) == 1; }));

    // Give a stray second close the time to happen.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(CloseRecorder::Count(first), 1);
    EXPECT_EQ(CloseRecorder::Count(second), 1);
    EXPECT_EQ(CloseRecorder::Total(), 2);
}

TEST_F(AccelerationTest, SessionWhoseReceiveFailsIsNoLongerReceivingUntilStopped)
{
    // A stream socket that is not connected refuses every receive.
    const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    const SessionPtr session = BeginSession(socket);
    EXPECT_TRUE(WaitFor([&] { return !SessionReceiving(); }));
    // The window's next tick stops it; until then it is still the running one.
    EXPECT_TRUE(g_bAccelerating);
    EXPECT_EQ(CloseRecorder::Count(socket), 1);
    EndSession();
    EXPECT_FALSE(g_bAccelerating);
    EXPECT_FALSE(SessionReceiving());
    EXPECT_EQ(CloseRecorder::Total(), 1);
}
