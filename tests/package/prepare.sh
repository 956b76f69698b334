#!/usr/bin/env bash
# Before the installer tests: the shipped installer script made twice into a
# 64-bit program (32-bit code cannot execute here), once as it is and once
# going the way it goes on 32-bit Windows; and a fresh Wine prefix for them,
# made the way the project's own prefix is.
# Usage: prepare.sh <build root> <folder for the installers> <prefix>
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
export BUILD_ROOT=$1
installers=$2
prefix=$3

# A 64-bit installer knows when it is made that it runs on 64-bit Windows:
# makensis then warns that the 32-bit way's label is never jumped to.
as_64bit_program=("-XTarget amd64-unicode" "-X!pragma warning disable 6012")
rm -rf "$installers"
builds=("$BUILD_ROOT/x86_64/app" "$BUILD_ROOT/i686/app")
"$root/packaging/make-installer.sh" "$installers/corvane-setup.exe" "${builds[@]}" "${as_64bit_program[@]}"
"$root/packaging/make-installer.sh" "$installers/corvane-setup-on-32bit-windows.exe" "${builds[@]}" "${as_64bit_program[@]}" \
  "-X!include $here/on-32bit-windows.nsh"

source "$root/scripts/wine-env.sh"
export WINEPREFIX=$prefix
# A server left by an earlier run that was cut short goes with its prefix.
wineserver -k 2>/dev/null || true
rm -rf "$prefix"
corvane_wine_prefix
# The installer's shortcut would have Wine's menu builder add a Corvane entry to
# the desktop menus of the machine itself.
wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /d '' /f >/dev/null 2>&1
wineserver -w
