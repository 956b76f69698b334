# Sourced: the project's own 64-bit Wine prefix inside the build folder, and the
# functions that create it and keep one wineserver alive for it. Nothing here
# touches ~/.wine: every Wine call made through it carries WINEPREFIX.

CORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BUILD_ROOT=${BUILD_ROOT:-$CORVANE_ROOT/build}
export WINEPREFIX=$BUILD_ROOT/wineprefix
export WINEDEBUG=-all
export WINEARCH=win64

# The version of the prefix's settings below. The stamp file holds the version
# a prefix was last set up with: raise this number whenever the settings
# change, and a prefix made by an older version of this file gets them too.
CORVANE_PREFIX_VERSION=2

corvane_prefix_current() {
  [ "$(cat "$WINEPREFIX/.corvane-ready" 2>/dev/null)" = "$CORVANE_PREFIX_VERSION" ]
}

# Fonts as on Windows. This Wine looks for the fonts it ships (Marlett, whose
# glyphs are the caption buttons, Tahoma, the bitmap fonts) in a folder it
# cannot resolve and draws the close box as the letter "r": they are copied
# into the prefix's own Fonts folder. Windows makes "MS Shell Dlg", the
# dialogs' font, Microsoft Sans Serif; Wine makes it Tahoma, whose wider texts
# wrap or cut the labels the layout made for Windows. Carlito at 8 pt has
# Microsoft Sans Serif's dialog base units (6 x 13 pixels at 96 dpi), so the
# dialogs keep their Windows size, and its texts fit those labels.
corvane_prefix_fonts() {
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  if ! cp /usr/share/wine/fonts/* /usr/share/fonts/truetype/crosextra/Carlito-*.ttf "$fonts/"; then
    echo "wine: fonts are missing: scripts/setup.sh installs them" >&2
    return 1
  fi
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'MS Shell Dlg' /d Carlito /f >/dev/null 2>&1
}

# Creates the prefix once, and brings its settings up to date. The stamp is
# written last, so a creation that was cut short is redone; the lock keeps
# parallel test programs from racing on it.
corvane_wine_prefix() {
  corvane_prefix_current && return 0
  mkdir -p "$BUILD_ROOT"
  (
    flock 9
    corvane_prefix_current && exit 0
    if [ -f "$WINEPREFIX/.corvane-ready" ]; then
      echo "wine: updating the settings of the prefix $WINEPREFIX"
    else
      echo "wine: creating the prefix $WINEPREFIX"
      # Empty overrides for mscoree and mshtml stop wineboot asking to install Mono and Gecko.
      WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >/dev/null 2>&1
      wineserver -w
    fi
    # Without a window manager Wine waits about 2 s whenever a managed top-level
    # window is hidden or destroyed; unmanaged windows draw their own captions.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # The virtual desktop "corvane" (scripts/run.sh) gets a taskbar, where the tray icon sits.
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops\corvane' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1
    corvane_prefix_fonts || exit 1
    wineserver -w
    echo "$CORVANE_PREFIX_VERSION" >"$WINEPREFIX/.corvane-ready"
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
