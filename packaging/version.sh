#!/usr/bin/env bash
# Prints Corvane's version, "4.6.0", from the three numbers in res/ProductInfo.h,
# the one place it is written.
set -euo pipefail

header=$(cd "$(dirname "$0")/.." && pwd)/res/ProductInfo.h
numbers=()
for part in MAJOR MINOR PATCH; do
  number=$(sed -n "s/^#define CORVANE_VERSION_$part \([0-9]\{1,\}\)\$/\1/p" "$header")
  if [ -z "$number" ]; then
    echo "version: no CORVANE_VERSION_$part number in $header" >&2
    exit 1
  fi
  numbers+=("$number")
done
echo "${numbers[0]}.${numbers[1]}.${numbers[2]}"
