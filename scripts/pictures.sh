#!/usr/bin/env bash
# Renders the main window on each tab at scales 1.0 and 1.25, with the emulated
# receiver plugged and with no mouse, into <build>/pictures/scale-*/.
#   bash scripts/pictures.sh [build folder]   (default build-test)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build-test}" && pwd)
program="$build/tests/bin/window_pictures"
out="$build/pictures"
[ -x "$program" ] || cmake --build "$build" --target window_pictures
rm -rf "$out"
export QT_QPA_PLATFORM=offscreen
for dpi in 96 120; do
  for mode in mouse nomouse; do
    QT_FONT_DPI=$dpi "$program" "$out" "$mode"
  done
done
echo "pictures in $out"
