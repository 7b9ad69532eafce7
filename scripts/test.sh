#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DRAVEL_SANITIZE=ON
cmake --build build/test -j"$jobs"
cd build/test
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --output-on-failure -j"$jobs"
