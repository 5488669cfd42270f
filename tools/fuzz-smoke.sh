#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the conversion fuzz target with clang and runs it for about a minute
# over a copy of fuzz/corpus (the repository is not changed); fails on any
# finding, which it keeps in BUILD/fuzz-findings. Installs nothing:
# tools/install-deps.sh brings clang and its fuzzer runtime.
# Usage: tools/fuzz-smoke.sh [build-dir] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build-fuzz}"
seconds="${2:-60}"

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRUM_FUZZ=ON \
  -DKESTRUM_BUILD_CLI=OFF -DKESTRUM_BUILD_TESTS=OFF
cmake --build "$build" -j "$(nproc)" --target kestrum_fuzz

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r fuzz/corpus "$work/corpus"
findings="$build/fuzz-findings"
mkdir -p "$findings"

# One process; libFuzzer exits non-zero on a crash, a sanitizer report, a
# broken conversion property, a slow input or too much memory.
"$build/fuzz/kestrum_fuzz" -max_total_time="$seconds" -max_len=8192 \
  -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$findings/" "$work/corpus"
