#!/usr/bin/env bash
# Installs what is missing, builds the product (i686) and the test build
# (x86_64), and runs every test under wine64 on a virtual display that
# lives only for this run. Extra arguments go to ctest (e.g. -R Wizard).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/display.sh
tools/build.sh

export WINEPREFIX=$PWD/out/wineprefix
# A session left from another display would serve this run's programs.
end_wine_session
# Large enough that windows a test moves to the corner are clear of the
# centred windows of tests running beside it.
start_virtual_display 2560x1600x24
ctest --preset x86_64 -j2 "$@"
