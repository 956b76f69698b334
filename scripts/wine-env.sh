# Sourced: the project's own Wine prefix inside the build folder, and the
# functions that create it and keep one wineserver alive for it. Nothing here
# touches ~/.wine: every Wine call made through it carries WINEPREFIX.
# CORVANE_TARGET names the build whose programs run: x86_64 (the default) in
# the 64-bit prefix $BUILD_ROOT/wineprefix, i686 in the 32-bit prefix
# $BUILD_ROOT/wineprefix32; each has its own stand-ins and copies beside it.

CORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$CORVANE_ROOT/scripts/ia32.sh"
export BUILD_ROOT=${BUILD_ROOT:-$CORVANE_ROOT/build}
export CORVANE_TARGET=${CORVANE_TARGET:-x86_64}
case $CORVANE_TARGET in
  x86_64) export WINEARCH=win64 CORVANE_PREFIX=$BUILD_ROOT/wineprefix ;;
  i686) export WINEARCH=win32 CORVANE_PREFIX=$BUILD_ROOT/wineprefix32 ;;
  *) echo "wine: unknown target '$CORVANE_TARGET' (x86_64 or i686)" >&2; return 2 ;;
esac
export WINEPREFIX=$CORVANE_PREFIX
export WINEDEBUG=-all

# The version of the prefix's settings below. The stamp file holds the version
# a prefix was last set up with and the Wine it was made for: raise this
# number whenever the settings change, and a prefix made by an older version
# of this file gets them too.
CORVANE_PREFIX_VERSION=2

# The Wine a prefix is made for: its architecture, and for a 64-bit prefix
# whether it has the 32-bit side it gets only when wine32 is installed as it is
# made. Once wine32 comes, a 64-bit prefix made without it fails at its next
# start ("could not load kernel32.dll"): a prefix made for another Wine than
# this one is made anew, and its copies after it.
corvane_wine_kind() {
  if corvane_wine32_installed; then
    echo "$WINEARCH with wine32"
  else
    echo "$WINEARCH"
  fi
}

corvane_prefix_current() {
  [ "$(cat "$WINEPREFIX/.corvane-ready" 2>/dev/null)" = "$CORVANE_PREFIX_VERSION $(corvane_wine_kind)" ]
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
    local made
    made=$(cat "$WINEPREFIX/.corvane-ready" 2>/dev/null || true)
    if [ "${made#* }" = "$(corvane_wine_kind)" ]; then
      echo "wine: updating the settings of the prefix $WINEPREFIX"
    else
      # A prefix made for another Wine, or whose making was cut short.
      [ ! -d "$WINEPREFIX" ] || wineserver -k 2>/dev/null || true
      rm -rf "$WINEPREFIX"
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
    echo "$CORVANE_PREFIX_VERSION $(corvane_wine_kind)" >"$WINEPREFIX/.corvane-ready"
  ) 9>"$CORVANE_PREFIX.lock"
}

# Whether Wine's explorer serves the desktop's shell, which an elevated
# Corvane starts every program through. Explorer registers it once, as a
# server's first program starts, beside the RPC service that the same start
# brings up; under load a registration that loses that race is never made,
# and no program of that server reaches the shell (tests/ui/standins/
# ShellReady.cpp). True where the check is not built: scripts/run.sh builds
# the program alone.
corvane_shell_ready() {
  local check=$BUILD_ROOT/$CORVANE_TARGET/tests/ui/standins/ShellReady.exe
  [ ! -f "$check" ] || wine "$check" </dev/null >/dev/null 2>&1
}

# Starts the prefix's wineserver with the command "$@" (wineserver -p and
# what it runs under) unless it runs, and its first program, which brings up
# Wine's services and explorer; a server whose explorer did not register the
# desktop's shell is ended and started again, up to three times. Status 2:
# the server ran already.
corvane_wineserver_boot() {
  local attempt status
  for attempt in 1 2 3; do
    status=0
    "$@" </dev/null >/dev/null 2>&1 || status=$?
    [ "$status" -eq 0 ] || return "$status"
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
    corvane_shell_ready && return 0
    echo "wine: explorer in $WINEPREFIX did not register the desktop's shell (start $attempt of 3)" >&2
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
  done
  return 1
}

# One persistent wineserver for the prefix: every Wine process after it starts in
# well under a second instead of waiting for a server of its own.
corvane_wineserver_start() {
  local status=0
  corvane_wineserver_boot wineserver -p || status=$?
  [ "$status" -eq 0 ] || [ "$status" -eq 2 ]
}

# Ends the wineservers of the target's plain prefix and of its stand-ins, and
# every Wine process in them; none other.
corvane_wineserver_stop() {
  local prefix
  for prefix in "$CORVANE_PREFIX" "$CORVANE_PREFIX-administrator" "$CORVANE_PREFIX-user" "$CORVANE_PREFIX-shell"; do
    [ ! -d "$prefix" ] || WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  done
}

# Makes WINEPREFIX a copy of the prefix $1 unless it is one of the current
# version already: a copy takes a few seconds where a new prefix takes ten or
# more. The caller holds a lock of its own on the copy.
corvane_prefix_copy() {
  corvane_prefix_current && return 0
  echo "wine: copying the prefix $1 to $WINEPREFIX"
  [ ! -d "$WINEPREFIX" ] || wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX" "$WINEPREFIX.part"
  cp -a "$1" "$WINEPREFIX.part"
  mv "$WINEPREFIX.part" "$WINEPREFIX"
}

# The stand-ins for the rights that acceleration's raw socket needs. Wine
# makes every socket of its programs in the wineserver, so that server's Linux
# capabilities decide, as the user's rights decide on Windows. Each stand-in is
# a copy of the target's plain prefix ($CORVANE_PREFIX-administrator,
# $CORVANE_PREFIX-user) with a persistent wineserver of its own, started
# with the raw socket stand-in (tests/rawsocket) preloaded:
#   administrator  raw sockets are allowed: acceleration runs and receives;
#   user           the server lacks CAP_NET_RAW: the socket is refused with
#                  WSAEACCES (10013), as on Windows without administrator rights.
# The plain prefix is the third case: Linux has no raw socket of protocol 0, and
# Wine refuses it with WSAEPROTONOSUPPORT (10043) even to root.
# The administrator stand-in needs a user who may open raw sockets: root here.
# A fourth copy, shell, has a plain wineserver of its own, started afresh for
# every program run in it, for the tests that end Wine's explorer: the ended
# explorer's registration of the shell's windows object stays with the
# wineserver's COM services, and no program of that wineserver reaches the
# desktop's shell again until the server ends.
CORVANE_RAW_SOCKET_PRELOAD=${CORVANE_RAW_SOCKET_PRELOAD:-$BUILD_ROOT/$CORVANE_TARGET/tests/rawsocket/raw-socket-preload.so}

# corvane_standin administrator|user|shell: makes WINEPREFIX the stand-in's prefix
# (copied from the plain one, made first if need be, when it has none or an
# older one) and starts its wineserver unless it runs. CORVANE_RAW_SOCKET_LOG
# names the file in which the server lists the inode of every raw socket it
# makes, one a line.
corvane_standin() {
  local role=$1 limits=() preload=(env LD_PRELOAD="$CORVANE_RAW_SOCKET_PRELOAD")
  case $role in
    administrator) ;;
    user) limits=(setpriv --bounding-set -net_raw --inh-caps -net_raw) ;;
    shell) preload=() ;;
    *) echo "wine: unknown stand-in '$role' (administrator, user or shell)" >&2; return 2 ;;
  esac
  if [ ${#preload[@]} -gt 0 ] && [ ! -f "$CORVANE_RAW_SOCKET_PRELOAD" ]; then
    echo "wine: $CORVANE_RAW_SOCKET_PRELOAD is missing: build $CORVANE_TARGET first" >&2
    return 1
  fi
  corvane_wine_prefix || return 1
  local plain=$WINEPREFIX
  export WINEPREFIX=$CORVANE_PREFIX-$role
  export CORVANE_RAW_SOCKET_LOG=$WINEPREFIX/raw-sockets.log
  # The lock keeps parallel test programs from copying or starting twice. No
  # Wine process of the prefix runs before its server: one that found none
  # would start a plain server of its own.
  (
    flock 9
    corvane_prefix_copy "$plain"
    # The shell stand-in's server starts afresh for every program run in it:
    # each test there finds Wine's explorer serving the desktop's shell.
    if [ "$role" = shell ]; then
      wineserver -k </dev/null >/dev/null 2>&1 9>&- || true
      wineserver -w </dev/null >/dev/null 2>&1 9>&- || true
    fi
    # Exit status 2: the prefix's server runs already. Neither the server nor
    # the Wine processes that stay with it (services, the desktop) keep the
    # lock or the caller's output open: ctest waits for the end of a
    # program's output.
    local status=0
    corvane_wineserver_boot "${limits[@]}" "${preload[@]}" wineserver -p 9>&- || status=$?
    [ "$status" -ne 2 ] || exit 0
    if [ "$status" -ne 0 ]; then
      echo "wine: the $role stand-in's wineserver did not start (status $status)" >&2
      exit 1
    fi
  ) 9>"$CORVANE_PREFIX-$role.lock"
}
