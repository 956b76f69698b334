// Start-up time: from CreateProcess until the main window is visible, for
// Corvane (a first start, from a fresh scratch folder with a clean registry)
// and for its two floors, the bare and the platform dialog (the platform one
// from a fresh scratch folder too), taking turns under the same Wine and X
// display. Prints the medians and their ratios; it never fails on time.
#include "bench/support/Figures.h"
#include "bench/support/Programs.h"
#include "res/resource.h"
#include "tests/ui/driver/Registry.h"
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Starts vary by a tenth between one and the next even on a quiet machine:
// with 21 of each, the medians' ratio moves by a few hundredths between runs.
constexpr int kRuns = 21;
// Fine enough against start-ups of a few hundred milliseconds, coarse enough
// that the watching does not take the processor from the program watched.
constexpr DWORD kPollMs = 2;
constexpr DWORD kSettleMs = 500;

struct Start {
    double seconds = -1; // -1 when no window came
    bool endedCleanly = false;
};

template <typename WaitForWindow>
Start TimeStart(const std::string& exe, WaitForWindow waitForWindow, UINT closeCommand)
{
    Start start;
    const auto begin = Clock::now();
    std::unique_ptr<driver::Program> program = driver::Program::Start(exe);
    if (program == nullptr)
        return start;
    HWND window = waitForWindow(*program, 30000, kPollMs);
    const auto shown = Clock::now();
    if (window == nullptr)
        return start;
    start.seconds = std::chrono::duration<double>(shown - begin).count();
    start.endedCleanly = bench::EndWithCommand(*program, window, closeCommand);
    // The next start waits until what this end set off is over (the shell
    // taking the icon away, the server's clean-up): the turns do not let each
    // program follow each other one equally often, and Corvane follows the
    // platform dialog twice as often as the bare dialog.
    ::Sleep(kSettleMs);
    return start;
}

Start CorvaneStart()
{
    return TimeStart(bench::FreshCorvane("bench.startup"), &bench::WaitForCorvaneWindow, IDC_QUIT);
}

Start BareStart()
{
    return TimeStart(bench::BareDialogPath(), &bench::WaitForBareWindow, IDCANCEL);
}

Start PlatformStart()
{
    return TimeStart(bench::FreshPlatformDialog("bench.startup.platform"), &bench::WaitForPlatformWindow, IDCANCEL);
}

void Report(const char* name, const std::vector<double>& seconds)
{
    std::printf("  %-16s median %7.1f ms   (fastest %7.1f ms, slowest %7.1f ms)\n", name,
                bench::Median(seconds) * 1000, bench::Percentile(seconds, 0) * 1000,
                bench::Percentile(seconds, 1) * 1000);
}

} // namespace

int main()
{
    std::printf("start-up: CreateProcess to the main window visible, median of %d starts each, taking turns, each "
                "%lu ms after the last one ended (after one start each not counted)\n",
                kRuns, kSettleMs);
    constexpr int kPrograms = 3;
    Start (*const starts[kPrograms])() = { &CorvaneStart, &BareStart, &PlatformStart };
    // The first start of each reads its files from disk; the rest from the cache.
    for (const auto start : starts)
        start();
    std::vector<double> seconds[kPrograms];
    int failed = 0;
    int terminated = 0;
    for (int run = 0; run < kRuns; ++run) {
        // Each goes first in turn, so that a busy moment of the machine hits all alike.
        for (int turn = 0; turn < kPrograms; ++turn) {
            const int program = (run + turn) % kPrograms;
            const Start start = starts[program]();
            if (start.seconds < 0) {
                ++failed;
                continue;
            }
            seconds[program].push_back(start.seconds);
            if (!start.endedCleanly)
                ++terminated;
        }
    }
    Report("Corvane", seconds[0]);
    Report("bare dialog", seconds[1]);
    Report("platform dialog", seconds[2]);
    std::printf("  Corvane's median, %s\n",
                bench::RatiosToFloors(bench::Median(seconds[0]), bench::Median(seconds[1]),
                                      bench::Median(seconds[2]), 1.10)
                    .c_str());
    if (failed > 0)
        std::printf("  %d starts showed no window within 30 s and are left out\n", failed);
    if (terminated > 0)
        std::printf("  %d programs did not end on their close command and were terminated\n", terminated);
    driver::CleanCorvaneRegistry();
    return 0;
}
