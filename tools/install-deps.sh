#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building, testing and running Kestrum
# need, and only those that are missing. Runs apt-get as root, or through
# sudo for other users. --minimal: only what the command-line demo needs;
# --release: what tools/release.sh needs.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config bash-completion
  libgtest-dev libgmock-dev googletest libbenchmark-dev libcli11-dev
  libwxgtk3.2-dev xvfb xauth xdotool x11-utils xclip imagemagick
  clang clang-format clang-tidy libclang-rt-14-dev valgrind
  nodejs npm trustedqsl
)
if [ "${1:-}" = "--minimal" ]; then
  # What the command-line demo needs.
  packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libcli11-dev)
elif [ "${1:-}" = "--release" ]; then
  # What tools/release.sh needs to build the Debian package and the Windows
  # zip, and to check them.
  packages=(
    cmake ninja-build g++ pkg-config libcli11-dev libwxgtk3.2-dev
    dpkg-dev lintian appstream desktop-file-utils groff-base man-db
    shared-mime-info libglib2.0-bin xvfb xauth xdotool unzip
    g++-mingw-w64-i686-posix binutils-mingw-w64
  )
fi

missing=()
for package in "${packages[@]}"; do
  # A node that brings its own npm stands in for Debian's npm package.
  [ "$package" = npm ] && command -v npm >/dev/null && continue
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null |
      grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ "${#missing[@]}" -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends \
  "${missing[@]}"
