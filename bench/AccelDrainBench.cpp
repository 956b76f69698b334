// How fast the acceleration worker drains a socket, against the plainest
// possible receive loop on the same kind of socket in the same process: a
// loopback UDP socket, as the raw receive-all socket is refused under Wine.
// Prints figures and their ratio; it never fails on time.
#include "accel/AccelWorker.h"
#include "bench/support/Figures.h"
#include <winsock2.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <thread>
#include <vector>

namespace {

// Every C++ allocation in the process is counted, to show whether draining
// allocates per datagram.
std::atomic<long long> s_allocations{ 0 };

using Clock = std::chrono::steady_clock;
// Datagrams queued before each drain: they fit a receive buffer of 4 MB
// (Linux doubles what it is given) at either size, so none is dropped.
constexpr long long kQueued = 3000;
constexpr int kReceiveBuffer = 4 * 1024 * 1024;
// Rounds of one bare drain and one worker drain each: enough that a few
// rounds hit by a busy moment of the machine do not move the median.
constexpr int kRounds = 21;
// Beyond this spread of the middle half of the per-round ratios, relative to
// their median, the rounds disagree too much for the median to be trusted.
constexpr double kReliableSpread = 0.10;

struct Drain {
    double seconds = 0;
    long long drained = 0;
    long long allocations = 0; // from the first datagram taken to the last
};

SOCKET QueuedLoopbackSocket(int bytes, sockaddr_in& address)
{
    SOCKET socket = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    ::setsockopt(socket, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&kReceiveBuffer),
                 sizeof kReceiveBuffer);
    address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = ::inet_addr("127.0.0.1");
    ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    int length = sizeof address;
    ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);

    SOCKET sender = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    std::vector<char> payload(static_cast<size_t>(bytes), 'x');
    for (long long i = 0; i < kQueued; ++i)
        ::sendto(sender, payload.data(), bytes, 0, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    ::closesocket(sender);
    return socket;
}

// Times a drainer, started by `start`, on a socket that already holds
// kQueued datagrams, until `received` reports them all or the count stalls.
template <typename Start, typename Received>
Drain Time(Start start, Received received)
{
    Drain drain;
    const auto begin = Clock::now();
    start();
    long long allocations0 = -1;
    long long last = 0;
    auto lastChange = Clock::now();
    while (last < kQueued && Clock::now() - lastChange < std::chrono::seconds(2)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        const long long now = received();
        if (now > 0 && allocations0 < 0)
            allocations0 = s_allocations.load();
        if (now != last) {
            last = now;
            lastChange = Clock::now();
        }
    }
    drain.seconds = std::chrono::duration<double>(Clock::now() - begin).count();
    drain.drained = last;
    drain.allocations = allocations0 < 0 ? 0 : s_allocations.load() - allocations0;
    return drain;
}

// The floor: receive and drop, nothing else.
Drain BareLoop(int bytes)
{
    sockaddr_in address;
    const SOCKET socket = QueuedLoopbackSocket(bytes, address);
    std::atomic<long long> count{ 0 };
    std::thread loop;
    const Drain drain = Time(
        [&] {
            loop = std::thread([socket, &count] {
                char buffer[kReceiveBufferSize];
                sockaddr_in from;
                int fromLength = sizeof from;
                for (;;) {
                    if (::recvfrom(socket, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from),
                                   &fromLength) == SOCKET_ERROR
                        && ::WSAGetLastError() != WSAEMSGSIZE)
                        return;
                    count.store(count.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
                }
            });
        },
        [&count] { return count.load(); });
    // Closing from here ends the blocked receive.
    ::closesocket(socket);
    loop.join();
    return drain;
}

Drain Worker(int bytes)
{
    sockaddr_in address;
    const auto session = std::make_shared<CAccelSession>(QueuedLoopbackSocket(bytes, address));
    std::thread worker;
    const Drain drain = Time([&] { worker = std::thread(&AccelerateThreadProc, new SessionPtr(session)); },
                             [&session] { return static_cast<long long>(session->Received()); });
    // A stop takes effect at the next datagram; the worker closes its socket.
    session->Stop();
    SOCKET waker = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    ::sendto(waker, "", 0, 0, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    worker.join();
    ::closesocket(waker);
    return drain;
}

double Rate(const Drain& drain)
{
    return drain.seconds > 0 ? static_cast<double>(drain.drained) / drain.seconds : 0;
}

void Compare(int bytes)
{
    std::vector<double> bare;
    std::vector<double> worker;
    std::vector<double> ratios;
    long long shortfall = 0;
    long long workerAllocations = 0;
    long long workerDrained = 0;
    for (int round = 0; round < kRounds; ++round) {
        // Side by side in time and each first in turn, so that a busy moment
        // of the machine hits both alike and each round's ratio stays fair.
        Drain b;
        Drain w;
        if (round % 2 == 0) {
            b = BareLoop(bytes);
            w = Worker(bytes);
        } else {
            w = Worker(bytes);
            b = BareLoop(bytes);
        }
        bare.push_back(Rate(b));
        worker.push_back(Rate(w));
        if (Rate(b) > 0)
            ratios.push_back(Rate(w) / Rate(b));
        shortfall += 2 * kQueued - b.drained - w.drained;
        workerAllocations += w.allocations;
        workerDrained += w.drained;
    }
    const double median = bench::Median(ratios);
    std::printf("%5d bytes: bare loop %8.0f datagrams/s, worker %8.0f datagrams/s (medians)\n", bytes,
                bench::Median(bare), bench::Median(worker));
    std::printf("             ratio worker / bare loop per round: min %.3f, median %.3f, max %.3f "
                "(middle half %.3f to %.3f)\n",
                bench::Percentile(ratios, 0), median, bench::Percentile(ratios, 1), bench::Percentile(ratios, 0.25),
                bench::Percentile(ratios, 0.75));
    const double spread = bench::Percentile(ratios, 0.75) - bench::Percentile(ratios, 0.25);
    if (median > 0 && spread > kReliableSpread * median)
        std::printf("             the middle half of the rounds spreads over %.0f%% of the median (more than %.0f%%):"
                    " the machine's load moved the rounds apart, and the median is not a reliable figure\n",
                    100 * spread / median, 100 * kReliableSpread);
    std::printf("             worker allocations: %lld in %lld datagrams (%.4f per datagram)", workerAllocations,
                workerDrained, workerDrained > 0 ? static_cast<double>(workerAllocations) / workerDrained : 0.0);
    if (shortfall > 0)
        std::printf("; %lld queued datagrams never arrived", shortfall);
    std::printf("\n");
}

} // namespace

void* operator new(std::size_t size)
{
    s_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size != 0 ? size : 1))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

int main()
{
    WSADATA data;
    if (::WSAStartup(0x0101, &data) != 0) {
        std::puts("accel drain: Winsock did not start");
        return 1;
    }
    std::printf("accel drain: loopback UDP, %lld queued datagrams per drain, %d rounds of a bare drain and a worker "
                "drain each (its own floor: a bare receive loop, not the two program floors)\n",
                kQueued, kRounds);
    Compare(64);
    Compare(1500);
    std::fflush(stdout);
    ::WSACleanup();
    return 0;
}
