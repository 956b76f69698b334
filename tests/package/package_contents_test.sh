#!/usr/bin/env bash
# The packages as a user downloads them: each zip holds exactly what Corvane
# reads beside itself (its skin, the user guide and the guide's pictures) and a
# README.txt, with the program built for the zip's target; both installers are
# 32-bit programs, so that they run on 32-bit Windows too; the sums file names
# the four files with their right sums.
# Usage: package_contents_test.sh <build root>
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build_root=$1
version=$("$root/packaging/version.sh")
packages=$build_root/packages
failures=0

fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

# The machine field of a PE image's file header: 014c (i386) or 8664 (x86-64).
machine_of() {
  local header
  header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' '
}

expected=$(
  {
    printf '%s\n' Corvane.exe README.txt USER-GUIDE.html skin.smf
    for picture in "$root"/docs/guide/*.png; do
      echo "guide/$(basename "$picture")"
    done
  } | sort
)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for pair in x86:i686:014c x64:x86_64:8664; do
  IFS=: read -r arch target machine <<<"$pair"
  zip=$packages/Corvane-$version-$arch.zip
  name=$(basename "$zip")
  if [ ! -f "$zip" ]; then
    fail "no $zip"
    continue
  fi
  listing=$(unzip -Z1 "$zip" | sort)
  if [ "$listing" != "$expected" ]; then
    fail "$name holds other files than the program needs beside itself:"
    diff <(echo "$expected") <(echo "$listing") || true
  fi
  unzip -q "$zip" -d "$scratch/$arch"
  cmp -s "$scratch/$arch/Corvane.exe" "$build_root/$target/app/Corvane.exe" ||
    fail "$name holds another Corvane.exe than the $target build's"
  [ "$(machine_of "$scratch/$arch/Corvane.exe")" = "$machine" ] ||
    fail "$name: Corvane.exe is not built for machine $machine"
  [ "$(head -n 1 "$scratch/$arch/README.txt")" = "Corvane $version"$'\r' ] ||
    fail "$name: README.txt does not start with the CRLF line \"Corvane $version\""
done

for setup in "$packages/Corvane-$version-setup.exe" "$packages/Corvane-$version-setup-allusers.exe"; do
  if [ -f "$setup" ]; then
    [ "$(machine_of "$setup")" = 014c ] || fail "$(basename "$setup") is not a 32-bit program"
  else
    fail "no $setup"
  fi
done

sums=$packages/Corvane-$version-SHA256SUMS.txt
named=$(awk '{ print $2 }' "$sums" 2>/dev/null | sort)
wanted=$(printf '%s\n' "Corvane-$version-x86.zip" "Corvane-$version-x64.zip" "Corvane-$version-setup.exe" \
  "Corvane-$version-setup-allusers.exe" | sort)
[ "$named" = "$wanted" ] || fail "the sums file names other files: $named"
(cd "$packages" && sha256sum --quiet -c "$(basename "$sums")") || fail "a sum does not match its file"

if [ "$failures" -gt 0 ]; then
  echo "package contents: $failures failures"
  exit 1
fi
echo "package contents: both zips, both installers and the sums as expected"
