#include "accel/AccelWorker.h"
#include "LoopbackSockets.h"
#include <future>

namespace {

// A worker on a thread of its own, as a start runs it. A test that fails
// half-way still gets its worker ended: stopped and woken by one datagram.
class WorkerRun {
public:
    explicit WorkerRun(SOCKET socket) : m_session(std::make_shared<CAccelSession>(socket))
    {
        auto* carried = new SessionPtr(m_session);
        m_worker = std::async(std::launch::async, [carried] { return AccelerateThreadProc(carried); });
    }
    ~WorkerRun()
    {
        if (!m_worker.valid() || m_worker.wait_for(std::chrono::seconds(0)) == std::future_status::ready)
            return;
        m_session->Stop();
        DatagramSender().Send(m_session->Socket(), 1);
    }
    WorkerRun(const WorkerRun&) = delete;
    WorkerRun& operator=(const WorkerRun&) = delete;

    CAccelSession& Session() { return *m_session; }
    bool Ends() { return m_worker.wait_for(std::chrono::seconds(5)) == std::future_status::ready; }
    bool StillRuns() { return m_worker.wait_for(std::chrono::milliseconds(100)) == std::future_status::timeout; }
    UINT ExitCode() { return m_worker.get(); }

private:
    SessionPtr m_session;
    std::future<UINT> m_worker;
};

class AccelWorkerTest : public WinsockTest {
protected:
    CloseRecorder m_closes;
    DatagramSender m_sender;
};

} // namespace

TEST_F(AccelWorkerTest, DrainsWhatIsSentAndEndsAtTheFirstDatagramAfterAStop)
{
    const SOCKET socket = BoundUdpSocket();
    WorkerRun worker(socket);
    CAccelSession& session = worker.Session();

    ASSERT_TRUE(m_sender.Send(socket, 64, 20));
    ASSERT_TRUE(m_sender.Send(socket, 1500, 20));
    EXPECT_TRUE(WaitFor([&] { return session.Received() == 40; }));

    // A stop wakes nobody: the worker stays in its receive, its socket open.
    session.Stop();
    EXPECT_TRUE(worker.StillRuns());
    EXPECT_EQ(CloseRecorder::Total(), 0);

    ASSERT_TRUE(m_sender.Send(socket, 64));
    ASSERT_TRUE(worker.Ends());
    EXPECT_EQ(worker.ExitCode(), 0u);
    EXPECT_EQ(CloseRecorder::Count(socket), 1);
    EXPECT_EQ(CloseRecorder::Total(), 1);
}

TEST_F(AccelWorkerTest, OversizedDatagramIsDiscardedAndDrainingGoesOn)
{
    const SOCKET socket = BoundUdpSocket();
    WorkerRun worker(socket);
    CAccelSession& session = worker.Session();

    ASSERT_TRUE(m_sender.Send(socket, kReceiveBufferSize + 1));
    ASSERT_TRUE(m_sender.Send(socket, 9000));
    ASSERT_TRUE(m_sender.Send(socket, 64));
    EXPECT_TRUE(WaitFor([&] { return session.Received() == 3; }));
    EXPECT_TRUE(worker.StillRuns());
    EXPECT_EQ(CloseRecorder::Total(), 0);

    session.Stop();
    ASSERT_TRUE(m_sender.Send(socket, 64));
    ASSERT_TRUE(worker.Ends());
    EXPECT_EQ(worker.ExitCode(), 0u);
    EXPECT_EQ(CloseRecorder::Count(socket), 1);
}

TEST_F(AccelWorkerTest, FailedReceiveEndsTheSessionWithOneAndClosesTheSocketOnce)
{
    // A stream socket that is not connected refuses every receive.
    const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    WorkerRun worker(socket);
    ASSERT_TRUE(worker.Ends());
    EXPECT_EQ(worker.ExitCode(), 1u);
    EXPECT_TRUE(worker.Session().HasEnded());
    EXPECT_FALSE(worker.Session().IsStopped());
    EXPECT_EQ(CloseRecorder::Count(socket), 1);
    EXPECT_EQ(CloseRecorder::Total(), 1);
}
