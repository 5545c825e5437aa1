#!/usr/bin/env bash
# Runs a Windows program of the x86_64 build under wine64 in the project's
# private prefix (out/wineprefix unless WINEPREFIX is given), with a fixed
# locale and no first-run prompts. CTest uses it as the cross-compiling
# emulator. The display comes from DISPLAY (tools/test.sh starts one).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/out/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64
export LC_ALL=C.UTF-8 LANG=C.UTF-8
wine=/usr/lib/wine/wine64

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Several tests may start at once on a new prefix: create it once.
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot -i >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w
  fi
  flock -u 9
fi
# Start the prefix's session once, quietly: one persistent server, and the
# helper processes that wine starts with a session (services, devices),
# which would otherwise inherit, and hold open, the output of the program
# that started them. Later programs find them running.
session_running() {
  local pid
  for pid in $(pgrep -f 'system32.services\.exe'); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
  done
  return 1
}
if ! session_running; then
  exec 8>"$WINEPREFIX.lock"
  flock 8
  if ! session_running; then
    /usr/lib/wine/wineserver -p >/dev/null 2>&1 </dev/null || true
    "$wine" cmd /c exit >/dev/null 2>&1 </dev/null || true
  fi
  flock -u 8
fi
exec "$wine" "$@"
