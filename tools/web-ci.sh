#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the browser front end and tests it: the C interface natively
# (GoogleTest), then the site in Debian's chromium driven by Playwright (the
# page, every sample against kestrum-convert, the size and speed budgets).
# Installs what it needs first (as root, or through sudo).
#
#   tools/web-ci.sh [BUILD_DIR]      (default build-web)
#
# Leaves the site in BUILD_DIR/site and the screenshots in BUILD_DIR/out.
# kestrum-convert is built here with the site's SOURCE_DATE_EPOCH, so that
# the build date in both ADIF headers agrees.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
build=$(realpath -m "${1:-build-web}")
step() { echo "== $* ($((SECONDS - started)) s) =="; }

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || echo 1765152000)
fi
export SOURCE_DATE_EPOCH

step "packages"
tools/install-deps.sh --minimal
if ! dpkg-query -W -f='${Status}' chromium 2>/dev/null |
    grep -q "install ok installed"; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q \
    --no-install-recommends chromium
fi

step "site"
KESTRUM_WEB_BUILD="$build" tools/web-build.sh "$build/site"

step "native build"
cmake -S . -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKESTRUM_BUILD_UI=OFF -DKESTRUM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build/native" -j 2 --target kestrum-convert web_tests \
  web_native_timing
ctest --test-dir "$build/native" --output-on-failure -R '^KestrumWebTest\.'

step "browser tests"
(cd tests/web && npm ci --ignore-scripts --no-audit --no-fund --silent)
export KESTRUM_WEB_SITE="$build/site"
export KESTRUM_WEB_OUT="$build/out"
export KESTRUM_CONVERT="$build/native/cli/kestrum-convert"
export KESTRUM_WEB_NATIVE_TIMING="$build/native/tests/web/web_native_timing"
# One file at a time, so that the timing has the machine to itself.
node --test --test-concurrency=1 tests/web/

step "done"
