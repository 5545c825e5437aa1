#!/usr/bin/env bash
# Pictures of the dialogs of language packs, one sheet per pack, for
# reviewing that the translated texts fit: out/packview/<pack>.png.
# Arguments: pack names (default: all packs).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/display.sh
tools/build.sh PackView langpacks
start_wine_on_virtual_display "$PWD/out/packview/wineprefix" 1280x1024x24
packs=("$@")
[ ${#packs[@]} -gt 0 ] || packs=($(cd out/x86_64/langpacks && ls *.dll | sed 's/\.dll$//'))
for pack in "${packs[@]}"; do
  dir=$PWD/out/packview/$pack
  rm -rf "$dir" && mkdir -p "$dir"
  tools/winerun.sh out/x86_64/tests/PackView.exe \
    "$(printf 'Z:%s' "$PWD/out/x86_64/langpacks/$pack.dll" | tr / '\\')" "$(printf 'Z:%s' "$dir" | tr / '\\')"
  montage "$dir"/*.bmp -tile 3x -geometry +4+4 "$PWD/out/packview/$pack.png"
  rm -rf "$dir"
  echo "out/packview/$pack.png"
done
