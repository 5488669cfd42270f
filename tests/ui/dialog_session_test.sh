#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the real kestrum dialog on a virtual display, as a user would with
# keyboard and mouse, through the real file choosers and message boxes:
#   1. choose a log (in a folder whose name has non-ASCII letters) and accept
#      the proposed output, set options, convert twice with Enter, compare
#      each ADIF file byte for byte with kestrum-convert's and the message
#      list with the expected lines, open the guide with F1, press Exit;
#   2. the about box from the context menu, Help without a browser, Convert
#      without files, Escape;
#   3. a cancelled output chooser keeps the accepted output file; the close
#      box ends the program.
# The dialog reports what it shows through KESTRUM_UI_TRACE.
#
# Usage: dialog_session_test.sh KESTRUM KESTRUM_CONVERT WRITE_SESSION_LOG \
#          CLOSE_WINDOW SCREENSHOT
set -euo pipefail

if [ -z "${KESTRUM_ON_TEST_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    env KESTRUM_ON_TEST_DISPLAY=1 "$0" "$@"
fi

kestrum=$1
kestrum_convert=$2
write_session_log=$3
close_window=$4
screenshot=$5
guide=$(cd "$(dirname "$0")/../../doc/guide" && pwd)/index.html

work=$(mktemp -d)
app=""
cleanup() {
  if [ -n "$app" ] && kill -0 "$app" 2>/dev/null; then kill "$app"; fi
  rm -rf "$work"
}
trap cleanup EXIT

trace=$work/trace.txt
tab=$'\t'

# Reports what the dialog showed and what it wrote to stderr, and leaves a
# screenshot of the display beside the expected one.
fail() {
  echo "FAIL: $*" >&2
  if [ -f "$trace" ]; then sed 's/^/  shown: /' "$trace" >&2; fi
  if [ -f "$work/stderr.txt" ]; then
    grep -v -e '^$' -e 'dconf' "$work/stderr.txt" | sed 's/^/  stderr: /' >&2
  fi
  import -window root "${screenshot%.png}-failure.png" 2>/dev/null || true
  exit 1
}

# Waits for the visible window titled exactly $1 and prints its id.
window() {
  timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" |
    head -n 1 | grep . || fail "no window \"$1\""
}

# Focuses the window titled $1 and types the keys that follow.
press() {
  local id
  id=$(window "$1")
  shift
  xdotool windowfocus --sync "$id"
  xdotool key --delay 60 "$@"
}

# Waits until no visible window is titled $1.
gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null || return 0
    sleep 0.1
  done
  fail "window \"$1\" stayed open"
}

# Waits until the dialog has shown the trace line $1.
shown() {
  for _ in $(seq 100); do
    grep -qxF -- "$1" "$trace" && return 0
    sleep 0.1
  done
  fail "the dialog never showed: $1"
}

# Dismisses the message box that shows $1.
dismiss_box() {
  shown "$1"
  press kestrum Return
  gone kestrum
}

# Chooses the file $2 in the file chooser titled $1 by typing its name,
# relative to the folder the chooser shows. Only ASCII is typed: xdotool
# types other letters through a remapped key, which a busy display can read
# after the next remapping.
choose_in() {
  press "$1" ctrl+l
  xdotool type --delay 30 "$2"
  sleep 0.5
  xdotool key Return
  gone "$1"
}

# Starts kestrum with a fresh trace in the log's folder, where the first
# file chooser opens; extra arguments are environment settings. Leaks of
# GTK and its libraries would fail a build with the leak checker, so it is
# off for the dialog.
start() {
  : >"$trace"
  (cd "$folder" &&
    exec env HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" \
      XDG_CONFIG_HOME="$work/home/.config" LC_ALL=C.UTF-8 GSETTINGS_BACKEND=memory \
      NO_AT_BRIDGE=1 ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
      KESTRUM_UI_TRACE="$trace" "$@" "$kestrum" 2>>"$work/stderr.txt") &
  app=$!
  shown "ready${tab}ZR to ADIF"
}

# Waits for kestrum to end and checks that it ended well.
ended() {
  for _ in $(seq 100); do
    if ! kill -0 "$app" 2>/dev/null; then
      local status=0
      wait "$app" || status=$?
      app=""
      [ "$status" -eq 0 ] || fail "kestrum ended with status $status"
      return 0
    fi
    sleep 0.1
  done
  fail "kestrum did not end"
}

# The message list after the last run, the run time made N.
message_list() {
  awk -F '\t' '$1 == "messages" { n = 0; delete line }
               $1 == "message" { line[n++] = $2 }
               END { for (i = 0; i < n; i++) print line[i] }' "$trace" |
    sed -E 's/ written in [0-9]+ seconds? to / written in N seconds to /'
}

folder="$work/jörg übung"
mkdir -p "$work/home" "$work/bin" "$folder"
log="$folder/cq log.bin"
adif="$folder/cq log.adi"
"$write_session_log" "$log"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"%s"\n' "$work/browser.txt" \
  >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
# Where a web browser is installed, the toolkit asks the desktop for it
# before it tries xdg-open: make the stand-in the desktop's browser too.
mkdir -p "$work/home/.local/share/applications" "$work/home/.config"
printf '[Desktop Entry]\nType=Application\nName=Browser\nExec=%s %%u\nMimeType=text/html;\n' \
  "$work/bin/xdg-open" >"$work/home/.local/share/applications/browser.desktop"
printf '[Default Applications]\ntext/html=browser.desktop\n' \
  >"$work/home/.config/mimeapps.list"

# 1. A conversion session.
start PATH="$work/bin:$PATH" BROWSER="$work/bin/xdg-open"
press "ZR to ADIF" space  # the focus starts on "ZR BIN"
choose_in "Input ZR BIN File" "cq log.bin"
shown "input${tab}$log"
press "ZR to ADIF" Tab space
press "Output ADIF file" Return  # accept the proposal
gone "Output ADIF file"
shown "output${tab}$adif"

# Tab order: 6 Meters, Contest ID, ARRL SS, Operator, Seconds, VEXO, WPX.
# Enter on a check box converts.
press "ZR to ADIF" Tab space Tab space Tab Tab space Tab space Tab Tab space \
  Return
for option in "1005 1" "1006 1" "1010 1" "1008 0" "1011 1"; do
  shown "option${tab}$option"
done
dismiss_box "information-box${tab}3 QSOs written to $adif"
"$kestrum_convert" --six-meters --contest-id --operator --no-seconds --wpx \
  -o "$work/expected.adi" "$log" >/dev/null
cmp "$work/expected.adi" "$adif" || fail "first run: ADIF differs"
cat >"$work/expected_list.txt" <<EOF
Contest is CQ-WW-CW, Operator is DLÄX, ZR 8.05
3 QSOs written in N seconds to $adif

Skipping QSO with GÖX on 20231125 at 0002

EOF
message_list >"$work/list.txt"
diff "$work/expected_list.txt" "$work/list.txt" >&2 ||
  fail "the message list differs"

# On past Convert, Help and Exit (the path lists take no focus) and the
# message list to Frequency and ADIF 3; convert again into the same file.
rm "$adif"
press "ZR to ADIF" Tab Tab Tab Tab Tab space Tab space Return
shown "option${tab}1014 0"
shown "option${tab}1016 1"
dismiss_box "information-box${tab}3 QSOs written to $adif"
"$kestrum_convert" --six-meters --contest-id --operator --no-seconds --wpx \
  --no-frequency --adif3 -o "$work/expected.adi" "$log" >/dev/null
cmp "$work/expected.adi" "$adif" || fail "second run: ADIF differs"
import -window "$(window "ZR to ADIF")" "$screenshot"

press "ZR to ADIF" F1
for _ in $(seq 50); do [ -s "$work/browser.txt" ] && break; sleep 0.1; done
opened=$(cat "$work/browser.txt" 2>/dev/null || true)
[ "$opened" = "$guide" ] || [ "$opened" = "file://$guide" ] ||
  fail "Help opened \"$opened\", not $guide"

# Back from ADIF 3 to Exit; Enter on a push button presses that button.
press "ZR to ADIF" shift+Tab shift+Tab shift+Tab Return
ended

# 2. About, Help without a browser, Convert without files, Escape.
start PATH=/nonexistent BROWSER= XDG_DATA_HOME="$work/none" \
  XDG_DATA_DIRS="$work/none"
main=$(window "ZR to ADIF")
xdotool windowfocus --sync "$main"
xdotool mousemove --window "$main" 10 150 click 3
sleep 0.5
xdotool key Down Return
shown "about${tab}About Kestrum"
press "About Kestrum" Return
gone "About Kestrum"

press "ZR to ADIF" F1
dismiss_box "error-box${tab}ERROR:  Could not start web browser."
press "ZR to ADIF" Tab Tab Return
dismiss_box "error-box${tab}ERROR:  Must specify a ZR BIN file."
if grep -q "^option" "$trace"; then fail "Enter changed an option"; fi
press "ZR to ADIF" Escape
ended

# 3. A cancelled output chooser keeps the output the user accepted; the
# close box ends the program.
second="$folder/second.bin"
cp "$log" "$second"
rm -f "$adif"
start
press "ZR to ADIF" space
choose_in "Input ZR BIN File" "cq log.bin"
press "ZR to ADIF" Tab space
press "Output ADIF file" Return
shown "output${tab}$adif"
press "ZR to ADIF" shift+Tab space
choose_in "Input ZR BIN File" "second.bin"
shown "input${tab}$second"
press "ZR to ADIF" Tab space
press "Output ADIF file" Escape  # proposes second.adi: cancelled
gone "Output ADIF file"
press "ZR to ADIF" Tab Return
dismiss_box "information-box${tab}3 QSOs written to $adif"
[ -f "$adif" ] || fail "the accepted output was not written"
[ ! -e "$folder/second.adi" ] || fail "the cancelled proposal was written"
"$close_window" "$(window "ZR to ADIF")"
ended

echo "dialog session test passed"
