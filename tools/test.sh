#!/bin/bash
# Builds everything and runs every test: the unit tests natively, again under
# AddressSanitizer and UndefinedBehaviorSanitizer, then tunelet.exe end to end
# under Wine against the stand-in player and chat room.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh

echo "== unit tests"
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)"
ctest --preset native

echo "== unit tests under the sanitizers"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$(nproc)"
ctest --preset sanitize

echo "== figures: what the timers cost (benchmarks, optimised build)"
cmake --preset bench >/dev/null
cmake --build --preset bench -j"$(nproc)"
build/bench/tests/unit/tunelet_bench --benchmark_min_time=0.2

echo "== tunelet.exe and the stand-ins, 32-bit Windows"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$(nproc)"
echo "figure: tunelet.exe is $(stat -c %s build/win32/tunelet.exe) bytes"

echo "== end to end under Wine"
tests/e2e/run.sh build/win32
