#!/bin/bash
# Builds everything and runs every test: the unit tests natively and again
# under AddressSanitizer and UndefinedBehaviorSanitizer, the fuzzers for 30 s
# each, then tunelet.exe end to end under Wine against the stand-in player and
# chat room. Prints the figures (fuzz runs, size, latency, stalls, memory,
# idle CPU) on the way.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh

for preset in native sanitize; do
  echo "== unit tests ($preset)"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)"
  ctest --preset "$preset"
  if [ "$preset" = native ]; then
    build/native/room_text_figure
  fi
done

echo "== fuzzing, 30 s for each target"
tools/fuzz.sh 30

echo "== tunelet.exe, the stand-ins and the zip for Windows users"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$(nproc)"
cpack --preset win32 >/dev/null
echo "figure: tunelet.exe is $(stat -c %s build/win32/tunelet.exe) bytes"
# It still starts on Windows XP: it imports from the system's own DLLs only, and
# none of the functions of later Windows that it looks up as it runs.
imports=$(i686-w64-mingw32-objdump -p build/win32/tunelet.exe | awk '/DLL Name:/ { print $3 } /^\t[0-9a-f]+\t +[0-9]+ / { print $NF }')
if grep -viqxE 'advapi32|comctl32|gdi32|kernel32|msvcrt|ole32|oleaut32|shell32|user32' \
    <<<"$(grep -i '\.dll$' <<<"$imports" | sed 's/\.dll$//I')" ||
  grep -qE 'Dpi|TickCount64' <<<"$imports"; then
  echo "tunelet.exe imports more than Windows XP has:" $imports >&2
  exit 1
fi
echo "tunelet.exe imports only what Windows XP has: $(grep -ci '\.dll$' <<<"$imports") system DLLs"
# The icon is drawn at every size Windows asks for, exactly as tools/make_icon.py draws it.
icon=$(mktemp --suffix=.ico)
python3 tools/make_icon.py "$icon"
cmp "$icon" src/app/resources/tunelet.ico
echo "tunelet.ico is drawn at $(identify -format '%w ' "$icon")pixels"
rm -f "$icon"
unzip -l build/tunelet-*-win32.zip | tail -n +4 | head -n -2
(cd build && sha256sum -c tunelet-*-win32.zip.sha256)

source tools/wine_bits.sh
if [ "$windows_bits" = 64 ]; then
  echo "== the same programs for 64-bit Windows: this machine runs no 32-bit programs"
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 -j"$(nproc)"
fi
echo "== end to end under ${windows_bits}-bit Wine"
cmake --preset "$e2e_preset" >/dev/null
cmake --build --preset "$e2e_preset" -j"$(nproc)"
tests/e2e/run.sh

echo "== figures: Tunelet idle under Wine"
tools/figures.sh
