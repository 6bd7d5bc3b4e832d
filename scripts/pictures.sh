#!/usr/bin/env bash
# Renders the main window of both programs on each tab at scales 1.0, 1.25, 1.5 and
# 2.0, with the emulated receiver plugged and with no mouse, the keyboard focus on a tab
# other than the one shown, and in the two Chinese languages, into
# <build>/pictures/<program>/scale-*/.
#   bash scripts/pictures.sh [build folder]   (default build-test)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build-test}" && pwd)
out="$build/pictures"
rm -rf "$out"
export QT_QPA_PLATFORM=offscreen
# A sanitizer build reports the offscreen platform's own leaks unless told to pass them.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}
for target in window_pictures window_pictures_alt; do
  program="$build/tests/bin/$target"
  [ -x "$program" ] || cmake --build "$build" --target "$target"
  name=mousecfg
  [ "$target" = window_pictures ] || name=mousecfg-alt
  for dpi in 96 120 144 192; do
    for mode in mouse nomouse; do
      QT_FONT_DPI=$dpi "$program" "$out/$name" "$mode"
    done
  done
  # Traditional and simplified Chinese.
  for lang in 1 2; do
    QT_FONT_DPI=96 "$program" "$out/$name" mouse "$lang"
    QT_FONT_DPI=96 "$program" "$out/$name" nomouse "$lang"
  done
done
echo "pictures in $out"
