#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Draws the application icon with ImageMagick from simple shapes: an orange
# binary log on the left, an arrow, and a page of text on the right. Writes
# the PNG files that are installed for the desktop and the XPM files that
# are compiled into the program. Run it from anywhere after changing a shape
# and commit its output; the build does not need ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"

navy='#1f4e79'
orange='#e8833a'
brown='#7a3a0c'

# draw SIZE FILE-STEM PRIMITIVES...: one image of SIZE x SIZE pixels, drawn
# without anti-aliasing so that both sizes stay crisp and few-coloured.
draw() {
  local size=$1 stem=$2
  shift 2
  convert -size "${size}x${size}" xc:none +antialias "$@" \
    -define png:exclude-chunks=date,time "${stem}.png"
  convert "${stem}.png" "${stem//-/_}.xpm"
}

draw 32 kestrum-32 \
  -fill white -stroke "$navy" -draw 'rectangle 12,1 30,30' \
  -stroke "$navy" -draw 'line 15,5 27,5' -draw 'line 15,8 27,8' \
  -draw 'line 22,12 27,12' -draw 'line 22,19 27,19' \
  -draw 'line 15,23 27,23' -draw 'line 15,26 24,26' \
  -fill "$orange" -stroke "$brown" -draw 'rectangle 1,9 11,22' \
  -fill "$brown" -stroke none \
  -draw 'rectangle 3,11 4,12' -draw 'rectangle 7,11 8,12' \
  -draw 'rectangle 5,15 6,16' -draw 'rectangle 3,19 4,20' \
  -draw 'rectangle 7,19 8,20' \
  -fill "$navy" -stroke none \
  -draw 'polygon 11,13 15,13 15,10 20,15 20,16 15,21 15,18 11,18'

draw 16 kestrum-16 \
  -fill white -stroke "$navy" -draw 'rectangle 6,0 15,15' \
  -stroke "$navy" -draw 'line 8,2 13,2' -draw 'line 8,13 13,13' \
  -fill "$orange" -stroke "$brown" -draw 'rectangle 0,4 6,11' \
  -fill "$brown" -stroke none -draw 'point 2,6' -draw 'point 4,9' \
  -fill "$navy" -stroke none \
  -draw 'polygon 5,6 8,6 8,4 12,7 12,8 8,11 8,9 5,9'
