#!/usr/bin/env bash
# Builds both targets and runs every benchmark under Wine, on the X display (a
# virtual X server of our own when there is none), then sets the sizes of both
# Corvane.exe builds against the two floors'. The benchmarks run under the
# administrator stand-in (scripts/wine-env.sh): Corvane opens accelerating, as
# for a user with the rights acceleration needs. Benchmarks print figures and
# ratios against floors measured in the same run; none of them fails on time.
# The machine's load averages are printed before each benchmark and at the
# end, so that figures can be read against the load they were taken under.
#   CORVANE_BENCH_TICKS         statistics ticks in all (default 10000)
#   CORVANE_BENCH_IDLE_SECONDS  length of the idle measurement (default 60)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_ROOT=${BUILD_ROOT:-$root/build}

"$root/scripts/setup.sh"
"$root/scripts/build.sh" x86_64 i686

source "$root/scripts/wine-env.sh"
source "$root/scripts/xvfb.sh"

cleanup() {
  corvane_wineserver_stop
  corvane_xvfb_stop
}
trap cleanup EXIT

[ -n "${DISPLAY:-}" ] || corvane_xvfb_start
corvane_standin administrator

load() {
  echo "  load: $(uptime | sed 's/.*load average/load average/')"
}

shopt -s nullglob
for bench in "$BUILD_ROOT"/x86_64/bench/*_bench.exe; do
  echo "bench: $(basename "$bench" .exe)"
  load
  wine "$bench"
done

# Sizes of the stripped, statically linked executables, each against the two
# floors built for the same target with the same flags.
echo "bench: sizes"
for target in x86_64 i686; do
  corvane=$(stat -c %s "$BUILD_ROOT/$target/app/Corvane.exe")
  bare=$(stat -c %s "$BUILD_ROOT/$target/bench/bare/BareDialog.exe")
  platform=$(stat -c %s "$BUILD_ROOT/$target/bench/platform/PlatformDialog.exe")
  awk -v t="$target" -v c="$corvane" -v b="$bare" -v p="$platform" 'BEGIN {
    printf "  %-6s Corvane.exe %8d bytes, bare dialog %8d bytes, platform dialog %8d bytes\n", t, c, b, p
    printf "  %-6s ratio to the bare dialog %.2f, to the platform dialog %.2f\n", "", c / b, c / p }'
done
echo "bench: done"
load
