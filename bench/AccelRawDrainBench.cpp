// How fast the running Corvane.exe drains its real raw socket, against the
// plainest raw-socket receive loop (bench/rawdrain/RawReceiveLoop.cpp) under
// the same Wine and wineserver. Both run under the administrator stand-in
// (scripts/wine-env.sh), which gives them a raw socket, and one at a time:
// every raw socket bound to the address gets its own copy of each datagram.
// A native sender (bench/rawdrain/offer-datagrams.c) offers datagrams at
// fixed rates to the address both bind; for each rate it prints the
// datagrams drained per second and those the socket dropped for a full
// queue, as /proc/net/raw counts them. Figures only; it never fails on time.
#include "bench/support/Figures.h"
#include "bench/support/Programs.h"
#include "res/resource.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/Paths.h"
#include "tests/ui/driver/RawSockets.h"
#include "tests/ui/driver/Registry.h"
#include "tests/ui/driver/UnixShell.h"
#include <winsock2.h>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Datagrams a second, from well within what a receive loop drains under Wine
// (some thousands a second) to well beyond it.
constexpr int kRates[] = { 1000, 2500, 5000, 10000, 20000, 40000 };
constexpr int kRateCount = sizeof kRates / sizeof kRates[0];
constexpr int kOfferSeconds = 2;
// Draining costs by the datagram, hardly by the byte.
constexpr int kPayloadBytes = 64;
// Rounds of both drainers, each going first in turn, so that a busy moment of
// the machine hits both alike.
constexpr int kRounds = 5;
// How long a queue may take to empty once the offer is over, and how often
// it is looked at meanwhile (not during the offer: each look reads the file).
constexpr DWORD kEmptyTimeoutMs = 5000;
constexpr DWORD kEmptyPollMs = 5;

const char* const kDrainerNames[] = { "Corvane", "bare loop" };

struct Drain {
    long long offered = 0;
    long long dropped = 0;
    double seconds = 0; // from the start of the offer until the queue was seen empty
    bool emptied = false;
};

double SecondsSince(Clock::time_point begin)
{
    return std::chrono::duration<double>(Clock::now() - begin).count();
}

// Offers datagrams at `rate` a second for kOfferSeconds, then waits for the
// socket's queue to empty. None when the socket is not listed or the sender
// failed.
std::optional<Drain> Offer(unsigned long long inode, const std::string& address, int rate)
{
    const std::optional<driver::RawSocketEntry> before = driver::FindRawSocket(inode);
    if (!before)
        return std::nullopt;
    const std::string offer = std::string("'") + CORVANE_OFFER_DATAGRAMS_PATH + "' " + address + " "
        + std::to_string(rate) + " " + std::to_string(kOfferSeconds) + " " + std::to_string(kPayloadBytes);
    const auto begin = Clock::now();
    if (driver::RunShell(offer, kOfferSeconds * 1000 + 10000) != std::optional<int>(0)) {
        std::printf("  the sender failed at %d datagrams a second; that drain is left out\n", rate);
        return std::nullopt;
    }
    Drain drain;
    drain.offered = static_cast<long long>(rate) * kOfferSeconds;
    std::optional<driver::RawSocketEntry> after;
    drain.emptied = driver::WaitUntil([&] {
        after = driver::FindRawSocket(inode);
        return after && after->receiveQueue == 0;
    }, kEmptyTimeoutMs, kEmptyPollMs);
    drain.seconds = SecondsSince(begin);
    if (!after)
        return std::nullopt;
    drain.dropped = static_cast<long long>(after->drops - before->drops);
    return drain;
}

// A drainer under test while it runs: its raw socket's inode, 0 when it made
// none bound to the address.
struct Running {
    std::unique_ptr<driver::Program> program;
    HWND window = nullptr; // Corvane's main window; null for the loop
    unsigned long long inode = 0;
};

// The raw socket made after the `before` the stand-in had made, once it is
// bound to address; 0 when none came within ten seconds.
unsigned long long WaitForNewRawSocket(std::size_t before, const std::string& address)
{
    unsigned long long inode = 0;
    driver::WaitUntil([&] {
        const std::vector<unsigned long long> made = driver::StandInRawSockets();
        if (made.size() <= before)
            return false;
        const std::optional<driver::RawSocketEntry> entry = driver::FindRawSocket(made.back());
        if (!entry || entry->localAddress != address)
            return false;
        inode = made.back();
        return true;
    }, 10000);
    return inode;
}

// Corvane opens accelerating: its session's socket is the one it makes.
Running StartCorvane(const std::string& address)
{
    Running running;
    const std::size_t before = driver::StandInRawSockets().size();
    running.program = driver::Program::Start(bench::FreshCorvane("bench.raw_drain"));
    if (running.program == nullptr)
        return running;
    running.window = bench::WaitForCorvaneWindow(*running.program);
    if (running.window != nullptr)
        running.inode = WaitForNewRawSocket(before, address);
    return running;
}

Running StartLoop(const std::string& address)
{
    Running running;
    const std::size_t before = driver::StandInRawSockets().size();
    running.program = driver::Program::Start(driver::WindowsPathFromUnix(CORVANE_RAW_RECEIVE_LOOP_PATH), address);
    if (running.program != nullptr)
        running.inode = WaitForNewRawSocket(before, address);
    return running;
}

// Ends the drainer and waits until its socket is gone, so that the next one
// drains alone.
void End(Running& running)
{
    if (running.window != nullptr)
        bench::EndWithCommand(*running.program, running.window, IDC_QUIT);
    else if (running.program != nullptr)
        running.program->Terminate();
    running.program.reset();
    if (running.inode != 0)
        driver::WaitUntil([&] { return !driver::FindRawSocket(running.inode); }, 10000);
}

double DrainedPerSecond(const Drain& drain)
{
    return drain.seconds > 0 ? static_cast<double>(drain.offered - drain.dropped) / drain.seconds : 0;
}

// The median over the rounds of the datagrams drained a second with the
// least and the greatest, and the drops of all rounds.
struct RateFigures {
    double drained = 0;
    double least = 0;
    double greatest = 0;
    long long dropped = 0;
    long long offeredInAll = 0;
    int notEmptied = 0;
};

RateFigures Summarise(const std::vector<Drain>& drains)
{
    RateFigures figures;
    std::vector<double> drained;
    for (const Drain& drain : drains) {
        drained.push_back(DrainedPerSecond(drain));
        figures.dropped += drain.dropped;
        figures.offeredInAll += drain.offered;
        if (!drain.emptied)
            ++figures.notEmptied;
    }
    figures.drained = bench::Median(drained);
    figures.least = bench::Percentile(drained, 0);
    figures.greatest = bench::Percentile(drained, 1);
    return figures;
}

void Report(int rate, const std::vector<Drain> (&drains)[2])
{
    const RateFigures figures[2] = { Summarise(drains[0]), Summarise(drains[1]) };
    std::printf("  %6d/s offered: ratio Corvane / bare loop %s\n", rate,
                bench::Ratio(figures[0].drained, figures[1].drained).c_str());
    for (int drainer = 0; drainer < 2; ++drainer) {
        std::printf("      %-9s %6.0f drained/s (rounds %6.0f to %6.0f), %6lld of %7lld dropped\n",
                    kDrainerNames[drainer], figures[drainer].drained, figures[drainer].least,
                    figures[drainer].greatest, figures[drainer].dropped, figures[drainer].offeredInAll);
        if (figures[drainer].notEmptied > 0)
            std::printf("      %s: in %d rounds its queue still held datagrams %lu ms after the offer, counted "
                        "as drained\n",
                        kDrainerNames[drainer], figures[drainer].notEmptied, kEmptyTimeoutMs);
    }
}

} // namespace

int main()
{
    char log[MAX_PATH];
    if (::GetEnvironmentVariableA("CORVANE_RAW_SOCKET_LOG", log, sizeof log) == 0) {
        std::puts("accel raw drain: needs the administrator stand-in, which gives Wine programs a raw socket "
                  "(scripts/bench.sh runs the benchmarks under it)");
        return 0;
    }
    WSADATA data;
    if (::WSAStartup(0x0101, &data) != 0) {
        std::puts("accel raw drain: Winsock did not start");
        return 1;
    }
    const std::string address = driver::SessionBindAddress();
    std::printf("accel raw drain: %d-byte UDP datagrams offered to %s for %d s at each rate, drained from the "
                "raw socket of the running Corvane.exe and of a bare receive loop, one at a time; medians of %d "
                "rounds, drops from /proc/net/raw summed over them\n",
                kPayloadBytes, address.c_str(), kOfferSeconds, kRounds);
    std::vector<Drain> drains[kRateCount][2];
    for (int round = 0; round < kRounds; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            const int drainer = (round + turn) % 2;
            Running running = drainer == 0 ? StartCorvane(address) : StartLoop(address);
            if (running.inode == 0) {
                std::printf("  %s made no raw socket bound to %s; its round is left out\n", kDrainerNames[drainer],
                            address.c_str());
            } else {
                for (int rate = 0; rate < kRateCount; ++rate) {
                    if (const std::optional<Drain> drain = Offer(running.inode, address, kRates[rate]))
                        drains[rate][drainer].push_back(*drain);
                }
            }
            End(running);
        }
    }
    for (int rate = 0; rate < kRateCount; ++rate)
        Report(kRates[rate], drains[rate]);
    std::fflush(stdout);
    driver::CleanCorvaneRegistry();
    ::WSACleanup();
    return 0;
}
