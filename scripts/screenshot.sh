#!/usr/bin/env bash
# Makes the README's screenshot from the program itself: a figure worked
# out and its calculation sheet, drawn offscreen (no display needed) under
# the designed look and a fresh user's choices.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh
[ -f build/CMakeCache.txt ] || cmake --preset default >/dev/null
cmake --build --preset default -j2 --target zyntra_screenshot

fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
XDG_CONFIG_HOME="$fresh/config" XDG_DATA_HOME="$fresh/data" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
    ./build/scripts/screenshot/zyntra_screenshot docs/screenshot.png \
    --figure 'mnu3dGeometryItem(4)' --values 3,5 "$@"
echo "docs/screenshot.png"
