#!/bin/bash
# Draws the window's background picture and the program's icon (at every size
# Windows asks for, tools/make_icon.py) with ImageMagick. The results are kept
# in src/app/resources; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")/../src/app/resources"
convert=/usr/bin/convert

bars=""
x=150
for h in 10 18 26 14 30 22 12 24 16 28 20 9 17 25 13; do
  bars="$bars rectangle $x,$((36 - h)) $((x + 6)),36"
  x=$((x + 10))
done
$convert -size 400x200 gradient:'#0a0a5a-#010042' \
  \( -size 400x200 radial-gradient:'#3a2a8a-#01004200' \) -compose over -composite \
  -fill '#5b4fd8' -draw "$bars" \
  -fill none -stroke '#2c5fbf' -strokewidth 2 \
  -draw "path 'M 0,105 C 60,80 120,130 200,100 S 330,80 400,110'" \
  -stroke '#1d3f8f' -draw "path 'M 0,125 C 70,100 140,150 210,120 S 340,100 400,130'" \
  -stroke none -fill '#c0c0ff' -font DejaVu-Sans-Bold -pointsize 16 -annotate +8+22 'TuneLET' \
  -fill '#8f8fd8' -font DejaVu-Sans -pointsize 9 -annotate +9+34 'now playing...' \
  -fill '#7f7fe0' -draw "ellipse 20,72 5,4 0,360" -draw "rectangle 24,56 25,72" \
  -draw "ellipse 14,90 4,3 0,360" -draw "rectangle 17,78 18,90" \
  -quality 90 -type TrueColor background.jpg

python3 ../../../tools/make_icon.py tunelet.ico
