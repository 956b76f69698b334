#!/usr/bin/env bash
# Sets up, builds Corvane for both targets and makes its Windows packages in
# $BUILD_ROOT/packages: a portable zip for each target, two installers
# holding both (for the current user, and for all users), the SHA-256 sums of
# the four and the manifests for winget and Scoop (packaging/make-packages.sh).
# With CORVANE_SIGN_PFX (a PKCS#12 file) and CORVANE_SIGN_PASSWORD set, the
# programs and the installers are signed; CORVANE_SIGN_TIMESTAMP_URL adds an
# RFC 3161 time stamp from that server (packaging/sign.sh).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_ROOT=${BUILD_ROOT:-$root/build}

"$root/scripts/setup.sh"
# A certificate that does not open stops the run before the build, and like
# any run that stops, leaves no packages: none of an earlier run that could
# pass for this one's.
rm -rf "$BUILD_ROOT/packages"
[ -z "${CORVANE_SIGN_PFX:-}" ] || "$root/packaging/sign.sh" --check
"$root/scripts/build.sh" --program x86_64 i686
"$root/packaging/make-packages.sh"
