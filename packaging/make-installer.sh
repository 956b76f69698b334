#!/usr/bin/env bash
# Makes Corvane's installer from both builds in $BUILD_ROOT (x86_64 and i686),
# the version taken from res/ProductInfo.h.
# Usage: make-installer.sh <setup.exe to write> [makensis options...]
#   the options come before the script, so they can set up what it then uses.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# Absolute paths: makensis works in the script's own folder.
BUILD_ROOT=$(cd "${BUILD_ROOT:-$(dirname "$here")/build}" && pwd)
export BUILD_ROOT
output=$(realpath -m "$1")
shift

mkdir -p "$(dirname "$output")"
makensis -V2 -WX -INPUTCHARSET UTF8 \
  "-DVERSION=$("$here/version.sh")" \
  "-DX64_FOLDER=$BUILD_ROOT/x86_64/app" \
  "-DX86_FOLDER=$BUILD_ROOT/i686/app" \
  "-DOUTFILE=$output" \
  "$@" "$here/Corvane.nsi"
