#!/usr/bin/env bash
# Makes one of Corvane's installers from a 64-bit and a 32-bit folder, each
# holding what the program reads beside itself, the version taken from
# res/ProductInfo.h: the per-user installer (Corvane.nsi), or with --all-users
# the all-users one (CorvaneAllUsers.nsi). With CORVANE_SIGN_PFX set, the
# uninstaller is signed before it goes into the installer, and the installer
# once it is written (sign.sh).
# Usage: make-installer.sh [--all-users] <setup.exe to write> <64-bit folder> <32-bit folder> [makensis options...]
#   the options come before the script, so they can set up what it then uses.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
script=$here/Corvane.nsi
if [ "${1:-}" = --all-users ]; then
  script=$here/CorvaneAllUsers.nsi
  shift
fi
# Absolute paths: makensis works in the script's own folder.
output=$(realpath -m "$1")
x64_folder=$(realpath -e "$2")
x86_folder=$(realpath -e "$3")
shift 3

# makensis runs each command through the shell, the file in place of %1; the
# installer is made only when each ends with status 0.
signing=()
if [ -n "${CORVANE_SIGN_PFX:-}" ]; then
  signing=("-X!uninstfinalize '\"$here/sign.sh\" \"%1\"' = 0" "-X!finalize '\"$here/sign.sh\" \"%1\"' = 0")
fi

mkdir -p "$(dirname "$output")"
makensis -V2 -WX -INPUTCHARSET UTF8 \
  "-DVERSION=$("$here/version.sh")" \
  "-DX64_FOLDER=$x64_folder" \
  "-DX86_FOLDER=$x86_folder" \
  "-DOUTFILE=$output" \
  "${signing[@]}" "$@" "$script"
