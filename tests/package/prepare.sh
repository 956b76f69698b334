#!/usr/bin/env bash
# Before the installer tests: both shipped installer scripts made into 64-bit
# programs, once as they are and once going the way they go on 32-bit
# Windows; the all-users installer as it ships, a 32-bit program, with a tiny
# 32-bit program that tells whether the Wine at hand runs 32-bit programs at
# all; and a fresh Wine prefix for them, made the way the project's own
# prefix is.
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
on_32bit_windows="-X!include $here/on-32bit-windows.nsh"
rm -rf "$installers"
builds=("$BUILD_ROOT/x86_64/app" "$BUILD_ROOT/i686/app")
make_installer=$root/packaging/make-installer.sh
"$make_installer" "$installers/corvane-setup.exe" "${builds[@]}" "${as_64bit_program[@]}"
"$make_installer" "$installers/corvane-setup-on-32bit-windows.exe" "${builds[@]}" "${as_64bit_program[@]}" \
  "$on_32bit_windows"
"$make_installer" --all-users "$installers/corvane-setup-allusers.exe" "${builds[@]}" "${as_64bit_program[@]}"
"$make_installer" --all-users "$installers/corvane-setup-allusers-on-32bit-windows.exe" "${builds[@]}" \
  "${as_64bit_program[@]}" "$on_32bit_windows"
"$make_installer" --all-users "$installers/corvane-setup-allusers-32bit.exe" "${builds[@]}"
# Under a Wine that cannot run 32-bit programs, starting one succeeds and it
# "ends" with 0 without having run: this one ends with 32 when it runs.
printf 'int main(void) { return 32; }\n' >"$installers/ia32-probe.c"
i686-w64-mingw32-gcc -o "$installers/ia32-probe.exe" "$installers/ia32-probe.c"

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
