#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders the application icon from kestrum.svg: the full-colour PNG files
# that are installed into the desktop's icon theme (16 to 256 pixels), and
# the 16 and 32 pixel XPM files that are compiled into the dialog. Then
# ui/win32/make_icon.sh makes the Windows icon from the 16 and 32 pixel
# images. Run it after changing the drawing and commit its output; the
# build does not need these tools (librsvg2-bin, imagemagick).
set -euo pipefail
cd "$(dirname "$0")"

for size in 16 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" kestrum.svg \
    --output "kestrum-$size.png"
done
for size in 16 32; do
  # XPM knows only opaque and transparent pixels: the half-covered edge
  # pixels go one way or the other.
  convert "kestrum-$size.png" -channel A -threshold 50% +channel \
    "kestrum_$size.xpm"
done
../win32/make_icon.sh
