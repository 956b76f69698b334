#!/usr/bin/env bash
# The packages are the same bytes when made again from the same sources: the
# program alone is built afresh for both targets in a second folder, through
# another path to the sources, minutes later, under another umask and time
# zone, and packed; the sums of its packages must be those of the build's own.
# On a difference it names the files, and the members of the zips, that differ.
# Usage: reproducible_test.sh <build root> <folder for the second build>
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build_root=$1
second=$2
version=$("$root/packaging/version.sh")
sums=Corvane-$version-SHA256SUMS.txt

rm -rf "$second"
mkdir -p "$second"
ln -s "$root" "$second/sources"
if ! (
  umask 077
  export TZ=Asia/Kathmandu BUILD_ROOT=$second
  "$second/sources/scripts/build.sh" --program x86_64 i686
  "$second/sources/packaging/make-packages.sh"
) >"$second/log.txt" 2>&1; then
  tail -n 30 "$second/log.txt"
  echo "FAILED: the second build or its packages (all of it in $second/log.txt)"
  exit 1
fi

if cmp -s "$build_root/packages/$sums" "$second/packages/$sums"; then
  cat "$second/packages/$sums"
  echo "reproducible: both builds' packages have the same sums"
  exit 0
fi

echo "FAILED: the packages of the two builds differ"
diff "$build_root/packages/$sums" "$second/packages/$sums" || true
# Byte offsets count from 1, as cmp counts them.
for name in $(awk '{ print $2 }' "$second/packages/$sums"); do
  first=$build_root/packages/$name
  again=$second/packages/$name
  cmp -s "$first" "$again" && continue
  echo "$name: $(cmp -l "$first" "$again" 2>/dev/null | wc -l) bytes differ, the first at $(cmp "$first" "$again" | sed 's/.*byte \([0-9]*\).*/\1/')"
  case $name in
    *.zip)
      # What each holds, then how it lists it: names, modes, times, sizes.
      unzipped=$second/unzipped/$name
      rm -rf "$unzipped"
      mkdir -p "$unzipped"
      unzip -q "$first" -d "$unzipped/first"
      unzip -q "$again" -d "$unzipped/again"
      diff -rq "$unzipped/first" "$unzipped/again" || true
      diff <(zipinfo -l "$first" | tail -n +2) <(zipinfo -l "$again" | tail -n +2) || true
      ;;
  esac
done
exit 1
