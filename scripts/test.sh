#!/usr/bin/env bash
# Sets up, builds both targets and runs every test layer:
#   Windows: unit and black-box tests (ctest under Wine, on a virtual X server)
#   native:  the platform-neutral code under ASan/UBSan, and short fuzz runs
# Exits non-zero when anything fails; the last line sums up all layers.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_ROOT=${BUILD_ROOT:-$root/build}

"$root/scripts/setup.sh"
"$root/scripts/build.sh" x86_64 i686

source "$root/scripts/wine-env.sh"
source "$root/scripts/xvfb.sh"

passed=0
failed=0
failures=()
# Tests that said they could not run here: ctest counts them as passed.
not_run=()

cleanup() {
  corvane_wineserver_stop
  corvane_xvfb_stop
}
trap cleanup EXIT

# Runs ctest in one build folder and adds its counts to the totals.
run_layer() {
  local layer=$1
  shift
  local log=$BUILD_ROOT/ctest-$layer.log
  local rc=0
  ctest "$@" --output-on-failure 2>&1 | tee "$log" || rc=$?
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

echo "test: Windows layer (unit, black-box) under Wine"
corvane_wine_prefix
corvane_xvfb_start
corvane_wineserver_start
# Tests from corvane_ui_test are RUN_SERIAL: each runs with no other test beside it.
run_layer windows --test-dir "$BUILD_ROOT/x86_64" -j2 --timeout 300
corvane_wineserver_stop

echo "test: native layer (sanitizers, fuzzing)"
cmake -S "$root/tests/core" -B "$BUILD_ROOT/core" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
if cmake --build "$BUILD_ROOT/core" -j2; then
  run_layer core --test-dir "$BUILD_ROOT/core" -j2
else
  failures+=("core build")
fi

# The i686 program is only linked: say plainly whether this machine could run it,
# from a tiny 32-bit program rather than the kernel's name.
ia32_probe() {
  local dir=$BUILD_ROOT/ia32-probe
  mkdir -p "$dir"
  printf '.globl _start\n_start:\n movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' >"$dir/exit.s"
  as --32 "$dir/exit.s" -o "$dir/exit.o" && ld -m elf_i386 "$dir/exit.o" -o "$dir/exit" &&
    "$dir/exit" 2>/dev/null
}
if ia32_probe; then
  ia32_line="test: 32-bit layer: NOT RUN: the tests are built for the 64-bit program only"
else
  ia32_line="test: 32-bit layer: NOT RUN: this machine cannot execute 32-bit code (a tiny 32-bit program was refused), so the i686 build is linked but never run"
fi

# Each says why in its output, in a line that starts "NOT RUN:".
for test in "${not_run[@]}"; do
  echo "test: not run: $test"
done
[ ${#not_run[@]} -eq 0 ] ||
  grep -ho 'NOT RUN: .*' "$BUILD_ROOT"/*/Testing/Temporary/LastTest.log 2>/dev/null | sort -u | sed 's/^/test: /'
if [ ${#failures[@]} -gt 0 ]; then
  echo "test: FAILED in: ${failures[*]}"
  echo "$ia32_line"
  echo "Summary: $passed passed, $failed failed"
  exit 1
fi
echo "$ia32_line"
echo "Summary: $passed passed, $failed failed"
