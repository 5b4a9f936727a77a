# A private X display for Wine. Sourced by the scripts and by the Wine runner.
#
# start_display: starts a 1920x1080 Xvfb on a free display number and
# exports DISPLAY. stop_display: ends it, and first the Wine server that
# holds a connection to it.
start_display() {
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$fd_file" 2>/dev/null &
  DISPLAY_PID=$!
  for _ in $(seq 100); do
    [ -s "$fd_file" ] && break
    sleep 0.05
  done
  export DISPLAY=":$(head -n1 "$fd_file")"
  rm -f "$fd_file"
}

stop_display() {
  WINEPREFIX="${WINEPREFIX:-${VELQORA_WINEPREFIX:-$PWD/build/wineprefix}}" \
    /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$DISPLAY_PID" 2>/dev/null || true
  wait "$DISPLAY_PID" 2>/dev/null || true
}
