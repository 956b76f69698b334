#!/usr/bin/env bash
# Sets up, builds the 64-bit program and starts Corvane under Wine on a Wine
# virtual desktop (it has a taskbar, so the tray icon shows).
# With an X display the program runs until it is quit. Without one it runs on a
# virtual X server of its own, and the script leaves $BUILD_ROOT/screenshot.png
# of the running program and stops it.
# Wine offers no raw socket of the kind acceleration needs, so Corvane opens
# with acceleration stopped. CORVANE_STANDIN=administrator runs it under the
# administrator stand-in instead (scripts/wine-env.sh), where it accelerates.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_ROOT=${BUILD_ROOT:-$root/build}
standin=${CORVANE_STANDIN:-}

"$root/scripts/setup.sh"
"$root/scripts/build.sh" --program x86_64
[ -z "$standin" ] || cmake --build "$BUILD_ROOT/x86_64" --target raw_socket_preload

source "$root/scripts/wine-env.sh"
source "$root/scripts/xvfb.sh"

exe=$BUILD_ROOT/x86_64/app/Corvane.exe
desktop=(explorer /desktop=corvane,1024x768)
corvane_wine_prefix

if [ -n "${DISPLAY:-}" ]; then
  trap corvane_wineserver_stop EXIT
  [ -z "$standin" ] || corvane_standin "$standin"
  # The program's folder is the current one: it reads its files beside itself.
  cd "$(dirname "$exe")"
  wine "${desktop[@]}" "$exe"
  exit 0
fi

program=
cleanup() {
  corvane_wineserver_stop
  [ -z "$program" ] || wait "$program" 2>/dev/null || true
  corvane_xvfb_stop
}
trap cleanup EXIT

# The screen is the size of the Wine desktop, so the screenshot shows just that.
corvane_xvfb_start 1024x768x24
[ -z "$standin" ] || corvane_standin "$standin"
(cd "$(dirname "$exe")" && exec wine "${desktop[@]}" "$exe") &
program=$!

# The dialog's caption is exactly "Corvane"; the desktop window is "corvane - Wine desktop".
found=
for _ in $(seq 60); do
  if xdotool search --name '^Corvane$' >/dev/null 2>&1; then
    found=yes
    break
  fi
  kill -0 "$program" 2>/dev/null || break
  sleep 0.5
done
if [ -z "$found" ]; then
  echo "run: the Corvane window did not appear within 30 s" >&2
  exit 1
fi

sleep 2
shot=$BUILD_ROOT/screenshot.png
import -window root "$shot"
echo "run: screenshot of the running program: $shot"
