#!/bin/bash
# Figures, not tests: what Tunelet costs while nothing happens, measured
# under Wine over 20 s beside the stand-in player and chat room, with
# posting on and its hotkey poll running: CPU time and memory.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export TUNELET_VIRTUAL_DISPLAY=1
source "$root/tools/wine_env.sh"
build="$root/build/$windows_preset"
wine reg add 'HKCU\Software\VB and VBA Program Settings\Tunelet\Main' /v Enabled /d 1 /f \
  >/dev/null 2>&1
wine "$build/standin_chat.exe" &
wine "$build/standin_player.exe" &
wine "$build/tunelet.exe" &
sleep 5
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
tunelet=$(pgrep -nx tunelet.exe)  # the newest: this run's
server=$(pgrep -nx "$(basename "$WINESERVER")" || pgrep -nx wineserver)
tunelet_before=$(cpu_ticks "$tunelet")
server_before=$(cpu_ticks "$server")
sleep 20
awk -v t="$(($(cpu_ticks "$tunelet") - tunelet_before))" \
  -v s="$(($(cpu_ticks "$server") - server_before))" -v hz="$(getconf CLK_TCK)" \
  'BEGIN { printf "figure: idle for 20 s, tunelet.exe used %.2f%% of one core (wineserver, for all three programs: %.2f%%)\n", 100 * t / hz / 20, 100 * s / hz / 20 }'
awk '/^VmRSS|^RssAnon/ { printf "figure: tunelet.exe %s %s %s\n", $1, $2, $3 }' "/proc/$tunelet/status"
