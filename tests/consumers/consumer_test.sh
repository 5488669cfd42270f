#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The steps of the consumer tests, one CTest test each (tests/consumers/
# CMakeLists.txt registers them):
#
#   consumer_test.sh npm-ci PREFIX
#       installs the pinned node packages (package-lock.json in PREFIX)
#   consumer_test.sh convert CONVERTER LOGS OUT [OPTION...]
#       converts every LOGS/*.bin into OUT/*.adi with the OPTIONs
#   consumer_test.sh tcadif PREFIX DIR...
#       checks every DIR/*.adi with tcadif: ADIF 3.1.4, no error, no warning
#   consumer_test.sh tcadif-rejects PREFIX DIR EXPECTED...
#       the check of DIR/*.adi must fail, saying each EXPECTED text
#   consumer_test.sh tcadif-rejects-damage PREFIX FILE WORK
#       damages a copy of FILE (lengths too short, too long, cut short) in
#       WORK; the check must fail, naming each damage
#   consumer_test.sh tqsl CHECKER WORK DIR...
#       checks every DIR/*.adi with trustedqsl's converter: all accepted
#   consumer_test.sh tqsl-rejects CHECKER WORK DIR EXPECTED...
#       the trustedqsl check of DIR/*.adi must fail, saying each EXPECTED
#
# The tcadif steps exit with 77 (skipped) when node or npm is not installed;
# tools/install-deps.sh installs both.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
readonly kSkipped=77

require_node() {
  local tool
  for tool in node npm; do
    if ! command -v "$tool" >/dev/null; then
      echo "skipped: $tool is not installed (tools/install-deps.sh installs it)"
      exit "$kSkipped"
    fi
  done
}

# Runs the tcadif check on DIR/*.adi of every DIR given.
check_tcadif() {
  local prefix="$1"
  shift
  local files=()
  local dir
  for dir in "$@"; do files+=("$dir"/*.adi); done
  node "$here/check_adif.mjs" --tcadif "$prefix/node_modules/tcadif" \
    --adif-version 3.1.4 "${files[@]}"
}

# Fails unless the check whose output is in $1 and whose exit status is $2
# failed, saying each of the remaining arguments.
expect_rejection() {
  local output="$1" status="$2"
  shift 2
  printf '%s\n' "$output"
  if [ "$status" -ne 1 ]; then
    echo "FAILED: the check exited with $status, not 1"
    exit 1
  fi
  local expected missing=0
  for expected in "$@"; do
    if ! grep -qF -- "$expected" <<<"$output"; then
      echo "FAILED: the check did not say: $expected"
      missing=1
    fi
  done
  exit "$missing"
}

step="$1"
shift
case "$step" in
  npm-ci)
    require_node
    npm ci --prefix "$1" --no-audit --no-fund
    ;;
  convert)
    converter="$1" logs="$2" out="$3"
    shift 3
    rm -rf "$out"
    mkdir -p "$out"
    for log in "$logs"/*.bin; do
      name="$(basename "$log" .bin)"
      # Warnings leave the status 0; any error fails the step.
      "$converter" "$@" -o "$out/$name.adi" "$log" >"$out/$name.txt"
    done
    echo "converted $(ls "$out"/*.adi | wc -l) logs with: $*"
    ;;
  tcadif)
    require_node
    check_tcadif "$@"
    ;;
  tcadif-rejects)
    require_node
    prefix="$1" dir="$2"
    shift 2
    status=0
    output="$(check_tcadif "$prefix" "$dir")" || status=$?
    expect_rejection "$output" "$status" "$@"
    ;;
  tcadif-rejects-damage)
    require_node
    prefix="$1" file="$2" work="$3"
    rm -rf "$work"
    mkdir -p "$work"
    damaged="$work/damaged.adi"
    # One call's length one short, one a blank too long, one reaching into
    # the next tag; then the last record cut off in the middle of a value.
    sed -e '0,/<CALL:5>\([A-Z0-9]\{5\}\) /s//<CALL:4>\1 /' \
      -e '0,/<CALL:6>\([A-Z0-9]\{6\}\) /s//<CALL:7>\1 /' \
      -e '0,/<CALL:4>\([A-Z0-9]\{4\}\) /s//<CALL:9>\1 /' "$file" >"$damaged"
    truncate -s -12 "$damaged"
    status=0
    output="$(check_tcadif "$prefix" "$work")" || status=$?
    expect_rejection "$output" "$status" \
      'text outside any field' 'has blanks at its ends' \
      'tcadif refuses the record: QSO missing one or more required fields' \
      'runs past the end of the file' 'ADIF.parse refuses the file'
    ;;
  tqsl)
    checker="$1" work="$2"
    shift 2
    files=()
    for dir in "$@"; do files+=("$dir"/*.adi); done
    "$checker" --work-dir "$work" "${files[@]}"
    ;;
  tqsl-rejects)
    checker="$1" work="$2" dir="$3"
    shift 3
    status=0
    output="$("$checker" --work-dir "$work" "$dir"/*.adi)" || status=$?
    expect_rejection "$output" "$status" "$@"
    ;;
  *)
    echo "consumer_test.sh: unknown step $step" >&2
    exit 2
    ;;
esac
