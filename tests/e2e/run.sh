#!/bin/bash
# Runs the end-to-end suite: tunelet.exe and the stand-in player and chat room
# under Wine, on a virtual display, in a fresh Wine prefix.
#   tests/e2e/run.sh [BUILD_DIR] [NAME_PART]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/win32}
export TUNELET_VIRTUAL_DISPLAY=1
source "$root/tools/wine_env.sh"
wine "$build/tunelet_e2e.exe" ${2:+"$2"}
