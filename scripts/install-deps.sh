#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, only those missing.
set -euo pipefail
packages=(
  g++ make cmake pkg-config
  qtbase5-dev qttools5-dev qttools5-dev-tools
  libhidapi-dev libudev-dev
  dbus
  fonts-dejavu-core
)
# Callers may name more packages, e.g. the run script's fonts.
packages+=("$@")
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  # Not root: through sudo where there is one.
  sudo=()
  [ "$(id -u)" -eq 0 ] || ! command -v sudo > /dev/null || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
