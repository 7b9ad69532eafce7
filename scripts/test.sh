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
