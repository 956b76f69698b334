#!/usr/bin/env bash
# Sets up, builds both targets and runs every test layer:
#   Windows, 64-bit: unit and black-box tests of the x86_64 build, ctest under
#                    Wine in 64-bit prefixes, on a virtual X server
#   Windows, 32-bit: the same of the i686 build in 32-bit prefixes, on a virtual
#                    X server of its own, side by side with the 64-bit layer
#   native:          the platform-neutral code under ASan/UBSan, and short fuzz runs
# The 32-bit layer runs where this machine executes 32-bit code and wine32 is
# installed (scripts/setup.sh); elsewhere a line beside the summary says why not.
# Exits non-zero when anything fails; the last line sums up all layers.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_ROOT=${BUILD_ROOT:-$root/build}

"$root/scripts/setup.sh"
"$root/scripts/build.sh" x86_64 i686

source "$root/scripts/ia32.sh"

passed=0
failed=0
failures=()
# Tests that said they could not run here: ctest counts them as passed.
not_run=()

# Adds the counts of a layer's ctest log to the totals; $2 is ctest's status.
count_layer() {
  local layer=$1 rc=$2 log=$BUILD_ROOT/ctest-$1.log
  local line total bad
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1 || true)
  local skipped
  mapfile -t skipped < <(sed -nE 's/^[[:space:]]*[0-9]+ - (.*) \(Skipped\)$/\1/p' "$log")
  not_run+=("${skipped[@]}")
  if [ -n "$line" ]; then
    total=${line##* out of }
    bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
    passed=$((passed + total - bad - ${#skipped[@]}))
    failed=$((failed + bad))
  fi
  if [ "$rc" -ne 0 ]; then
    failures+=("$layer")
  fi
  echo "test: $layer layer: ${line:-no tests}"
}

# One target's unit and black-box tests, in a subshell with the target's own
# prefixes and wineservers (scripts/wine-env.sh) and a virtual X server of its
# own: two targets' layers share no display, registry or server. Tests from
# corvane_ui_test are RUN_SERIAL: each runs with no other test of its layer
# beside it.
windows_layer() {
  (
    export CORVANE_TARGET=$1
    source "$root/scripts/wine-env.sh"
    source "$root/scripts/xvfb.sh"
    trap 'corvane_wineserver_stop; corvane_xvfb_stop' EXIT
    corvane_wine_prefix
    corvane_xvfb_start
    corvane_wineserver_start
    ctest --test-dir "$BUILD_ROOT/$1" -j2 --timeout 300 --output-on-failure
  )
}

no_32bit=$(corvane_why_no_32bit)
layer32=
if [ -z "$no_32bit" ]; then
  echo "test: 32-bit Windows layer (unit, black-box) under Wine, beside the 64-bit one: $BUILD_ROOT/ctest-windows32.log"
  windows_layer i686 >"$BUILD_ROOT/ctest-windows32.log" 2>&1 &
  layer32=$!
fi
echo "test: 64-bit Windows layer (unit, black-box) under Wine"
rc=0
windows_layer x86_64 2>&1 | tee "$BUILD_ROOT/ctest-windows64.log" || rc=$?
count_layer windows64 "$rc"
if [ -n "$layer32" ]; then
  rc=0
  wait "$layer32" || rc=$?
  echo "test: the 32-bit Windows layer's output"
  cat "$BUILD_ROOT/ctest-windows32.log"
  count_layer windows32 "$rc"
fi

echo "test: native layer (sanitizers, fuzzing)"
cmake -S "$root/tests/core" -B "$BUILD_ROOT/core" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
if cmake --build "$BUILD_ROOT/core" -j2; then
  rc=0
  ctest --test-dir "$BUILD_ROOT/core" -j2 --output-on-failure 2>&1 | tee "$BUILD_ROOT/ctest-core.log" || rc=$?
  count_layer core "$rc"
else
  failures+=("core build")
fi

# Each says why in its output, in a line that starts "NOT RUN:".
for test in "${not_run[@]}"; do
  echo "test: not run: $test"
done
[ ${#not_run[@]} -eq 0 ] ||
  grep -ho 'NOT RUN: .*' "$BUILD_ROOT"/*/Testing/Temporary/LastTest.log 2>/dev/null | sort -u | sed 's/^/test: /'
[ -z "$no_32bit" ] || echo "test: 32-bit layer: NOT RUN: $no_32bit"
if [ ${#failures[@]} -gt 0 ]; then
  echo "test: FAILED in: ${failures[*]}"
  echo "Summary: $passed passed, $failed failed"
  exit 1
fi
echo "Summary: $passed passed, $failed failed"
