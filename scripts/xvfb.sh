# Sourced: a virtual X server of our own on a display number it picks itself.

# Starts Xvfb with a screen of $1 (default 1280x1024x24), exports DISPLAY and sets CORVANE_XVFB_PID.
corvane_xvfb_start() {
  local screen=${1:-1280x1024x24} numberfile
  numberfile=$(mktemp)
  # -displayfd makes the server choose a free display and write its number once it accepts connections.
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
  CORVANE_XVFB_PID=$!
  local tries=0
  until [ -s "$numberfile" ]; do
    if ! kill -0 "$CORVANE_XVFB_PID" 2>/dev/null || [ $tries -ge 100 ]; then
      echo "xvfb: the virtual X server did not start" >&2
      rm -f "$numberfile"
      return 1
    fi
    sleep 0.1
    tries=$((tries + 1))
  done
  export DISPLAY=":$(tr -d '[:space:]' <"$numberfile")"
  rm -f "$numberfile"
  echo "xvfb: virtual X server on $DISPLAY"
}

corvane_xvfb_stop() {
  if [ -n "${CORVANE_XVFB_PID:-}" ]; then
    kill "$CORVANE_XVFB_PID" 2>/dev/null || true
    wait "$CORVANE_XVFB_PID" 2>/dev/null || true
    CORVANE_XVFB_PID=
  fi
}
