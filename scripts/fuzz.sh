#!/usr/bin/env bash
# Builds the fuzz targets as libFuzzer programs with clang (build/fuzz) and runs
# each for a given time, niced, at most two at a time (RAVEL_FUZZ_JOBS). Each
# starts from its checked-in corpus (tests/fuzz/corpus/<target>) and, for a
# database file, the built world's file. What a target finds is kept in
# build/fuzz/run/<target>/ with the command that replays it.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]    600 seconds and every target by default
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
[ $# -gt 0 ] && shift
jobs=${RAVEL_FUZZ_JOBS:-2}
build=build/fuzz

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DRAVEL_FUZZ=ON -DRAVEL_TESTS=OFF \
  >/dev/null
if [ $# -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets <"$build/fuzz_targets.txt"
fi
nice cmake --build "$build" -j"$(nproc)" --target world_database "${targets[@]/#/fuzz_}" >/dev/null

# Runs one target and prints its line; returns 1 when it found something.
run() {
  local name=$1 dir="$build/run/$1"
  rm -rf "$dir"
  mkdir -p "$dir/corpus" "$dir/seeds" "$dir/findings"
  cp tests/fuzz/corpus/"$name"/* "$dir/seeds/"
  local seed
  seed=$(awk -v t="$name" '$1 == t { print $2 }' "$build/fuzz_seeds.txt")
  if [ -n "$seed" ] && [ "$name" = db_players ]; then
    # The first 200 players: inputs of a few hundred kilobytes, not megabytes.
    { printf '\xc8\x00\x00\x00'; head -c $((4 + 200 * 1792)) "$seed" | tail -c +5; } >"$dir/seeds/built"
  elif [ -n "$seed" ]; then
    cp "$seed" "$dir/seeds/built"
  fi
  nice -n 15 "$build/bin/fuzz_$name" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2560 \
    -print_final_stats=1 -artifact_prefix="$dir/findings/" "$dir/corpus" "$dir/seeds" >"$dir/log" 2>&1 || true
  local execs found slow
  # The line reads "stat::number_of_executed_units: N": the count is its last field.
  execs=$(awk '/^stat::number_of_executed_units:/ { print $NF }' "$dir/log")
  # An input slower than ten seconds is kept too, but on a busy machine that
  # is no fault: only crashes, leaks, timeouts and running out of memory are.
  found=$(find "$dir/findings" -type f ! -name 'slow-unit-*' | wc -l)
  slow=$(find "$dir/findings" -type f -name 'slow-unit-*' | wc -l)
  echo "$name: ${execs:-0} executions in $seconds s, $found findings, $slow slow inputs"
  if [ "$found" -gt 0 ]; then
    for f in $(find "$dir/findings" -type f ! -name 'slow-unit-*'); do
      echo "  reproduce: $build/bin/fuzz_$name $f    (or build/test/bin/fuzz_$name $f under gcc)"
    done
    return 1
  fi
}

status=0
running=0
for name in "${targets[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || status=1
    running=$((running - 1))
  fi
  run "$name" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || status=1
  running=$((running - 1))
done
exit $status
