#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing.
set -euo pipefail
packages=(cmake g++ make pkg-config libgtest-dev libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev
  libpng-dev fonts-liberation2 nlohmann-json3-dev clang clang-format libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
  # The downloaded packages are not needed once installed; the build needs the room.
  apt-get clean
fi
