#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything (the dialog included) and runs
# every test. Usage: tools/test.sh [build-dir] [extra CMake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
build="${1:-build}"
shift || true
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKESTRUM_BUILD_UI=ON -DKESTRUM_BUILD_BENCH=ON "$@"
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
