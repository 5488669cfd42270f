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
# The generated build information header is all the library needs built.
cmake --build "$build" --target kestrum_conv -- -n >/dev/null

report="$(mktemp)"
trap 'rm -f "$report"' EXIT
git ls-files 'base/*.cc' 'refdata/*.cc' 'core/*.cc' 'output/*.cc' 'run/*.cc' |
  xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet >"$report" 2>&1 ||
  true
if grep -q "warning:\|error:" "$report"; then
  cat "$report"
  echo "tidy: clang-tidy found the problems above" >&2
  exit 1
fi
echo "tidy: clang-tidy finds nothing in the library"
