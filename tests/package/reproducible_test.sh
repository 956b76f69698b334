#!/usr/bin/env bash
# The packages are the same bytes when made again from the same sources: the
# program alone is built afresh for both targets in a second folder, through
# another path to the sources, minutes later, under another umask and time
# zone, and packed; the sums of its packages must be those of the packages of
# the build's own programs, and its manifests the same bytes. On a difference
# it names the files, the lines of the manifests and the members of the zips
# that differ.
# Usage: reproducible_test.sh <build root> <scratch folder>
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build_root=$1
scratch=$2
version=$("$root/packaging/version.sh")
sums=Corvane-$version-SHA256SUMS.txt
first=$scratch/first
second=$scratch/second

rm -rf "$scratch"
mkdir -p "$first" "$second"
# The build's programs, packed in a build root of the test's own.
ln -s "$build_root/x86_64" "$build_root/i686" "$first/"
BUILD_ROOT=$first "$root/packaging/make-packages.sh" >/dev/null

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

manifests=packages/manifests
if cmp -s "$first/packages/$sums" "$second/packages/$sums" &&
  diff -r "$first/$manifests" "$second/$manifests" >/dev/null; then
  cat "$second/packages/$sums"
  echo "reproducible: both builds' packages have the same sums, and the same manifests"
  exit 0
fi

echo "FAILED: the packages of the two builds differ"
diff "$first/packages/$sums" "$second/packages/$sums" || true
diff -r "$first/$manifests" "$second/$manifests" || true
# Byte offsets count from 1, as cmp counts them.
for name in $(awk '{ print $2 }' "$second/packages/$sums"); do
  one=$first/packages/$name
  again=$second/packages/$name
  cmp -s "$one" "$again" && continue
  echo "$name: $(cmp -l "$one" "$again" 2>/dev/null | wc -l) bytes differ, the first at $(cmp "$one" "$again" | sed 's/.*byte \([0-9]*\).*/\1/')"
  case $name in
    *.zip)
      # What each holds, then how it lists it: names, modes, times, sizes.
      unzipped=$scratch/unzipped/$name
      mkdir -p "$unzipped"
      unzip -q "$one" -d "$unzipped/first"
      unzip -q "$again" -d "$unzipped/second"
      diff -rq "$unzipped/first" "$unzipped/second" || true
      diff <(zipinfo -l "$one" | tail -n +2) <(zipinfo -l "$again" | tail -n +2) || true
      ;;
  esac
done
exit 1
