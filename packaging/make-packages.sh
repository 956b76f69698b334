#!/usr/bin/env bash
# Makes Corvane's packages from both builds in $BUILD_ROOT (x86_64 and i686) into
# $BUILD_ROOT/packages: a portable zip for each, the installer that holds both,
# and the SHA-256 sums of the three.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
BUILD_ROOT=$(cd "${BUILD_ROOT:-$(dirname "$here")/build}" && pwd)
export BUILD_ROOT
version=$("$here/version.sh")
packages=$BUILD_ROOT/packages
staging=$BUILD_ROOT/packages-staging

rm -rf "$packages" "$staging"
mkdir -p "$packages"

# A zip holds what the program reads beside itself, at its top level: Windows
# offers to extract it into a folder named after the zip.
for pair in x86:i686 x64:x86_64; do
  arch=${pair%%:*}
  build=$BUILD_ROOT/${pair#*:}/app
  folder=$staging/$arch
  mkdir -p "$folder/guide"
  cp "$build/Corvane.exe" "$build/skin.smf" "$build/USER-GUIDE.html" "$folder/"
  cp "$build"/guide/*.png "$folder/guide/"
  # CRLF, so that every Notepad shows the lines.
  sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$here/README.txt" >"$folder/README.txt"
  (cd "$folder" && zip -q -X -D -r "$packages/Corvane-$version-$arch.zip" .)
done
rm -rf "$staging"

"$here/make-installer.sh" "$packages/Corvane-$version-setup.exe"

names=("Corvane-$version-x86.zip" "Corvane-$version-x64.zip" "Corvane-$version-setup.exe")
(cd "$packages" && sha256sum "${names[@]}" >"Corvane-$version-SHA256SUMS.txt")
echo "packages: $packages"
ls -l "$packages"
