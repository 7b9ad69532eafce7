#!/usr/bin/env bash
# Builds what is missing (Release) and starts the game in a window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DRAVEL_TESTS=OFF
cmake --build build/release -j"$(nproc)"
if [ -x build/release/bin/ravelstone ]; then
  exec build/release/bin/ravelstone window "$@"
else
  echo "Built. The game's executable is not part of this build yet."
fi
