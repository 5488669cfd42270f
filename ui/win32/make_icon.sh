#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes kestrum.ico, the icon of the Windows programs, from the two images
# of the desktop icon (ui/icons, rendered by render_icons.sh): 32 by 32 and
# 16 by 16 pixels, 16 colours each, transparent where the images are. Run it
# after the images change and commit its output; the build does not need
# ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"
convert ../icons/kestrum-32.png ../icons/kestrum-16.png \
  -channel A -threshold 50% +channel \
  -colors 16 kestrum.ico
