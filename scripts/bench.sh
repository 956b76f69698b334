#!/usr/bin/env bash
# Builds both targets and runs every benchmark of each under Wine, the 64-bit
# build's in a 64-bit prefix and the 32-bit build's in a 32-bit one, on the X
# display (a virtual X server of our own when there is none), then sets the
# sizes of both Corvane.exe builds against the two floors'. The benchmarks run under the
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

source "$root/scripts/ia32.sh"
source "$root/scripts/xvfb.sh"

trap corvane_xvfb_stop EXIT
[ -n "${DISPLAY:-}" ] || corvane_xvfb_start

load() {
  echo "  load: $(uptime | sed 's/.*load average/load average/')"
}

# One build's benchmarks, in a subshell with that target's own prefixes and
# wineservers (scripts/wine-env.sh): the 64-bit programs in a 64-bit prefix,
# the 32-bit ones in a 32-bit prefix, as on 32-bit Windows.
run_benchmarks() {
  (
    export CORVANE_TARGET=$1
    source "$root/scripts/wine-env.sh"
    trap corvane_wineserver_stop EXIT
    corvane_standin administrator
    shopt -s nullglob
    for bench in "$BUILD_ROOT/$1"/bench/*_bench.exe; do
      echo "bench: $1 $(basename "$bench" .exe)"
      load
      wine "$bench"
    done
  )
}

run_benchmarks x86_64
no_32bit=$(corvane_why_no_32bit)
if [ -z "$no_32bit" ]; then
  run_benchmarks i686
else
  echo "bench: i686 NOT RUN: $no_32bit"
fi

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
