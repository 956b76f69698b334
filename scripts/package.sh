#!/usr/bin/env bash
# Sets up, builds Corvane for both targets and makes its Windows packages in
# $BUILD_ROOT/packages: a portable zip for each target, one installer holding
# both, and the SHA-256 sums of the three (packaging/make-packages.sh).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_ROOT=${BUILD_ROOT:-$root/build}

"$root/scripts/setup.sh"
"$root/scripts/build.sh" --program x86_64 i686
"$root/packaging/make-packages.sh"
