# Sourced: the project's own 64-bit Wine prefix inside the build folder, and the
# functions that create it and keep one wineserver alive for it. Nothing here
# touches ~/.wine: every Wine call made through it carries WINEPREFIX.

CORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BUILD_ROOT=${BUILD_ROOT:-$CORVANE_ROOT/build}
export WINEPREFIX=$BUILD_ROOT/wineprefix
export WINEDEBUG=-all
export WINEARCH=win64

# Creates the prefix once. The stamp is written last, so a creation that was cut
# short is redone; the lock keeps parallel test programs from racing on it.
corvane_wine_prefix() {
  [ -f "$WINEPREFIX/.corvane-ready" ] && return 0
  mkdir -p "$BUILD_ROOT"
  (
    flock 9
    [ -f "$WINEPREFIX/.corvane-ready" ] && exit 0
    echo "wine: creating the prefix $WINEPREFIX"
    # Empty overrides for mscoree and mshtml stop wineboot asking to install Mono and Gecko.
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >/dev/null 2>&1
    wineserver -w
    # Without a window manager Wine waits about 2 s whenever a managed top-level
    # window is hidden or destroyed; unmanaged windows draw their own captions.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # The virtual desktop "corvane" (scripts/run.sh) gets a taskbar, where the tray icon sits.
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops\corvane' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.corvane-ready"
  ) 9>"$BUILD_ROOT/wineprefix.lock"
}

# One persistent wineserver for the prefix: every Wine process after it starts in
# well under a second instead of waiting for a server of its own.
corvane_wineserver_start() {
  wineserver -p
  wine cmd /c exit >/dev/null 2>&1 || true
}

# Ends the prefix's wineserver and every Wine process in the prefix; none other.
corvane_wineserver_stop() {
  wineserver -k 2>/dev/null || true
}
