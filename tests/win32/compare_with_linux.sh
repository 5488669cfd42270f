#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the Windows kestrum-convert.exe (under Wine) and the Linux
# kestrum-convert side by side on the same arguments in twin folders and
# fails on any difference: exit status, standard output and standard error,
# and every file written. Windows writes text files and its console in text
# mode, so each of its line feeds must come as CR LF; with the CRs taken
# out, its bytes must equal the Linux bytes. Both builds must have been
# configured with the same SOURCE_DATE_EPOCH, which fixes the "Last
# revised" line of the ADIF header.
#
#   compare_with_linux.sh LINUX_CONVERT WINDOWS_CONVERT EXAMPLES_DIR
#
# WINE names the program that runs Windows programs (default: wine).
set -euo pipefail

linux=$(realpath "$1")
windows=$(realpath "$2")
examples=$(realpath "$3")
wine=${WINE:-wine}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
caseFailed=0

fail() {
  echo "FAIL: $*"
  caseFailed=1
}

# A run's seconds depend on the machine, not on the build.
mask_seconds() {
  sed -E 's/ written in [0-9]+ seconds? to / written in N seconds to /'
}

# A file error ends in the system's reason, which each system words its own
# way (strerror against FormatMessage).
mask_reasons() {
  sed -E 's/^((kestrum-convert: )?(ERROR:  )?Could not (open|create|read|write) [^:]*: )[^:.]*\.( It was left as it was\.)?(\r?)$/\1REASON.\5\6/'
}

# check_text LABEL WINDOWS_FILE LINUX_FILE: the Windows text is the Linux
# text with every line feed as CR LF.
check_text() {
  local label=$1 win=$2 lin=$3
  if ! cmp -s <(tr -d '\r' <"$win") "$lin"; then
    fail "$label differs:"
    diff <(tr -d '\r' <"$win") "$lin" | head -20
  elif [ "$(grep -c $'\r$' "$win" || true)" != "$(grep -c '' "$win")" ] &&
    [ -s "$win" ]; then
    # grep -c '' counts a last line without a line feed too; the ADIF and
    # the messages always end in one.
    fail "$label: a line of the Windows text does not end in CR LF"
  fi
}

# run_case NAME [ARGUMENT...]: both programs, each in its own copy of the
# samples, with the same relative arguments.
run_case() {
  local name=$1
  shift
  caseFailed=0
  compare_case "$name" "$@"
  if [ "$caseFailed" = 0 ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
  fi
}

compare_case() {
  local name=$1
  shift
  local lin="$work/$name/linux" win="$work/$name/windows"
  mkdir -p "$lin" "$win"
  cp "$examples"/*.bin "$lin"/
  cp "$examples"/*.bin "$win"/
  local linStatus=0 winStatus=0
  (cd "$lin" && "$linux" "$@" >"../linux.out" 2>"../linux.err") || linStatus=$?
  (cd "$win" && "$wine" "$windows" "$@" >"../windows.out" 2>"../windows.err") ||
    winStatus=$?
  [ "$linStatus" = "$winStatus" ] ||
    fail "$name: exit status $winStatus on Windows, $linStatus on Linux"
  local stream
  for stream in linux.out windows.out; do
    mask_seconds <"$work/$name/$stream" | mask_reasons \
      >"$work/$name/$stream.masked"
  done
  for stream in linux.err windows.err; do
    mask_reasons <"$work/$name/$stream" >"$work/$name/$stream.masked"
  done
  check_text "$name: standard output" "$work/$name/windows.out.masked" \
    "$work/$name/linux.out.masked"
  check_text "$name: standard error" "$work/$name/windows.err.masked" \
    "$work/$name/linux.err.masked"
  local linFiles winFiles
  linFiles=$(cd "$lin" && find . -type f | sort)
  winFiles=$(cd "$win" && find . -type f | sort)
  if [ "$linFiles" != "$winFiles" ]; then
    fail "$name: other files written:"
    diff <(echo "$winFiles") <(echo "$linFiles") | head -20
    return
  fi
  local file
  for file in $linFiles; do
    case $file in
      *.bin) cmp -s "$lin/$file" "$win/$file" || fail "$name: $file changed" ;;
      *) check_text "$name: $file" "$win/$file" "$lin/$file" ;;
    esac
  done
}

# Every sample in each option set, the defaults first.
logs=()
for log in "$examples"/*.bin; do logs+=("$(basename "$log")"); done
run_case defaults "${logs[@]}"
run_case bare --no-seconds --no-frequency "${logs[@]}"
run_case fields --contest-id --operator --wpx --vexo "${logs[@]}"
run_case exchange --arrl-ss --six-meters "${logs[@]}"
run_case adif3 --adif3 "${logs[@]}"
run_case adif3-all --adif3 --contest-id --operator --wpx --vexo --arrl-ss \
  --six-meters --no-seconds "${logs[@]}"
run_case contest-text --contest-id-text "TEST 2011" "${logs[@]}"
run_case one-output -o single.adi --wpx "${logs[0]}"

# The command line itself.
run_case version --version
run_case help --help
run_case no-arguments
run_case unknown-option --bogus "${logs[0]}"
run_case missing-log no-such-log.bin
run_case two-logs-one-output -o both.adi "${logs[0]}" "${logs[1]}"

echo "comparison: $passed passed, $failed failed"
[ "$failed" = 0 ]
