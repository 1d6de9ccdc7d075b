#!/bin/bash
# Runs the end-to-end suite under Wine, on a virtual display, in a fresh Wine
# prefix, against tunelet.exe and the stand-ins of build/win32 (build/win64
# where the machine runs no 32-bit programs):
#   tests/e2e/run.sh [GTEST_FILTER]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
export TUNELET_VIRTUAL_DISPLAY=1
source "$root/tools/wine_env.sh"
export TUNELET_PROGRAMS="$(winepath -w "$root/build/$windows_preset")"
wine "$root/build/$e2e_preset/tunelet_e2e.exe" --gtest_filter="${1:-*}"
