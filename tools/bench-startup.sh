#!/usr/bin/env bash
# Benchmark: time from starting OrvDeploy under Wine to its visible welcome
# page, median of several runs (default 9), on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/display.sh
runs=${1:-9}
tools/build.sh OrvDeploy StartupBench
start_wine_on_virtual_display "$PWD/out/bench/wineprefix" 1280x1024x24
tools/winerun.sh out/x86_64/tests/StartupBench.exe "$(printf 'Z:%s' "$PWD/out/x86_64/OrvDeploy.exe" | tr / '\\')" "$runs"
