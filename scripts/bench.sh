#!/usr/bin/env bash
# Builds the 64-bit program and its benchmarks and runs every benchmark under
# Wine. Benchmarks print figures and ratios against a floor measured in the
# same run; none of them fails on time.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_ROOT=${BUILD_ROOT:-$root/build}

"$root/scripts/setup.sh"
"$root/scripts/build.sh" x86_64

source "$root/scripts/wine-env.sh"
trap corvane_wineserver_stop EXIT
corvane_wine_prefix
corvane_wineserver_start

shopt -s nullglob
for bench in "$BUILD_ROOT"/x86_64/bench/*_bench.exe; do
  echo "bench: $(basename "$bench" .exe)"
  wine "$bench"
done
