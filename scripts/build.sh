#!/usr/bin/env bash
# Configures and builds Corvane, its tests and benchmarks for 64-bit and for
# 32-bit Windows.
# Usage: scripts/build.sh [--program] [x86_64] [i686]
#   both targets when none is named; --program builds Corvane.exe and its user guide alone.
# Output: $BUILD_ROOT/<target>, BUILD_ROOT defaulting to <repo>/build.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_ROOT=${BUILD_ROOT:-$root/build}
only=()
targets=()
for arg in "$@"; do
  case $arg in
    --program) only=(--target Corvane user_guide) ;;
    *) targets+=("$arg") ;;
  esac
done
[ ${#targets[@]} -gt 0 ] || targets=(x86_64 i686)

for target in "${targets[@]}"; do
  case $target in
    x86_64 | i686) ;;
    *) echo "build: unknown target '$target' (x86_64 or i686)" >&2; exit 2 ;;
  esac
  echo "build: $target in $BUILD_ROOT/$target"
  cmake -S "$root" -B "$BUILD_ROOT/$target" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$target.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCORVANE_TESTS=ON -DCORVANE_BUILD_ROOT="$BUILD_ROOT" >/dev/null
  cmake --build "$BUILD_ROOT/$target" -j2 "${only[@]}"
done
