// Start-up time: from CreateProcess until the main window is visible, for
// Corvane (a first start, from a fresh scratch folder with a clean registry)
// and for the bare dialog, alternating, under the same Wine and X display.
// Prints the medians and their ratio; it never fails on time.
#include "bench/support/Figures.h"
#include "bench/support/Programs.h"
#include "res/resource.h"
#include "tests/ui/driver/Registry.h"
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 9;
// Fine enough against start-ups of a few hundred milliseconds, coarse enough
// that the watching does not take the processor from the program watched.
constexpr DWORD kPollMs = 2;

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

void Report(const char* name, const std::vector<double>& seconds)
{
    std::printf("  %-12s median %7.1f ms   (fastest %7.1f ms, slowest %7.1f ms)\n", name,
                bench::Median(seconds) * 1000, bench::Percentile(seconds, 0) * 1000,
                bench::Percentile(seconds, 1) * 1000);
}

} // namespace

int main()
{
    std::printf("start-up: CreateProcess to the main window visible, median of %d starts each, alternating "
                "(after one start each not counted)\n",
                kRuns);
    // The first start of each reads its files from disk; the rest from the cache.
    CorvaneStart();
    BareStart();
    std::vector<double> corvane;
    std::vector<double> bare;
    int failed = 0;
    int terminated = 0;
    const auto tally = [&](const Start& start, std::vector<double>& samples) {
        if (start.seconds < 0) {
            ++failed;
            return;
        }
        samples.push_back(start.seconds);
        if (!start.endedCleanly)
            ++terminated;
    };
    for (int run = 0; run < kRuns; ++run) {
        // Alternating who goes first, so that a busy moment of the machine hits both alike.
        Start c;
        Start b;
        if (run % 2 == 0) {
            c = CorvaneStart();
            b = BareStart();
        } else {
            b = BareStart();
            c = CorvaneStart();
        }
        tally(c, corvane);
        tally(b, bare);
    }
    Report("Corvane", corvane);
    Report("bare dialog", bare);
    std::printf("  ratio Corvane / bare dialog: %s (target <= 1.3)\n",
                bench::Ratio(bench::Median(corvane), bench::Median(bare)).c_str());
    if (failed > 0)
        std::printf("  %d starts showed no window within 30 s and are left out\n", failed);
    if (terminated > 0)
        std::printf("  %d programs did not end on their close command and were terminated\n", terminated);
    driver::CleanCorvaneRegistry();
    return 0;
}
