#!/usr/bin/env bash
# Makes Corvane's installer from a 64-bit and a 32-bit folder, each holding
# what the program reads beside itself, the version taken from res/ProductInfo.h.
# Usage: make-installer.sh <setup.exe to write> <64-bit folder> <32-bit folder> [makensis options...]
#   the options come before the script, so they can set up what it then uses.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# Absolute paths: makensis works in the script's own folder.
output=$(realpath -m "$1")
x64_folder=$(realpath -e "$2")
x86_folder=$(realpath -e "$3")
shift 3

mkdir -p "$(dirname "$output")"
makensis -V2 -WX -INPUTCHARSET UTF8 \
  "-DVERSION=$("$here/version.sh")" \
  "-DX64_FOLDER=$x64_folder" \
  "-DX86_FOLDER=$x86_folder" \
  "-DOUTFILE=$output" \
  "$@" "$here/Corvane.nsi"
