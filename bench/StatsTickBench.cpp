// The cost of one statistics tick: WM_TIMER 1 sent to the running Corvane
// (SendMessage returns once the tick is done), timed against its two floors:
// the same IP Helper and WinINet calls made bare in this process plus the
// message's round trip to the bare dialog, and the platform dialog's own tick
// (the same calls, made there, and its counters shown); then the programs'
// memory and heaps before and after many ticks, to show whether ticking makes
// them grow. Prints figures only; it never fails on time.
// CORVANE_BENCH_TICKS sets how many ticks in all (10,000 by default).
#include "bench/support/Figures.h"
#include "bench/support/ProcessFigures.h"
#include "bench/support/Programs.h"
#include "net/IpHelper.h"
#include "res/resource.h"
#include "tests/ui/driver/Controls.h"
#include "tests/ui/driver/Registry.h"
#include <wininet.h>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Enough for stable medians; the other ticks are counted, not timed apart.
constexpr long kTimedTicks = 300;
constexpr long kWarmUpTicks = 10;
constexpr int kCheckpoints = 5;
constexpr int kLooksPerSnapshot = 3;
constexpr DWORD kLookSpacingMs = 150;

template <typename Call>
double Milliseconds(Call call)
{
    const auto begin = Clock::now();
    call();
    return std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
}

// The two platform calls of a tick, as Corvane makes them: the 64-bit
// counters of the interface it shows (the first row of the interface table,
// read once), and the connection state.
class BareTickCalls {
public:
    BareTickCalls()
    {
        ULONG size = 0;
        ::GetIfTable(nullptr, &size, TRUE);
        std::vector<unsigned char> buffer(size);
        auto* table = reinterpret_cast<PMIB_IFTABLE>(buffer.data());
        if (size >= sizeof(MIB_IFTABLE) && ::GetIfTable(table, &size, TRUE) == NO_ERROR && table->dwNumEntries > 0)
            m_index = table->table[0].dwIndex;
    }
    void InterfaceCounters() const
    {
        MIB_IF_ROW2 row = {};
        row.InterfaceIndex = m_index;
        ::GetIfEntry2(&row);
    }
    static void ConnectedState()
    {
        DWORD flags = 0;
        ::InternetGetConnectedState(&flags, 0);
    }

private:
    NET_IFINDEX m_index = 0;
};

struct Snapshot {
    std::optional<bench::MemoryFigures> memory;
    std::optional<bench::HeapFigures> heap;
};

// The least of a few looks apart is taken, so that what one moment happens to
// hold does not count as growth; a lasting growth shows in the least as well.
Snapshot SnapshotOf(HANDLE process, HWND window)
{
    Snapshot least;
    for (int look = 0; look < kLooksPerSnapshot; ++look) {
        if (look > 0)
            ::Sleep(kLookSpacingMs);
        const Snapshot now = { bench::MemoryOf(process), bench::HeapOf(window) };
        if (look == 0 || (now.heap && (!least.heap || now.heap->busyBytes < least.heap->busyBytes)))
            least = now;
    }
    return least;
}

void PrintSnapshot(const char* label, const Snapshot& now, const Snapshot& start)
{
    std::printf("  %-22s", label);
    if (now.heap && start.heap)
        std::printf(" heap %10.0f B in %6.0f blocks (%+.0f B, %+.0f blocks)", now.heap->busyBytes,
                    now.heap->busyBlocks, now.heap->busyBytes - start.heap->busyBytes,
                    now.heap->busyBlocks - start.heap->busyBlocks);
    else
        std::printf(" heap unreadable");
    if (now.memory && start.memory)
        std::printf("; pagefile usage %s (%+.0f KB), working set %s (%+.0f KB)",
                    bench::Megabytes(now.memory->pagefileUsage).c_str(),
                    (now.memory->pagefileUsage - start.memory->pagefileUsage) / 1024,
                    bench::Megabytes(now.memory->workingSet).c_str(),
                    (now.memory->workingSet - start.memory->workingSet) / 1024);
    std::printf("\n");
}

// A floor's memory before and after as many WM_TIMER 1 messages as Corvane had.
void PrintFloorMemory(const char* whose, const driver::Program& program, HWND window, long ticks)
{
    const Snapshot before = SnapshotOf(program.Handle(), window);
    for (long i = 0; i < ticks; ++i)
        driver::SendTimer(window, driver::kStatsTimer);
    std::printf("  floor: %s memory over as many WM_TIMER 1 messages:\n", whose);
    PrintSnapshot("after them:", SnapshotOf(program.Handle(), window), before);
}

void PrintTimes(const char* label, const std::vector<double>& ms)
{
    std::printf("  %-44s median %7.2f ms  (p10 %7.2f, p90 %7.2f)\n", label, bench::Median(ms),
                bench::Percentile(ms, 0.1), bench::Percentile(ms, 0.9));
}

} // namespace

int main()
{
    const long ticks = bench::CountFromEnvironment("CORVANE_BENCH_TICKS", 10000);
    const long timed = ticks < kTimedTicks ? ticks : kTimedTicks;
    std::printf("stats tick: WM_TIMER 1 sent to the running Corvane, %ld ticks in all; the first %ld timed, each "
                "beside the same calls made bare here with a round trip to the bare dialog, and beside a tick of "
                "the platform dialog\n",
                ticks, timed);

    std::unique_ptr<driver::Program> corvane = driver::Program::Start(bench::FreshCorvane("bench.stats_tick"));
    std::unique_ptr<driver::Program> bare = driver::Program::Start(bench::BareDialogPath());
    std::unique_ptr<driver::Program> platform =
        driver::Program::Start(bench::FreshPlatformDialog("bench.stats_tick.platform"));
    HWND window = corvane ? bench::WaitForCorvaneWindow(*corvane) : nullptr;
    HWND bareWindow = bare ? bench::WaitForBareWindow(*bare) : nullptr;
    HWND platformWindow = platform ? bench::WaitForPlatformWindow(*platform) : nullptr;
    if (window == nullptr || bareWindow == nullptr || platformWindow == nullptr) {
        std::puts("  no figures: a program showed no window within 30 s");
        return 1;
    }

    BareTickCalls calls;
    for (long i = 0; i < kWarmUpTicks; ++i) {
        driver::SendTimer(window, driver::kStatsTimer);
        driver::SendTimer(bareWindow, driver::kStatsTimer);
        driver::SendTimer(platformWindow, driver::kStatsTimer);
        calls.InterfaceCounters();
        BareTickCalls::ConnectedState();
    }
    // The probe's first visit loads it into the program: that is not the ticks' doing.
    bench::HeapOf(window);
    bench::HeapOf(bareWindow);
    bench::HeapOf(platformWindow);
    const Snapshot start = SnapshotOf(corvane->Handle(), window);

    std::vector<double> tick, interfaceCounters, connectedState, roundTrip, floor, platformTick;
    const double corvaneCpu0 = bench::CpuSeconds(corvane->Handle());
    const double platformCpu0 = bench::CpuSeconds(platform->Handle());
    const double ownCpu0 = bench::CpuSeconds(::GetCurrentProcess());
    for (long i = 0; i < timed; ++i) {
        tick.push_back(Milliseconds([&] { driver::SendTimer(window, driver::kStatsTimer); }));
        interfaceCounters.push_back(Milliseconds([&] { calls.InterfaceCounters(); }));
        connectedState.push_back(Milliseconds(&BareTickCalls::ConnectedState));
        roundTrip.push_back(Milliseconds([&] { driver::SendTimer(bareWindow, driver::kStatsTimer); }));
        floor.push_back(interfaceCounters.back() + connectedState.back() + roundTrip.back());
        platformTick.push_back(Milliseconds([&] { driver::SendTimer(platformWindow, driver::kStatsTimer); }));
    }
    const double corvaneCpu = bench::CpuSeconds(corvane->Handle()) - corvaneCpu0;
    const double platformCpu = bench::CpuSeconds(platform->Handle()) - platformCpu0;
    const double ownCpu = bench::CpuSeconds(::GetCurrentProcess()) - ownCpu0;

    PrintTimes("one tick of Corvane:", tick);
    PrintTimes("floor: GetIfEntry2, bare here:", interfaceCounters);
    PrintTimes("floor: InternetGetConnectedState, bare here:", connectedState);
    PrintTimes("floor: round trip to the bare dialog:", roundTrip);
    PrintTimes("floor: the three together:", floor);
    PrintTimes("floor: one tick of the platform dialog:", platformTick);
    std::printf("  Corvane's median tick, %s\n",
                bench::RatiosToFloors(bench::Median(tick), bench::Median(floor), bench::Median(platformTick), 1.10)
                    .c_str());
    std::printf("  CPU time per tick (their own one-second timers' ticks included): Corvane %.2f ms, platform "
                "dialog %.2f ms; this process per round of bare calls and three messages sent %.2f ms\n",
                1000 * corvaneCpu / static_cast<double>(timed), 1000 * platformCpu / static_cast<double>(timed),
                1000 * ownCpu / static_cast<double>(timed));

    std::printf("  Corvane's memory over %ld ticks (heap: blocks in use in all its heaps):\n", ticks);
    PrintSnapshot("before:", start, start);
    long sent = timed;
    char label[40];
    std::snprintf(label, sizeof label, "after %ld ticks:", sent);
    PrintSnapshot(label, SnapshotOf(corvane->Handle(), window), start);
    double untimedMs = 0;
    for (int checkpoint = 1; checkpoint <= kCheckpoints; ++checkpoint) {
        const long until = ticks * checkpoint / kCheckpoints;
        if (until <= sent)
            continue;
        untimedMs += Milliseconds([&] {
            for (; sent < until; ++sent)
                driver::SendTimer(window, driver::kStatsTimer);
        });
        std::snprintf(label, sizeof label, "after %ld ticks:", sent);
        PrintSnapshot(label, SnapshotOf(corvane->Handle(), window), start);
    }
    if (ticks > timed)
        std::printf("  mean time of the other %ld ticks: %.2f ms\n", ticks - timed,
                    untimedMs / static_cast<double>(ticks - timed));

    PrintFloorMemory("the bare dialog's", *bare, bareWindow, ticks);
    PrintFloorMemory("the platform dialog's", *platform, platformWindow, ticks);

    bench::EndWithCommand(*corvane, window, IDC_QUIT);
    bench::EndWithCommand(*bare, bareWindow, IDCANCEL);
    bench::EndWithCommand(*platform, platformWindow, IDCANCEL);
    driver::CleanCorvaneRegistry();
    return 0;
}
