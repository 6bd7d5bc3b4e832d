#!/usr/bin/env bash
# Installs what is missing, builds a Release build and starts mousecfg (or the
# program named) from the build's application folder:
#   bash scripts/run.sh [mousecfg|mousecfg-alt]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-mousecfg}
case "$program" in
  mousecfg|mousecfg-alt) ;;
  *) echo "usage: $0 [mousecfg|mousecfg-alt]" >&2; exit 2 ;;
esac
# The Chinese languages need the CJK fonts.
bash scripts/install-deps.sh fonts-noto-cjk
build=build-rel
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" -j"$(nproc)" --target "$program" appfolder

rule=/etc/udev/rules.d/70-mousecfg.rules
if [ ! -e "$rule" ]; then
  if [ "$(id -u)" -eq 0 ]; then
    mkdir -p "$(dirname "$rule")"
    cp data/70-mousecfg.rules "$rule"
    command -v udevadm > /dev/null && udevadm control --reload || true
    echo "installed $rule: replug the receiver or the cable"
  else
    echo "to reach the mouse without root, run once:"
    echo "  sudo cp data/70-mousecfg.rules $rule && sudo udevadm control --reload"
  fi
fi
exec "$build/bin/$program"
