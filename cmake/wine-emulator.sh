#!/usr/bin/env bash
# ctest's emulator for the Windows programs: runs one in the build root's own Wine
# prefix for the target it was built for (created on first use), never in
# ~/.wine; with --as administrator or --as user, in that stand-in's prefix and
# wineserver (scripts/wine-env.sh).
# Usage: wine-emulator.sh <build root> <x86_64|i686> [--as <stand-in>] <program.exe> [arguments...]
set -euo pipefail
export BUILD_ROOT=$1 CORVANE_TARGET=$2
shift 2
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/wine-env.sh"
role=
if [ "${1:-}" = --as ]; then
  role=$2
  corvane_standin "$role" >&2
  shift 2
else
  corvane_wine_prefix >&2
fi
# A raw socket of the administrator stand-in receives every datagram sent to
# its address, whoever sent it: the tests under it take turns with those of
# the other target's layer, which runs beside this one (scripts/test.sh).
# Listing a program's tests, which ctest does as it starts, opens no socket
# and waits for none.
if [ "$role" = administrator ] && [ "${2:-}" != --gtest_list_tests ]; then
  exec flock -o "$BUILD_ROOT/raw-sockets.lock" wine "$@"
fi
exec wine "$@"
