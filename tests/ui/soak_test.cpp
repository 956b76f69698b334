// Soak tests: the real Corvane.exe kept busy far past a normal session, with
// thousands of acceleration toggles and statistics ticks sent from outside
// while UDP datagrams flow on the machine, and what it holds compared between
// the end of a warm-up and the end of the run.
//
// They run under the administrator stand-in: every start opens a real raw
// socket on the address a session binds, and its worker receives the
// datagrams sent there, as a receiver of the test's own does. The program
// also sees them in the byte counters of the loopback interface, which
// carries them and which its statistics ticks read.
#include "tests/ui/driver/CorvaneTest.h"
#include "tests/ui/driver/RawSockets.h"
#include "tests/ui/driver/Resources.h"
#include <winsock2.h>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace driver;

// Every other toggle opens a raw socket and starts a worker that receives
// the flow's datagrams until the next stop: some 7 ms a toggle under Wine on
// a busy machine, twice what a refused start takes.
constexpr int kToggles = 6000;
constexpr int kStatisticsTicks = 1800;

// Growth allowed between the warm-up and the end. A leak of one handle or
// one thread per start or tick would exceed these a hundredfold; the slack
// is what Wine itself opens, caches and frees meanwhile. Committed memory
// moves by about a megabyte while Wine's heaps settle; a leak of a few
// hundred bytes per toggle or a kilobyte per tick exceeds its slack.
constexpr std::size_t kHandleSlack = 16;
constexpr std::size_t kThreadSlack = 2;
constexpr std::size_t kCommittedSlack = 2u << 20;

// UDP datagrams of mixed sizes, some longer than the worker's 1600-byte
// buffer, sent at a steady pace from one thread to a socket of the test's
// own that another thread drains, for as long as the object lives.
class DatagramFlow {
public:
    explicit DatagramFlow(const std::string& address)
    {
        WSADATA data;
        m_bStarted = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
        m_target.sin_family = AF_INET;
        m_target.sin_addr.s_addr = ::inet_addr(address.c_str());
        m_hReceiver = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
        m_hSender = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
        int length = sizeof m_target;
        if (m_hReceiver == INVALID_SOCKET || m_hSender == INVALID_SOCKET
            || ::bind(m_hReceiver, reinterpret_cast<const sockaddr*>(&m_target), sizeof m_target) != 0
            || ::getsockname(m_hReceiver, reinterpret_cast<sockaddr*>(&m_target), &length) != 0)
            return;
        m_bReady = true;
        m_receiver = std::thread([this] { Receive(); });
        m_sender = std::thread([this] { Send(); });
    }

    ~DatagramFlow()
    {
        m_bStop = true;
        if (m_sender.joinable())
            m_sender.join();
        // Closing the socket from here ends the receive it is blocked in.
        ::closesocket(m_hReceiver);
        if (m_receiver.joinable())
            m_receiver.join();
        ::closesocket(m_hSender);
        if (m_bStarted)
            ::WSACleanup();
    }

    DatagramFlow(const DatagramFlow&) = delete;
    DatagramFlow& operator=(const DatagramFlow&) = delete;

    bool Ready() const { return m_bReady; }
    std::uint64_t Sent() const { return m_nSent; }
    std::uint64_t Received() const { return m_nReceived; }
    std::uint64_t ReceivedBytes() const { return m_nReceivedBytes; }

private:
    void Send()
    {
        static const int kSizes[] = { 64, 512, 1472, 2000 };
        std::vector<char> payload(2000, 'c');
        for (unsigned round = 0; !m_bStop; ++round) {
            // Some six hundred datagrams a second: a busy link, yet leaving
            // the two cores to the program.
            for (int i = 0; i < 3; ++i) {
                const int size = kSizes[(round + i) % 4];
                if (::sendto(m_hSender, payload.data(), size, 0, reinterpret_cast<const sockaddr*>(&m_target),
                             sizeof m_target) == size)
                    ++m_nSent;
            }
            ::Sleep(5);
        }
    }

    void Receive()
    {
        std::vector<char> buffer(4096);
        for (;;) {
            const int got = ::recv(m_hReceiver, buffer.data(), static_cast<int>(buffer.size()), 0);
            if (got == SOCKET_ERROR)
                return;
            ++m_nReceived;
            m_nReceivedBytes += static_cast<std::uint64_t>(got);
        }
    }

    bool m_bStarted = false;
    bool m_bReady = false;
    sockaddr_in m_target = {};
    SOCKET m_hReceiver = INVALID_SOCKET;
    SOCKET m_hSender = INVALID_SOCKET;
    std::atomic<bool> m_bStop{ false };
    std::atomic<std::uint64_t> m_nSent{ 0 };
    std::atomic<std::uint64_t> m_nReceived{ 0 };
    std::atomic<std::uint64_t> m_nReceivedBytes{ 0 };
    std::thread m_receiver;
    std::thread m_sender;
};

// " 123 " -> 123 (the low 32 bits of the platform's counter).
std::uint32_t ShownCounter(const std::string& text)
{
    unsigned long value = 0;
    EXPECT_EQ(std::sscanf(text.c_str(), " %lu", &value), 1) << '"' << text << '"';
    return static_cast<std::uint32_t>(value);
}

// The program's resources once no worker is still on its way out: two
// readings a quarter of a second apart that agree, or the last after five
// seconds.
ProcessResources Settled(const Program& program)
{
    std::optional<ProcessResources> last = ReadResources(program.Handle(), program.Id());
    WaitUntil([&] {
        ::Sleep(250);
        const std::optional<ProcessResources> now = ReadResources(program.Handle(), program.Id());
        const bool same = now && last && now->handles == last->handles && now->threads == last->threads;
        last = now;
        return same;
    }, 5000);
    EXPECT_TRUE(last.has_value()) << "the program's handles, threads or memory cannot be read";
    return last.value_or(ProcessResources{});
}

void ExpectFlat(const ProcessResources& warm, const ProcessResources& end)
{
    std::printf("soak: handles %zu -> %zu, threads %zu -> %zu, committed %zu -> %zu KiB\n", warm.handles,
                end.handles, warm.threads, end.threads, warm.committedBytes >> 10, end.committedBytes >> 10);
    EXPECT_LE(end.handles, warm.handles + kHandleSlack);
    EXPECT_LE(end.threads, warm.threads + kThreadSlack);
    EXPECT_LE(end.committedBytes, warm.committedBytes + kCommittedSlack);
}

// The window still answers and its texts still read as they should.
void ExpectAnswering(HWND window, long statsTicks, long sessionTicks, DWORD elapsedMs)
{
    EXPECT_TRUE(Responds(window));
    EXPECT_EQ(ControlText(window, kAccelerate), kRunning);
    EXPECT_EQ(CheckState(window, kAccelerate), BST_CHECKED);
    EXPECT_EQ(ControlText(window, kStatus), " Connected");
    // Both clocks count every tick sent, and the program's own timers tick
    // besides, at most once a second each.
    const long slack = static_cast<long>(elapsedMs / 1000) + 2;
    const long duration = ClockSeconds(ControlText(window, kDuration));
    EXPECT_GE(duration, statsTicks);
    EXPECT_LE(duration, statsTicks + slack);
    const long session = ClockSeconds(ControlText(window, kSessionClock));
    EXPECT_GE(session, sessionTicks);
    EXPECT_LE(session, sessionTicks + slack);
}

using SoakTest = CorvaneTest;

TEST_F(SoakTest, SixThousandTogglesWithDatagramsFlowingLeaveNothingBehind)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const DWORD begin = ::GetTickCount();
    DatagramFlow flow(SessionBindAddress());
    ASSERT_TRUE(flow.Ready());

    long statsTicks = 0;
    long sessionTicks = 0;
    // Each toggle starts or stops a session: a socket asked for, a worker
    // started or left to end. A session tick every twenty toggles and a
    // statistics tick every two hundred keep the two clocks going meanwhile.
    const auto toggle = [&](int count) {
        for (int i = 1; i <= count; ++i) {
            PressButton(window, kAccelerate);
            if (i % 20 == 0) {
                SendTimer(window, kSessionTimer);
                ++sessionTicks;
            }
            if (i % 200 == 0) {
                SendTimer(window, kStatsTimer);
                ++statsTicks;
            }
        }
    };
    toggle(200);
    const ProcessResources warm = Settled(*program);
    const DWORD start = ::GetTickCount();
    toggle(kToggles);
    std::printf("soak: %d toggles in %lu ms, %llu datagrams sent, %llu received\n", kToggles, ::GetTickCount() - start,
                static_cast<unsigned long long>(flow.Sent()), static_cast<unsigned long long>(flow.Received()));
    EXPECT_GT(flow.Received(), 0u);

    ExpectFlat(warm, Settled(*program));
    ExpectAnswering(window, statsTicks, sessionTicks, ::GetTickCount() - begin);
}

TEST_F(SoakTest, StatisticsTicksWithDatagramsFlowingLeaveNothingBehind)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const DWORD begin = ::GetTickCount();

    // The loopback interface carries the datagrams: its counters are shown.
    const std::vector<std::string> labels = ComboItems(window, kNetworkBox);
    int loopback = -1;
    for (size_t i = 0; i < labels.size(); ++i) {
        if (labels[i].rfind(" lo ", 0) == 0)
            loopback = static_cast<int>(i);
    }
    ASSERT_GE(loopback, 0) << "no loopback interface listed";
    if (ComboSelection(window, kNetworkBox) != loopback)
        SelectComboItem(window, kNetworkBox, loopback);
    DatagramFlow flow(SessionBindAddress());
    ASSERT_TRUE(flow.Ready());

    long statsTicks = 0;
    long sessionTicks = 0;
    // Each cycle is a second of the program's statistics; every third also
    // ticks the session clock, every tenth stops and restarts the session.
    const auto run = [&](int cycles) {
        for (int i = 1; i <= cycles; ++i) {
            SendTimer(window, kStatsTimer);
            ++statsTicks;
            if (i % 3 == 0) {
                SendTimer(window, kSessionTimer);
                ++sessionTicks;
            }
            if (i % 10 == 0) {
                PressButton(window, kAccelerate);
                PressButton(window, kAccelerate);
            }
        }
    };
    run(60);
    const ProcessResources warm = Settled(*program);
    run(1);
    const std::uint32_t shownBefore = ShownCounter(ControlText(window, kBytesReceived));
    const std::uint64_t receivedBefore = flow.ReceivedBytes();
    const DWORD start = ::GetTickCount();
    // Half an hour of the window clock: at some thirty milliseconds a tick
    // under Wine, as many as the test command affords with room to spare
    // under a loaded machine. A hundred thousand run in the unit tests.
    run(kStatisticsTicks);
    const std::uint64_t receivedAfter = flow.ReceivedBytes();
    run(1);
    const std::uint32_t shownAfter = ShownCounter(ControlText(window, kBytesReceived));
    std::printf("soak: %d statistics ticks in %lu ms, %llu datagrams sent, %llu received\n", kStatisticsTicks,
                ::GetTickCount() - start, static_cast<unsigned long long>(flow.Sent()),
                static_cast<unsigned long long>(flow.Received()));
    // What the test's receiver took in between the two readings passed the
    // interface in between the two ticks, headers besides.
    EXPECT_GE(static_cast<std::uint32_t>(shownAfter - shownBefore), receivedAfter - receivedBefore);
    EXPECT_GT(receivedAfter, receivedBefore);

    ExpectFlat(warm, Settled(*program));
    ExpectAnswering(window, statsTicks, sessionTicks, ::GetTickCount() - begin);
}

} // namespace
