#!/usr/bin/env bash
# Benchmark: time from starting OrvDeploy under Wine to its visible welcome
# page, median of several runs (default 9), on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
tools/setup.sh
cmake --preset x86_64 >/dev/null
cmake --build --preset x86_64 --target OrvDeploy StartupBench >/dev/null
export WINEPREFIX=$PWD/out/bench/wineprefix
mkdir -p "$(dirname "$WINEPREFIX")"
[ -d "$WINEPREFIX" ] && /usr/lib/wine/wineserver -k 2>/dev/null || true
displayfile=$(mktemp)
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$displayfile" 2>/dev/null &
xvfb=$!
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$displayfile")"
tools/winerun.sh cmd /c exit
tools/winerun.sh out/x86_64/tests/StartupBench.exe "$(printf 'Z:%s' "$PWD/out/x86_64/OrvDeploy.exe" | tr / '\\')" "$runs"
