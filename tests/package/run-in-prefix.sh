#!/usr/bin/env bash
# ctest's emulator for the installer tests: runs the program under Wine in the
# prefix CORVANE_INSTALLER_PREFIX names (made by prepare.sh), or in the build
# root's own prefix for the target when it names none, as when ctest lists the tests.
# Usage: run-in-prefix.sh <build root> <x86_64|i686> <program.exe> [arguments...]
set -euo pipefail
export BUILD_ROOT=$1 CORVANE_TARGET=$2
shift 2
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
if [ -z "${CORVANE_INSTALLER_PREFIX:-}" ]; then
  corvane_wine_prefix >&2
  exec wine "$@"
fi

export WINEPREFIX=$CORVANE_INSTALLER_PREFIX
# Everything that ran in the prefix (the installed Corvane, Wine's own tray
# window) ends with the test: no window of it stays on the screen beside the
# next test.
status=0
wine "$@" || status=$?
wineserver -k 2>/dev/null || true
exit "$status"
