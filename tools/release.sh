#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes every release artefact in dist/ and checks them:
#
#   tools/release.sh [--no-check]
#
#   dist/kestrum_<version>_amd64.deb     the Debian package (tools/make-deb.sh)
#   dist/kestrum-<version>-win32.zip     the Windows programs, ready to unpack
#   dist/kestrum-<version>-web.tar.gz    the web page, where tools/web-build.sh
#                                        exists
#   dist/SHA256SUMS                      their checksums
#
# Every build is fresh, and every time stamp in the package is
# SOURCE_DATE_EPOCH (the last commit's time when unset). The checks build
# the package a second time in another folder and require the same bytes,
# then run tools/release-check.sh on dist/. Installs what is missing first
# (as root, or through sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
step() { echo "== $* ($((SECONDS - started)) s) =="; }

check=1
if [ "${1:-}" = --no-check ]; then
  check=0
elif [ $# -gt 0 ]; then
  echo "usage: $0 [--no-check]" >&2
  exit 2
fi

step "packages"
tools/install-deps.sh --release

export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# build_linux DIR: the programs as Debian builds them, hardened, for /usr,
# without tests. Debian's flags write the source tree's path as "."; the
# build folder is written as "build", whatever its name, so that its name
# does not reach the programs through their debugging data and build ids.
build_linux() {
  local cflags cxxflags ldflags prefix_map
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  prefix_map="-ffile-prefix-map=$(realpath -m "$1")=build"
  cflags="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
  cflags="$cflags $prefix_map"
  cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
  cxxflags="$cxxflags $prefix_map"
  ldflags=$(dpkg-buildflags --get LDFLAGS)
  rm -rf "$1"
  cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_C_FLAGS="$cflags" -DCMAKE_CXX_FLAGS="$cxxflags" \
    -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_INSTALL_PREFIX=/usr \
    -DKESTRUM_BUILD_UI=ON -DKESTRUM_BUILD_TESTS=OFF \
    -DKESTRUM_GUIDE_FROM_SOURCE=OFF >/dev/null
  cmake --build "$1" -j2
}

rm -rf dist
mkdir dist

step "Debian package"
build_linux build-release
# shellcheck source=/dev/null
. build-release/release_info.sh
version=$KESTRUM_VERSION
deb=$(tools/make-deb.sh build-release dist)
artefacts=("$(basename "$deb")")

step "Windows zip"
rm -rf build-release-win32
cmake -S . -B build-release-win32 -G Ninja \
  --toolchain cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release \
  -DKESTRUM_BUILD_TESTS=OFF >/dev/null
cmake --build build-release-win32 -j2 --target win32-zip
zip=kestrum-$version-win32.zip
cp "build-release-win32/$zip" dist/
artefacts+=("$zip")

if [ -e tools/web-build.sh ]; then
  step "web page"
  web=kestrum-$version-web
  tools/web-build.sh "$scratch/$web"
  if ! compgen -G "$scratch/$web/LICENSE*" >/dev/null; then
    cp LICENSE "$scratch/$web/LICENSE.txt"
  fi
  tar --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 \
    --numeric-owner --mode=u+rw,go=rX,a-s -C "$scratch" -cf - "$web" |
    gzip -9n >"dist/$web.tar.gz"
  artefacts+=("$web.tar.gz")
else
  step "web page: no tools/web-build.sh, none made"
fi

(cd dist && sha256sum -- "${artefacts[@]}" >SHA256SUMS)

if [ "$check" = 1 ]; then
  step "the package again, in another folder"
  build_linux build-release-again
  again=$(tools/make-deb.sh build-release-again "$scratch/again")
  if ! cmp "$deb" "$again"; then
    echo "FAIL: two builds of the same sources gave different packages"
    exit 1
  fi
  echo "the same bytes: $(sha256sum "$deb" | cut -c1-16)..."
  rm -rf build-release-again

  step "checks"
  tools/release-check.sh dist
fi

step "done"
ls -l dist
