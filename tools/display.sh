# Sourced by the scripts that run Wine on a display of their own.

# Ends the Wine session of $WINEPREFIX, if one runs.
end_wine_session() {
  if [ -d "$WINEPREFIX" ]; then /usr/lib/wine/wineserver -k 2>/dev/null || true; fi
}

# Starts Xvfb on a free display with a screen of the given size ("WxHxD"),
# exports DISPLAY, and on exit ends the Wine session and the display.
start_virtual_display() {
  local displayfile
  displayfile=$(mktemp)
  Xvfb -displayfd 5 -screen 0 "$1" -nolisten tcp 5>"$displayfile" 2>/dev/null &
  virtual_display_pid=$!
  trap stop_virtual_display EXIT
  for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
  if [ ! -s "$displayfile" ]; then echo "Xvfb did not start" >&2; exit 1; fi
  export DISPLAY=":$(head -n1 "$displayfile")"
  rm -f "$displayfile"
}

stop_virtual_display() {
  end_wine_session
  kill "$virtual_display_pid" 2>/dev/null || true
  wait "$virtual_display_pid" 2>/dev/null || true
}

# Runs Wine from the prefix $1 on a virtual display of size $2 of its own,
# with the prefix's session started, for the tools that show windows.
start_wine_on_virtual_display() {
  export WINEPREFIX=$1
  mkdir -p "$(dirname "$WINEPREFIX")"
  end_wine_session
  start_virtual_display "$2"
  tools/winerun.sh cmd /c exit
}
