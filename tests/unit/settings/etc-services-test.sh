#!/usr/bin/env bash
# A services file nobody here wrote: Debian's /etc/services (package netbase),
# as it is and with its tabs turned into spaces (as Windows' own services file
# separates its fields), placed beside the probe program. The table the program
# builds must hold exactly the entries an independent count in awk finds, in
# reverse file order.
# Usage: etc-services-test.sh <ServicesProbe.exe> <scratch folder> <wine command...>
set -euo pipefail
probe=$1
scratch=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
[ -r /etc/services ] || { echo "no /etc/services (install netbase)" >&2; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch"
cp "$probe" "$scratch/probe.exe"
status=0
for variant in as-is spaced; do
  case $variant in
    as-is) cp /etc/services "$scratch/services" ;;
    spaced) tr '\t' ' ' </etc/services >"$scratch/services" ;;
  esac
  awk -f "$here/services-count.awk" "$scratch/services" | tac >"$scratch/expected"
  "$@" "$scratch/probe.exe" | tr -d '\r' >"$scratch/actual"
  expected=$(wc -l <"$scratch/expected")
  actual=$(wc -l <"$scratch/actual")
  echo "$variant: awk counts $expected entries, the program holds $actual"
  if ! diff -u "$scratch/expected" "$scratch/actual"; then
    status=1
  fi
done
[ "$(wc -l <"$scratch/actual")" -gt 100 ] || { echo "the spaced file gave too few entries to mean anything" >&2; status=1; }
rm -rf "$scratch"
exit $status
