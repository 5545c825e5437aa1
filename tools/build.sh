#!/usr/bin/env bash
# Installs what is missing and builds the product (i686, out/i686) and the
# test build (x86_64, out/x86_64): all of it, or only the x86_64 targets given.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset i686 >/dev/null
cmake --build --preset i686
cmake --preset x86_64 >/dev/null
cmake --build --preset x86_64 ${1:+--target "$@"}
