#!/bin/bash
# The demo: the stand-in player plays its short playlist, moving on every few
# seconds, pauses once for five seconds, and once skips through three songs
# quickly; Tunelet, with a ready template, announces in the stand-in chat
# room every song that plays, nothing for the pause, and of the songs
# skipped through only the one that stays.
# The chat transcript is printed here as it grows, a screenshot is saved as
# build/demo.png while the player is paused, and everything ends after a
# minute.
# Runs on your display when DISPLAY is set, on a virtual one otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/setup.sh
source tools/wine_bits.sh
cmake --preset "$windows_preset" >/dev/null
cmake --build --preset "$windows_preset" -j"$(nproc)" >/dev/null
build="$root/build/$windows_preset"

source tools/wine_env.sh

settings='HKCU\Software\VB and VBA Program Settings\Tunelet\Main'
wine reg add "$settings" /v String /d '<b>now playing:</b>%s [%l] (track %z of %f, up %u)' /f \
  >/dev/null 2>&1
wine reg add "$settings" /v Enabled /d 1 /f >/dev/null 2>&1

transcript="$WINEPREFIX/transcript.txt"

# One Wine desktop holds the three windows, drawn with their title bars.
desktop="explorer /desktop=TuneletDemo,820x560"
wine $desktop "$build/standin_chat.exe" --transcript "$(winepath -w "$transcript")" &
sleep 2
wine $desktop "$build/standin_player.exe" --advance 12 --pause-at 17 --skip-at 30 &
sleep 1
wine $desktop "$build/tunelet.exe" &

echo "Chat room transcript:"
touch "$transcript"
tail -n +1 -f "$transcript" &
tail_pid=$!
sleep 20
mkdir -p build
/usr/bin/import -window "TuneletDemo - Wine desktop" build/demo.png && echo "(screenshot saved as build/demo.png)"
sleep 40
kill "$tail_pid" 2>/dev/null || true
echo "Demo over."
