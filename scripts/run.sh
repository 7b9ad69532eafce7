#!/usr/bin/env bash
# Builds what is missing (Release) and starts the game in a window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DRAVEL_TESTS=OFF
cmake --build build/release -j"$(nproc)"
exec build/release/bin/ravelstone window "$@"
