#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the browser front end: the conversion engine compiled to WebAssembly
# with Debian's Emscripten, the page, its module and the zip library, into
# OUTDIR: the whole static site, nothing else is needed to serve it.
# Installs what is missing first (as root, or through sudo).
#
#   tools/web-build.sh OUTDIR
#
# Intermediate files go to build-web/ (or $KESTRUM_WEB_BUILD). The build date
# in the ADIF header follows SOURCE_DATE_EPOCH, as in the native build.
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: tools/web-build.sh OUTDIR" >&2
  exit 2
fi
out=$(realpath -m "$1")
cd "$(dirname "$0")/.."
root=$PWD
build=$(realpath -m "${KESTRUM_WEB_BUILD:-build-web}")

missing=()
for package in emscripten nodejs cmake ninja-build; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null |
      grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
command -v npm >/dev/null || missing+=(npm)
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q \
    --no-install-recommends "${missing[@]}"
fi

# Emscripten's JavaScript tools find their Node modules (acorn) in Debian's
# tree, which a Node from elsewhere does not search.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

emcmake cmake -S "$root" -B "$build/wasm" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKESTRUM_BUILD_CLI=OFF -DKESTRUM_BUILD_TESTS=OFF -DKESTRUM_BUILD_UI=OFF \
  >/dev/null
cmake --build "$build/wasm" --target kestrum-engine -j 2

# The zip library, as pinned by web/package-lock.json.
mkdir -p "$build/npm"
cp web/package.json web/package-lock.json "$build/npm/"
(cd "$build/npm" && npm ci --ignore-scripts --no-audit --no-fund --silent)

rm -rf "$out"
mkdir -p "$out"
cp web/site/index.html web/site/kestrum.css web/site/page.js \
  web/site/kestrum.js "$build/wasm/web/kestrum-engine.js" \
  "$build/wasm/web/kestrum-engine.wasm" "$out/"
cp "$build/npm/node_modules/fflate/umd/index.js" "$out/fflate.js"
{
  echo "Kestrum, in this site: index.html, kestrum.css, page.js, kestrum.js,"
  echo "kestrum-engine.js and kestrum-engine.wasm; these two also hold parts of"
  echo "Emscripten's runtime (MIT), musl (MIT) and libc++ (Apache-2.0 WITH"
  echo "LLVM-exception)."
  echo
  cat LICENSE
  echo
  echo "fflate $(node -p "require('$build/npm/node_modules/fflate/package.json').version"), in this site: fflate.js."
  echo
  cat "$build/npm/node_modules/fflate/LICENSE"
} >"$out/LICENSES.txt"
echo "site: $out ($(du -sk "$out" | cut -f1) KB)"
