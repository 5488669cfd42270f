#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The desktop test of the Windows dialog: dialog_driver works Kestrum.exe
# like a user (see dialog_driver.cc); then the file the dialog wrote must
# equal, byte for byte, the one kestrum-convert.exe writes with the same
# options, and the dialog's message list must hold the lines that
# kestrum-convert prints.
#
#   dialog_test.sh BUILD_DIR EXAMPLES_DIR [SCREENSHOT_PNG]
#
# Needs an X display (DISPLAY), a Wine prefix (WINEPREFIX) whose Wine
# draws its own virtual desktop, so that the screenshot has the window's
# frame, and WINE, the program that runs Windows programs.
set -euo pipefail

build=$(realpath "$1")
examples=$(realpath "$2")
screenshot=${3:-}
wine=${WINE:-wine}
: "${WINEPREFIX:?a Wine prefix is needed}"

# A folder of the prefix's drive C:, so that paths read as on Windows.
folder="$WINEPREFIX/drive_c/Logs"
rm -rf "$folder"
mkdir -p "$folder"
log=sweepstakes-8xx.bin
cp "$examples/$log" "$folder/"
winpath() { "$wine" winepath -w "$1" 2>/dev/null | tr -d '\r'; }

# "Contest ID" and "ARRL SS" on, "Seconds" off.
status=0
"$wine" "$(winpath "$build/tests/win32/dialog_driver.exe")" \
  "$(winpath "$build/ui/win32/Kestrum.exe")" 'C:\Logs' "$log" \
  --click 1006 --click 1009 --click 1008 \
  ${screenshot:+--screenshot 'C:\Logs\screenshot.bmp'} \
  >"$folder/dialog.out" 2>"$folder/dialog.err" || status=$?
tr -d '\r' <"$folder/dialog.out" | grep '^dialog test: ' || true
if [ "$status" != 0 ]; then
  echo "FAIL: the dialog driver ended with status $status"
  cat "$folder/dialog.err"
  exit 1
fi

(cd "$folder" && "$wine" "$build/cli/kestrum-convert.exe" --contest-id \
  --arrl-ss --no-seconds -o cli.adi "$log" >cli.out 2>cli.err) || true
failed=0
if ! cmp -s "$folder/chosen.adi" "$folder/cli.adi"; then
  echo "FAIL: the dialog's ADIF file differs from kestrum-convert's:"
  diff "$folder/chosen.adi" "$folder/cli.adi" | head -20
  failed=1
fi
# The same lines, the output file named as each was given it.
mask() {
  tr -d '\r' | sed -E -e 's/ written in [0-9]+ seconds? to / written in N seconds to /' \
    -e 's/C:\\Logs\\chosen\.adi|cli\.adi/OUTPUT/'
}
if ! diff <(mask <"$folder/dialog.out") <(mask <"$folder/cli.out") >/dev/null; then
  echo "FAIL: the dialog's message list differs from kestrum-convert's output:"
  diff <(mask <"$folder/dialog.out") <(mask <"$folder/cli.out") | head -20
  failed=1
fi

if [ -n "$screenshot" ]; then
  convert "$folder/screenshot.bmp" -strip "$screenshot"
  echo "screenshot: $screenshot"
fi
if [ "$failed" = 0 ]; then
  echo "dialog test: 1 passed, 0 failed"
else
  echo "dialog test: 0 passed, 1 failed"
  exit 1
fi
