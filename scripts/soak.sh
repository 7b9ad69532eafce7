#!/usr/bin/env bash
# A long career under AddressSanitizer and UndefinedBehaviorSanitizer:
# season_bench from the test build (the README's test command builds it the
# same way) through 20 seasons, or the number given, with its histories in a
# folder of its own. Not part of the tests: it takes a long while.
#
#   scripts/soak.sh [SEASONS] [--seed S]
set -euo pipefail
cd "$(dirname "$0")/.."
seasons=${1:-20}
[ $# -gt 0 ] && shift
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DRAVEL_SANITIZE=ON >/dev/null
nice cmake --build build/test -j"$(nproc)" --target season_bench world_database >/dev/null
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
saves=$(mktemp -d)
trap 'rm -rf "$saves"' EXIT
start=$(date +%s)
nice build/test/bin/season_bench "$seasons" --saves "$saves" "$@"
echo "soak: $seasons seasons clean under the sanitizers in $(($(date +%s) - start)) s"
