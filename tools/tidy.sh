#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs clang-tidy with the repository's .clang-tidy on every source of the
# conversion library (base, refdata, core, output, run); prints what it
# finds and exits 1 if it finds anything. Configures a build folder of its
# own for the compile commands. Installs nothing.
# Usage: tools/tidy.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build-tidy}"
cmake -S . -B "$build" -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DKESTRUM_BUILD_TESTS=OFF -DKESTRUM_BUILD_CLI=OFF >/dev/null

report="$(mktemp)"
trap 'rm -f "$report" "$report.files"' EXIT
# The library's sources as this platform compiles them (the Windows files
# need the Windows headers).
grep -o '"file": "[^"]*"' "$build/compile_commands.json" | cut -d'"' -f4 |
  grep -E "^$PWD/(base|refdata|core|output|run)/" >"$report.files" || true
if [ ! -s "$report.files" ]; then
  echo "tidy: no library sources in $build/compile_commands.json" >&2
  exit 1
fi
sort -u "$report.files" |
  xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet >"$report" 2>&1 ||
  true
if grep -q "warning:\|error:" "$report"; then
  cat "$report"
  echo "tidy: clang-tidy found the problems above" >&2
  exit 1
fi
echo "tidy: clang-tidy finds nothing in the library"
