#!/usr/bin/env bash
# Before the installer tests: both shipped installer scripts made into
# programs, and a fresh Wine prefix for the target's tests (64-bit for x86_64,
# 32-bit for i686), made the way the project's own prefix is.
# Usage: prepare.sh <build root> <x86_64|i686> <folder for the installers> <prefix>
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
export BUILD_ROOT=$1 CORVANE_TARGET=$2
installers=$3
prefix=$4

source "$root/scripts/wine-env.sh"
rm -rf "$installers"
builds=("$BUILD_ROOT/x86_64/app" "$BUILD_ROOT/i686/app")
# The installers are 32-bit programs, and are tested as they ship wherever Wine
# runs 32-bit code: on 64-bit Windows only the all-users script's choice of the
# 64-bit registry view and Program Files folder then puts the 64-bit build
# where that Windows looks for it. Where Wine has no 32-bit side, they are made
# into 64-bit programs that go the 64-bit way; makensis then warns that the
# 32-bit way's label is never jumped to.
options=()
corvane_wine32_installed || options=("-XTarget amd64-unicode" "-X!pragma warning disable 6012")
"$root/packaging/make-installer.sh" "$installers/corvane-setup.exe" "${builds[@]}" "${options[@]}"
"$root/packaging/make-installer.sh" --all-users "$installers/corvane-setup-allusers.exe" "${builds[@]}" "${options[@]}"

export WINEPREFIX=$prefix
# A server left by an earlier run that was cut short goes with its prefix.
wineserver -k 2>/dev/null || true
rm -rf "$prefix"
corvane_wine_prefix
# The installer's shortcut would have Wine's menu builder add a Corvane entry to
# the desktop menus of the machine itself.
wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /d '' /f >/dev/null 2>&1
wineserver -w
