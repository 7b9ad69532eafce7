#!/usr/bin/env bash
# What CI runs: installs what is missing, checks the formatting of every
# tracked source file, builds everything with warnings as errors under
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test (the
# golden files among them), and compiles the logic library and the fuzz
# targets with clang as well.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)

echo "== format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

echo "== clang: the logic library and the fuzz targets"
# Only a compile check: no debug information, and the build is removed after,
# so that the gcc build below has the disk to itself.
clang_flags=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g0 -DCMAKE_CXX_COMPILER=clang++ -DRAVEL_WERROR=ON
  -DRAVEL_TESTS=OFF)
clang_targets=(ravel_logic)
if [ -f tests/fuzz/CMakeLists.txt ]; then
  clang_flags+=(-DRAVEL_FUZZ=ON)
fi
cmake -S . -B build/clang "${clang_flags[@]}" >/dev/null
if [ -f tests/fuzz/CMakeLists.txt ]; then
  mapfile -t fuzz < <(cmake --build build/clang --target help | sed -n 's/^\.\.\. \(fuzz_[a-z_0-9]*\).*/\1/p')
  clang_targets+=("${fuzz[@]}")
fi
cmake --build build/clang -j"$jobs" --target "${clang_targets[@]}"
rm -rf build/clang

echo "== gcc: everything, with the tests"
# Line tables only: enough for the sanitizers' stack traces, under half the disk.
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DRAVEL_SANITIZE=ON -DRAVEL_WERROR=ON
cmake --build build/test -j"$jobs"
cd build/test
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --output-on-failure -j"$jobs"

echo "== every test binary whole, shuffled, from another folder"
# ctest runs each test in a process of its own; here each binary runs all its
# tests in one process, in a random order, away from the build folder, so a
# test that leans on another's leftovers or on the working folder fails.
seed=${RAVEL_SHUFFLE_SEED:-$(date +%j)}
echo "shuffle seed $seed (RAVEL_SHUFFLE_SEED repeats it)"
away=$(mktemp -d)
trap 'rm -rf "$away"' EXIT
pids=()
for binary in "$PWD"/bin/test_*; do
  (cd "$away" && "$binary" --gtest_shuffle --gtest_random_seed="$seed" --gtest_brief=1 \
    >"$away/$(basename "$binary").log" 2>&1 || { cat "$away/$(basename "$binary").log"; exit 1; }) &
  pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
exit $status
