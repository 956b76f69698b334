// Idle: Corvane (with acceleration on, so that both of its clocks tick) and
// the bare dialog, left running side by side for a minute, untouched. Prints
// the processor time each used, as a share of one core, and their peak
// memory, with the ratios; it never fails on time.
// CORVANE_BENCH_IDLE_SECONDS sets the length of the minute.
#include "bench/support/Figures.h"
#include "bench/support/ProcessFigures.h"
#include "bench/support/Programs.h"
#include "res/resource.h"
#include "tests/ui/driver/Controls.h"
#include "tests/ui/driver/Registry.h"
#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

// What start-up leaves behind (the updater stand-in, the tray icon's first
// paint) settles before the measurement begins.
constexpr DWORD kSettleMs = 3000;

struct Clocks {
    std::string window;
    std::string session;
};

Clocks ReadClocks(HWND corvane)
{
    return { driver::ControlText(corvane, IDC_DURATION), driver::ControlText(corvane, IDC_DURATION_ACC) };
}

void PrintMemoryRow(const char* what, double corvane, double bare)
{
    std::printf("  %-26s Corvane %9s, bare dialog %9s, ratio %s\n", what, bench::Megabytes(corvane).c_str(),
                bench::Megabytes(bare).c_str(), bench::Ratio(corvane, bare).c_str());
}

} // namespace

int main()
{
    const long seconds = bench::CountFromEnvironment("CORVANE_BENCH_IDLE_SECONDS", 60);
    std::printf("idle: Corvane and the bare dialog side by side for %ld s, untouched\n", seconds);

    std::unique_ptr<driver::Program> corvane = driver::Program::Start(bench::FreshCorvane("bench.idle"));
    std::unique_ptr<driver::Program> bare = driver::Program::Start(bench::BareDialogPath());
    HWND corvaneWindow = corvane ? bench::WaitForCorvaneWindow(*corvane) : nullptr;
    HWND bareWindow = bare ? bench::WaitForBareWindow(*bare) : nullptr;
    if (corvaneWindow == nullptr || bareWindow == nullptr) {
        std::puts("  no figures: a program showed no window within 30 s");
        return 1;
    }
    // Corvane opens accelerating; should it not, the toggle starts it.
    if (driver::CheckState(corvaneWindow, IDC_ACCELERATE) != BST_CHECKED)
        driver::PressButton(corvaneWindow, IDC_ACCELERATE);
    const bool accelerating = driver::CheckState(corvaneWindow, IDC_ACCELERATE) == BST_CHECKED;
    ::Sleep(kSettleMs);

    const Clocks clocksBefore = ReadClocks(corvaneWindow);
    const double corvaneCpu0 = bench::CpuSeconds(corvane->Handle());
    const double bareCpu0 = bench::CpuSeconds(bare->Handle());
    const auto begin = Clock::now();
    ::Sleep(static_cast<DWORD>(seconds) * 1000);
    const double wall = std::chrono::duration<double>(Clock::now() - begin).count();
    const double corvaneCpu = bench::CpuSeconds(corvane->Handle()) - corvaneCpu0;
    const double bareCpu = bench::CpuSeconds(bare->Handle()) - bareCpu0;
    const Clocks clocksAfter = ReadClocks(corvaneWindow);
    const std::optional<bench::MemoryFigures> corvaneMemory = bench::MemoryOf(corvane->Handle());
    const std::optional<bench::MemoryFigures> bareMemory = bench::MemoryOf(bare->Handle());

    std::printf("  acceleration %s; window clock \"%s\" -> \"%s\", session clock \"%s\" -> \"%s\"\n",
                accelerating ? "on (toggle pressed)" : "OFF: the toggle did not start it", clocksBefore.window.c_str(),
                clocksAfter.window.c_str(), clocksBefore.session.c_str(), clocksAfter.session.c_str());
    std::printf("  CPU time over %.1f s: Corvane %.3f s = %.3f%% of one core (target under 0.5%%), "
                "bare dialog %.3f s = %.3f%%\n",
                wall, corvaneCpu, 100 * corvaneCpu / wall, bareCpu, 100 * bareCpu / wall);
    if (corvaneMemory && bareMemory) {
        PrintMemoryRow("peak working set:", corvaneMemory->peakWorkingSet, bareMemory->peakWorkingSet);
        PrintMemoryRow("peak pagefile usage:", corvaneMemory->peakPagefileUsage, bareMemory->peakPagefileUsage);
        std::printf("  (target for the peak ratios <= 1.2; under Wine the working set is the process's resident "
                    "memory, Wine's own libraries included, and the pagefile usage its resident anonymous "
                    "memory, whose peak Wine reports as its present size)\n");
    } else {
        std::puts("  no memory figures: the platform did not report them");
    }

    bench::EndWithCommand(*corvane, corvaneWindow, IDC_QUIT);
    bench::EndWithCommand(*bare, bareWindow, IDCANCEL);
    driver::CleanCorvaneRegistry();
    return 0;
}
