#!/usr/bin/env bash
# Builds both targets and runs every benchmark under Wine, on the X display (a
# virtual X server of our own when there is none), then sets the sizes of both
# Corvane.exe builds against the bare dialog's. Benchmarks print figures and
# ratios against a floor measured in the same run; none of them fails on time.
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

corvane_wine_prefix
[ -n "${DISPLAY:-}" ] || corvane_xvfb_start
corvane_wineserver_start

shopt -s nullglob
for bench in "$BUILD_ROOT"/x86_64/bench/*_bench.exe; do
  echo "bench: $(basename "$bench" .exe)"
  wine "$bench"
done

# Sizes of the stripped, statically linked executables, each against the bare
# dialog built for the same target with the same flags.
echo "bench: sizes"
for target in x86_64 i686; do
  corvane=$(stat -c %s "$BUILD_ROOT/$target/app/Corvane.exe")
  bare=$(stat -c %s "$BUILD_ROOT/$target/bench/bare/BareDialog.exe")
  awk -v t="$target" -v c="$corvane" -v b="$bare" 'BEGIN {
    printf "  %-6s Corvane.exe %8d bytes, bare dialog %8d bytes, ratio %.2f\n", t, c, b, c / b }'
done
