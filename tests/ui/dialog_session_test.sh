#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the real kestrum dialog on a virtual display, as a user would with
# keyboard and mouse, through the real file choosers and message boxes:
#   1. choose a log (in a folder whose name has non-ASCII letters) and accept
#      the proposed output, set options with their mnemonics, convert twice,
#      compare each ADIF file byte for byte with kestrum-convert's and the
#      message list with the expected lines, copy two lines with Ctrl+C,
#      open the guide with F1, press Exit;
#   2. the about box from the context menu, Help with a browser that dies at
#      once, Convert without files, Escape;
#   3. started elsewhere, the chooser opens in the folder of the last log; a
#      new log gets its own ADIF name, a name typed without extension gets
#      ".adi", Convert asks before replacing a proposed file; the close box;
#   4. `kestrum LOG extra`, and the message list after a refused log and
#      after a log that is gone;
#   5. the chooser lists a log named *.BIN;
#   6. several logs dropped at once, one of them long enough to show its
#      progress, during which keys are ignored.
# The dialog reports what it shows through KESTRUM_UI_TRACE and takes the
# drop from KESTRUM_UI_DROP.
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

# Waits until the dialog has shown the trace line $1, for up to $2 tenths
# of a second (10 seconds).
shown() {
  for _ in $(seq "${2:-100}"); do
    grep -qxF -- "$1" "$trace" && return 0
    sleep 0.1
  done
  fail "the dialog never showed: $1"
}

# Dismisses the message box that shows $1 with the keys that follow (Return
# by default). Another box may open at once, so it waits for this one's
# window to go.
dismiss_box() {
  shown "$1"
  shift
  local id
  id=$(window Kestrum)
  xdotool windowfocus --sync "$id"
  xdotool key --delay 60 "${@:-Return}"
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Kestrum$' | grep -qx "$id" || return 0
    sleep 0.1
  done
  fail "the message box stayed open"
}

# Forgets what the dialog has shown so far, so that a box can be awaited
# again.
forget() { : >"$trace"; }

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

# Starts kestrum with a fresh trace in the folder $here (the log's folder
# unless set) and the home folder $home (kept between starts unless set),
# with the environment settings given before "--" and the program's
# arguments after it. Leaks of GTK and its libraries would fail a build
# with the leak checker, so it is off for the dialog.
start() {
  local settings=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do settings+=("$1"); shift; done
  [ $# -gt 0 ] && shift
  : >"$trace"
  : >"$work/stderr.txt"
  (cd "${here:-$folder}" &&
    exec env HOME="${home:-$work/home}" \
      XDG_CONFIG_HOME="${home:-$work/home}/.config" \
      XDG_DATA_HOME="${home:-$work/home}/.local/share" \
      LC_ALL=C.UTF-8 GSETTINGS_BACKEND=memory \
      NO_AT_BRIDGE=1 ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
      KESTRUM_UI_TRACE="$trace" PATH="$work/bin:$PATH" "${settings[@]}" \
      "$kestrum" "$@" 2>>"$work/stderr.txt") &
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

# The message list after the last run, each line with its kind, the run
# time made N.
message_list() {
  awk -F '\t' '$1 == "messages" { n = 0; delete line }
               $1 == "message" { line[n++] = $2 "\t" $3 }
               END { for (i = 0; i < n; i++) print line[i] }' "$trace" |
    sed -E 's/ written in [0-9]+ seconds? to / written in N seconds to /'
}

# Fails unless the file $1 holds what kestrum-convert writes from the log $2
# with the options that follow.
same_as_convert() {
  local adif=$1 log=$2
  shift 2
  "$kestrum_convert" "$@" -o "$work/expected.adi" "$log" >/dev/null 2>&1 ||
    true
  cmp "$work/expected.adi" "$adif" || fail "$adif differs from kestrum-convert's"
}

folder="$work/jörg übung"
mkdir -p "$work/home" "$work/bin" "$folder"
log="$folder/cq log.bin"
adif="$folder/cq log.adi"
"$write_session_log" "$log"
# The desktop's opener: one that hands the page on, and one that starts a
# browser that dies at once, as a browser run by root may.
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"%s"\n' "$work/browser.txt" \
  >"$work/bin/xdg-open"
mkdir -p "$work/dying"
printf '#!/bin/sh\nsleep 0.3\nexit 4\n' >"$work/dying/xdg-open"
chmod +x "$work/bin/xdg-open" "$work/dying/xdg-open"


# 1. A conversion session.
start
press "ZR to ADIF" space  # the focus starts on "ZR BIN"
choose_in "Input ZR BIN File" "cq log.bin"
shown "input${tab}$log"
shown "output${tab}$adif"  # proposed at once
press "ZR to ADIF" Tab space
press "Output ADIF file" Return  # accept the proposal
gone "Output ADIF file"
shown "output${tab}$adif"

# The options by their mnemonics: 6 Meters, Contest ID, Operator, Seconds,
# WPX. Enter on a check box converts.
press "ZR to ADIF" alt+6 alt+i alt+o alt+s alt+w Return
for option in "1005 1" "1006 1" "1010 1" "1008 0" "1011 1"; do
  shown "option${tab}$option"
done
dismiss_box "information-box${tab}3 QSOs written to $adif"
same_as_convert "$adif" "$log" --six-meters --contest-id --operator \
  --no-seconds --wpx
cat >"$work/expected_list.txt" <<LIST
information${tab}Contest is CQ-WW-CW, Operator is DLÄX, ZR 8.05
information${tab}3 QSOs written in N seconds to $adif
information${tab}
warning${tab}Skipping QSO with GÖX on 20231125 at 0002
warning${tab}
LIST
message_list >"$work/list.txt"
diff "$work/expected_list.txt" "$work/list.txt" >&2 ||
  fail "the message list differs"

# Frequency and ADIF 3, then Convert, by their mnemonics; into the same file.
rm "$adif"
press "ZR to ADIF" alt+f alt+3 alt+c
shown "option${tab}1014 0"
shown "option${tab}1016 1"
dismiss_box "information-box${tab}3 QSOs written to $adif"
same_as_convert "$adif" "$log" --six-meters --contest-id --operator \
  --no-seconds --wpx --no-frequency --adif3
import -window "$(window "ZR to ADIF")" "$screenshot"

# The first two lines of the list, selected with the mouse and the keyboard
# and copied with Ctrl+C.
main=$(window "ZR to ADIF")
xdotool windowfocus --sync "$main"
xdotool mousemove --window "$main" 100 292 click 1
xdotool key --delay 100 shift+Down ctrl+c
sleep 0.5
printf '%s\n' "Contest is CQ-WW-CW, Operator is DLÄX, ZR 8.05" \
  "3 QSOs written in N seconds to $adif" >"$work/expected_copy.txt"
xclip -o -selection clipboard |
  sed -E 's/ written in [0-9]+ seconds? to / written in N seconds to /' \
    >"$work/copy.txt" || true
diff "$work/expected_copy.txt" "$work/copy.txt" >&2 ||
  fail "Ctrl+C copied other lines"

press "ZR to ADIF" F1
for _ in $(seq 50); do [ -s "$work/browser.txt" ] && break; sleep 0.1; done
opened=$(cat "$work/browser.txt" 2>/dev/null || true)
[ "$opened" = "$guide" ] || [ "$opened" = "file://$guide" ] ||
  fail "Help opened \"$opened\", not $guide"
sleep 0.5
if grep -q "^error-box" "$trace"; then fail "Help reported a failure"; fi

press "ZR to ADIF" alt+x
ended

# 2. About, Help whose browser dies at once, Convert without files, Escape.
start PATH="$work/dying:$PATH"
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

# 3. Started in another folder, the chooser opens where the last log came
# from. A new log gets its own ADIF name; a name typed without extension
# gets ".adi"; an ADIF file chosen after the log holds until the next log.
second="$folder/second.bin"
cp "$log" "$second"
here=$work start
press "ZR to ADIF" space
choose_in "Input ZR BIN File" "second.bin"
shown "input${tab}$second"
shown "output${tab}$folder/second.adi"
press "ZR to ADIF" Tab space
press "Output ADIF file" ctrl+a
xdotool type --delay 30 "mylog"
xdotool key Return
gone "Output ADIF file"
shown "output${tab}$folder/mylog.adi"
press "ZR to ADIF" alt+c
dismiss_box "information-box${tab}3 QSOs written to $folder/mylog.adi"
same_as_convert "$folder/mylog.adi" "$second"

# The first log again: its proposal is the file of session 1, which Convert
# does not replace without asking; No is the default answer.
cp "$adif" "$work/kept.adi"
press "ZR to ADIF" shift+Tab space
choose_in "Input ZR BIN File" "cq log.bin"
shown "output${tab}$adif"
press "ZR to ADIF" alt+c
dismiss_box "question-box${tab}$adif already exists."
cmp "$work/kept.adi" "$adif" || fail "the proposed output was replaced unasked"
forget
press "ZR to ADIF" alt+c
dismiss_box "question-box${tab}$adif already exists." alt+y
dismiss_box "information-box${tab}3 QSOs written to $adif"
same_as_convert "$adif" "$log"
"$close_window" "$(window "ZR to ADIF")"
ended

# 4. `kestrum LOG extra` chooses LOG; the list after a refused log and after
# a log that is gone.
args="$work/args"
mkdir -p "$args"
cp "$log" "$args/contest.bin"
here=$args start -- contest.bin extra.bin
shown "input${tab}$args/contest.bin"
shown "output${tab}$args/contest.adi"
grep -qxF "kestrum: ignoring extra argument extra.bin" "$work/stderr.txt" ||
  fail "no message about the extra argument"
press "ZR to ADIF" alt+c
dismiss_box "information-box${tab}3 QSOs written to $args/contest.adi"
head -c 100 /dev/zero >"$args/contest.bin"
press "ZR to ADIF" alt+c
dismiss_box "information-box${tab}0 QSOs written to $args/contest.adi"
printf '%s\n' "error${tab}ZR file $args/contest.bin does not have a valid header." \
  "error${tab}" >"$work/expected_list.txt"
message_list >"$work/list.txt"
diff "$work/expected_list.txt" "$work/list.txt" >&2 ||
  fail "the list after a refused log differs"
rm "$args/contest.bin"
press "ZR to ADIF" alt+c
shown "error-box${tab}ERROR:  Could not open ZR BIN file $args/contest.bin: No such file or directory."
dismiss_box "error-box${tab}ERROR:  Could not open ZR BIN file $args/contest.bin: No such file or directory."
[ "$(awk -F '\t' '$1 == "messages"' "$trace" | tail -n 1)" = "messages${tab}0" ] ||
  fail "the list still shows an earlier run's lines"
press "ZR to ADIF" alt+x
ended

# 5. In a folder of its own, with nothing remembered, the input chooser
# lists a log named in capitals (and no other file); Enter takes it.
upper="$work/upper"
mkdir -p "$upper"
cp "$log" "$upper/CQWW2008.BIN"
echo "notes" >"$upper/notes.txt"
home=$work/home2 here=$upper start
press "ZR to ADIF" space
window "Input ZR BIN File" >/dev/null
sleep 1
press "Input ZR BIN File" Return
gone "Input ZR BIN File"
shown "input${tab}$upper/CQWW2008.BIN"
press "ZR to ADIF" Escape
ended

# 6. Several logs dropped at once: each converted into its own ADIF file,
# the list shows each under a line naming it, one box sums up. The last,
# large one shows its progress; keys pressed meanwhile do nothing. The
# dialog waits a little at each step of progress, or the run would end
# before the test could press a key.
drop="$work/drop"
mkdir -p "$drop"
cp "$log" "$drop/first.bin"
head -c 100 /dev/zero >"$drop/BAD.BIN"
echo "notes" >"$drop/notes.txt"
"$write_session_log" "$drop/large.bin" 300000
here=$drop start KESTRUM_UI_PAUSE_MS=20 KESTRUM_UI_DROP="$drop/first.bin
$drop/notes.txt
$drop/BAD.BIN
$drop/large.bin"
# A build with the sanitizers takes its time.
for _ in $(seq 1200); do
  grep -q "^progress${tab}Converting large.bin (3 of 3)" "$trace" && break
  sleep 0.05
done
grep -q "^progress${tab}Converting large.bin (3 of 3)" "$trace" ||
  fail "a long run showed no progress"
xdotool key --delay 50 alt+w Escape
shown "error-box${tab}2 logs converted, 1 refused; 300003 QSOs written" 1200
dismiss_box "error-box${tab}2 logs converted, 1 refused; 300003 QSOs written"
if grep -q "^option" "$trace"; then fail "a key worked during the run"; fi
same_as_convert "$drop/first.adi" "$drop/first.bin"
[ ! -e "$drop/BAD.adi" ] || fail "the refused log left an ADIF file"
message_list >"$work/list.txt"
for line in "information${tab}ZR BIN file $drop/first.bin" \
  "error${tab}ZR file $drop/BAD.BIN does not have a valid header." \
  "information${tab}ZR BIN file $drop/large.bin" \
  "warning${tab}90001 more warnings not shown"; do
  grep -qxF "$line" "$work/list.txt" || fail "the list lacks: $line"
done
rm "$drop/large.bin" "$drop/large.adi"
press "ZR to ADIF" Escape
ended

echo "dialog session test passed"
