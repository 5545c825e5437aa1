#!/usr/bin/env bash
# Builds OrvDeploy and starts it under Wine in a demo prefix of its own.
# With DISPLAY set, the wizard opens on that display for you to use.
# Without one, it runs on a virtual display: a walk through the pages saves
# a picture of each into out/demo/screenshots, and the program exits.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/display.sh
tools/build.sh OrvDeploy DemoWalk

# This machine runs 64-bit Windows code only, so the demo runs the x86_64
# build of the same sources; out/i686/OrvDeploy.exe is the product.
program=$PWD/out/x86_64/OrvDeploy.exe
export WINEPREFIX=$PWD/out/demo/wineprefix
mkdir -p "$(dirname "$WINEPREFIX")"
end_wine_session

snapshot() { cat "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" 2>/dev/null | grep -v '^#time' || true; }

if [ -n "${DISPLAY:-}" ]; then
  tools/winerun.sh "$program" "$@"
  end_wine_session
  exit 0
fi

shots=$PWD/out/demo/screenshots
rm -rf "$shots"
mkdir -p "$shots"
start_virtual_display 1280x1024x24

tools/winerun.sh cmd /c exit
before=$(mktemp)
snapshot >"$before"
# A virtual desktop: Wine draws the windows' title bars itself.
tools/winerun.sh explorer /desktop=OrvDeploy,800x600 out/x86_64/tests/DemoWalk.exe \
  "$(printf 'Z:%s' "$program" | tr / '\\')" "$(printf 'Z:%s' "$shots" | tr / '\\')" >/dev/null
for bmp in "$shots"/*.bmp; do
  convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done
echo "demo: screenshots of each step in $shots:"
ls -1 "$shots"
echo "demo: what the run changed in the demo machine's registry:"
diff <(grep -v '^#time' "$before") <(snapshot) | grep -E '^[<>] \[' | grep -E 'Velmora|DevStudio|VisualStudio|Environment' || echo "  nothing"
rm -f "$before"
