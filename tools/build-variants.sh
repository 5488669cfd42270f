#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the configurations that tools/test.sh does not, so that none of
# them breaks unnoticed, and checks that each one works:
#   bench  tests off, benchmark on (warnings as errors): the benchmark, its
#          log writer and kestrum-convert build without GoogleTest, and a
#          small benchmark log converts.
# Installs nothing: tools/install-deps.sh brings Google Benchmark.
# Usage: tools/build-variants.sh [build-dir-prefix]
set -euo pipefail
cd "$(dirname "$0")/.."

prefix="${1:-build-variant}"

echo "== tests off, benchmark on =="
build="$prefix-bench"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKESTRUM_BUILD_TESTS=OFF -DKESTRUM_BUILD_BENCH=ON -DKESTRUM_WERROR=ON
cmake --build "$build" -j "$(nproc)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/bench/make_bench_log" 5000 "$work/log.bin"
"$build/cli/kestrum-convert" -o "$work/log.adi" "$work/log.bin" >/dev/null
grep -q "^QSOs:      5000$" "$work/log.adi"
echo "variants: every configuration builds and converts"
