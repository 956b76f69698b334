#!/usr/bin/env bash
# ctest's emulator for the Windows programs: runs one in the build root's own Wine
# prefix (created on first use), never in ~/.wine.
# Usage: wine-emulator.sh <build root> <program.exe> [arguments...]
set -euo pipefail
export BUILD_ROOT=$1
shift
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/wine-env.sh"
corvane_wine_prefix >&2
exec wine "$@"
