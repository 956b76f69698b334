#!/usr/bin/env bash
# Takes the user guide's pictures afresh from the running program and puts them
# in docs/guide, where the build and the packages take them from. Every test run
# takes them too, into the build folder alone, so that a test leaves the
# committed pictures as they are; commit the new ones after looking at them.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_ROOT=${BUILD_ROOT:-$root/build}

"$root/scripts/setup.sh"
"$root/scripts/build.sh" x86_64

source "$root/scripts/wine-env.sh"
source "$root/scripts/xvfb.sh"

cleanup() {
  corvane_wineserver_stop
  corvane_xvfb_stop
}
trap cleanup EXIT

# The test's folder for them (tests/ui/CMakeLists.txt), emptied first so that
# only pictures of this run are taken over.
fresh=$BUILD_ROOT/x86_64/tests/ui/guide-pictures
rm -f "$fresh"/*.png
corvane_wine_prefix
corvane_xvfb_start
corvane_wineserver_start
ctest --test-dir "$BUILD_ROOT/x86_64" -R '^guide_ui_tests\.GuidePictures\.' --output-on-failure --no-tests=error
cp "$fresh"/*.png "$root/docs/guide/"
git -C "$root" status --short docs/guide
