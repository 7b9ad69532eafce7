#!/usr/bin/env bash
# Writes the seeded output of match_bench and season_bench, timings removed,
# with every match as CSV rows, into OUT_DIR. Run it on two builds and compare
# the folders (diff -r) to show that a change leaves every result as it was.
#
#   bench/seeded_output.sh BIN_DIR OUT_DIR [SEASONS]
set -euo pipefail
bin=$(realpath "$1")
out=$2
seasons=${3:-2}
mkdir -p "$out"
timing='^[a-z_.]*(seconds|seconds_total|seconds_per_season|balls_per_second)='
for kind in test odi fc oneday; do
  for seed in 1 2; do
    "$bin/match_bench" --kind "$kind" --n 60 --seed "$seed" --csv "$out/match_${kind}_$seed" |
      grep -Ev "$timing" >"$out/match_${kind}_$seed.txt"
  done
done
for seed in 1 2; do
  saves=$(mktemp -d)
  "$bin/season_bench" "$seasons" --seed "$seed" --csv "$out/season_$seed" --saves "$saves" |
    grep -Ev "$timing" >"$out/season_$seed.txt"
  rm -rf "$saves"
done
