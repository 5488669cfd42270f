#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sources the bash completion of kestrum-convert, as bash-completion does,
# and completes an option, a LOG, the file of -o and the folder of -d; every
# option that --help lists must be offered.
#
#   completion_test.sh KESTRUM_CONVERT BASH_COMPLETION_SCRIPT
# Exits 77 (skipped) where bash-completion is not installed.
set -uo pipefail
export LC_ALL=C
program=$(realpath "$1")
script=$(realpath "$2")
framework=/usr/share/bash-completion/bash_completion
if [ ! -r "$framework" ]; then
  echo "SKIP: $framework not installed"
  exit 77
fi
# shellcheck disable=SC1090
source "$framework"
# shellcheck disable=SC1090
source "$script"

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
mkdir logs out
touch cqww.bin WPX.BIN notes.txt old.adi

failures=0
# complete WORD... : completes the last word of `kestrum-convert WORD...`
# and prints the offers sorted, one per line.
complete_line() {
  COMP_WORDS=(kestrum-convert "$@")
  COMP_CWORD=$#
  COMP_LINE="kestrum-convert $*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _kestrum_convert kestrum-convert "${COMP_WORDS[COMP_CWORD]}" \
    "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | sort
}
expect() {
  local what=$1 expected=$2 actual=$3
  if [ "$expected" != "$actual" ]; then
    echo "FAIL: $what"
    echo "  expected: $(echo "$expected" | tr '\n' ' ')"
    echo "  offered:  $(echo "$actual" | tr '\n' ' ')"
    failures=$((failures + 1))
  fi
}

expect "an option" "$(printf '%s\n' --output --output-dir)" \
  "$(complete_line --out)"
expect "a LOG: logs and folders, no other file" \
  "$(printf '%s\n' WPX.BIN cqww.bin logs out | sort)" "$(complete_line '')"
expect "a LOG by its first letters" "cqww.bin" "$(complete_line --wpx cq)"
expect "the file of -o" "$(printf '%s\n' logs old.adi out | sort)" \
  "$(complete_line -o '')"
expect "the folder of -d" "$(printf '%s\n' logs out)" \
  "$(complete_line --output-dir '')"

# Every option of the help is offered, and nothing else.
help_options=$("$program" --help |
  sed -n '/^Options:/,/^$/p' | grep -oE -- '(^|[ ,])--?[a-zA-Z0-9-]+' |
  tr -d ' ,' | sort)
expect "the options of --help" "$help_options" "$(complete_line - | sort)"

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "bash completion: all offers as expected"
