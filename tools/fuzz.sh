#!/bin/bash
# Builds the fuzzers (clang's libFuzzer, under AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS (30 by default),
# starting from the seeds in tests/fuzz/corpus:
#   tools/fuzz.sh [SECONDS]
# What a run finds new is kept in build/fuzz/corpus; a failing input is
# written to build/fuzz as crash-*, and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

for seeds in tests/fuzz/corpus/*/; do
  name=$(basename "$seeds")
  found=build/fuzz/corpus/$name
  mkdir -p "$found"
  log=build/fuzz/$name.log
  if ! (cd build/fuzz && "./tests/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len=4096 \
      -print_final_stats=1 "corpus/$name" "../../$seeds") >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz_$name found a failing input (above)" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "figure: fuzz_$name ran $runs inputs in ${seconds} s, no finding; corpus $(ls "$found" | wc -l) inputs"
done
