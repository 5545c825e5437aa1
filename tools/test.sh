#!/usr/bin/env bash
# Installs what is missing, builds the product (i686) and the test build
# (x86_64), and runs every test under wine64 on a virtual display that
# lives only for this run. Extra arguments go to ctest (e.g. -R Wizard).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh

cmake --preset i686 >/dev/null
cmake --build --preset i686
cmake --preset x86_64 >/dev/null
cmake --build --preset x86_64

export WINEPREFIX=$PWD/out/wineprefix
# A session left from another display would serve this run's programs.
[ -d "$WINEPREFIX" ] && /usr/lib/wine/wineserver -k 2>/dev/null || true
displayfile=$(mktemp)
Xvfb -displayfd 5 -screen 0 2560x1600x24 -nolisten tcp 5>"$displayfile" 2>/dev/null &
xvfb=$!
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  rm -f "$displayfile"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "test: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$displayfile")"

ctest --preset x86_64 -j2 "$@"
