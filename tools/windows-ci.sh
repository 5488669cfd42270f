#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Kestrum for Windows with Debian's MinGW-w64 cross compilers, tests
# it under Wine and packs the release zip. Installs what it needs first
# (as root, or through sudo). Fails on the first failure.
#
#   tools/windows-ci.sh [--screenshot PNG]
#
# Steps: the 32-bit release build (build-win32); the unit tests under Wine;
# kestrum-convert.exe compared byte for byte with the Linux build
# (build-linux-ref) on every sample and several option sets; the dialog
# driven in a virtual X display, and checked whole on a screen at 150 %;
# build-win32/kestrum-<version>-win32.zip.
#
# Wine runs 32-bit programs only where the kernel runs 32-bit Linux
# programs. Where it cannot, the tests run on a 64-bit build of the same
# sources (build-win64); both builds do double arithmetic in SSE2, so the
# results are the same.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS

screenshot=
if [ "${1:-}" = "--screenshot" ]; then
  screenshot=$(realpath -m "$2")
fi

step() { echo "== $* ($((SECONDS - started)) s) =="; }

step "packages"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
packages=(
  cmake ninja-build g++ libcli11-dev googletest
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
  wine wine64 xvfb xauth imagemagick unzip
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null |
    grep -q "install ok installed" || missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q \
    --no-install-recommends "${missing[@]}"
fi

# The 32-bit Wine is only of use where the kernel runs 32-bit programs; a
# machine that cannot install it tests the 64-bit build instead.
if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null |
    grep -q "install ok installed"; then
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q \
    --no-install-recommends wine32:i386 ||
    echo "wine32 could not be installed; the 64-bit build will be tested."
fi

# Both builds write the same "Last revised" date into the ADIF header.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export WINEDEBUG=-all

# Which Wine runs the tests.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  test_build=build-win32
  export WINE=/usr/lib/wine/wine
else
  echo "This kernel runs no 32-bit programs: testing a 64-bit build."
  test_build=build-win64
  export WINE=/usr/lib/wine/wine64
fi
wineserver=/usr/lib/wine/wineserver

# A fresh Wine prefix of our own, drawing a virtual desktop, with no
# debugger to wait on a crash; its server lives until we are done.
scratch=$(mktemp -d)
export WINEPREFIX=$scratch/wine
display=
cleanup() {
  "$wineserver" -k >/dev/null 2>&1 || true
  [ -n "$display" ] && kill "$display" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

step "virtual display and Wine prefix"
for number in $(seq 90 99); do
  [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
  Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  display=$!
  export DISPLAY=":$number"
  break
done
[ -n "$display" ] || { echo "no free X display number"; exit 1; }
"$WINE" wineboot -i >/dev/null 2>&1 </dev/null
"$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f \
  >/dev/null 2>&1
"$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default \
  /d 1024x768 /f >/dev/null 2>&1
"$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
  /v Auto /d 1 /f >/dev/null 2>&1
"$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
  /v Debugger /d false /f >/dev/null 2>&1
"$wineserver" -w
# A server that stays, and Wine's own services started now with no output
# to hold open: else ctest would wait for the first test's pipes.
"$wineserver" -p >/dev/null 2>&1 </dev/null
"$WINE" wineboot >/dev/null 2>&1 </dev/null

step "Windows builds"
# The tests run in the test build; the release build needs only the
# programs.
cmake -S . -B build-win32 -G Ninja --toolchain cmake/mingw-w64-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release \
  -DKESTRUM_BUILD_TESTS="$([ "$test_build" = build-win32 ] && echo ON || echo OFF)" \
  -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/lib/wine/wine >/dev/null
if [ "$test_build" = build-win64 ]; then
  cmake -S . -B build-win64 -G Ninja --toolchain cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DKESTRUM_BUILD_TESTS=ON \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$WINE" >/dev/null
  cmake --build build-win32 -j2 --target Kestrum kestrum-convert
fi
cmake --build "$test_build" -j2

step "release programs run alone"
# Nothing but DLLs of Windows itself.
for program in build-win32/ui/win32/Kestrum.exe build-win32/cli/kestrum-convert.exe; do
  dlls=$(i686-w64-mingw32-objdump -p "$program" | sed -n 's/.*DLL Name: //p' |
    tr 'A-Z' 'a-z' | sort -u | tr '\n' ' ')
  echo "$program: $dlls"
  for dll in $dlls; do
    case $dll in
      kernel32.dll | user32.dll | gdi32.dll | comdlg32.dll | comctl32.dll | \
        shell32.dll | advapi32.dll | msvcrt.dll | version.dll | ole32.dll) ;;
      *)
        echo "FAIL: $program needs $dll"
        exit 1
        ;;
    esac
  done
done

step "unit tests under Wine"
ctest --test-dir "$test_build" -j2 --output-on-failure --timeout 120

step "kestrum-convert.exe against the Linux build"
cmake -S . -B build-linux-ref -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKESTRUM_BUILD_TESTS=OFF >/dev/null
cmake --build build-linux-ref -j2 --target kestrum-convert
tests/win32/compare_with_linux.sh build-linux-ref/cli/kestrum-convert \
  "$test_build/cli/kestrum-convert.exe" examples

step "the dialog"
tests/win32/dialog_test.sh "$test_build" examples $screenshot

step "the dialog at 150 %"
# Wine reads the screen's resolution when its server starts.
"$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
  /d 144 /f >/dev/null 2>&1
"$WINE" reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d 144 /f \
  >/dev/null 2>&1
"$wineserver" -k >/dev/null 2>&1 || true
"$wineserver" -w
"$wineserver" -p >/dev/null 2>&1 </dev/null
"$WINE" wineboot >/dev/null 2>&1 </dev/null
winpath() { "$WINE" winepath -w "$1" 2>/dev/null | tr -d '\r'; }
mkdir -p "$WINEPREFIX/drive_c/Logs"
if ! "$WINE" "$(winpath "$test_build/tests/win32/dialog_driver.exe")" \
  "$(winpath "$test_build/ui/win32/Kestrum.exe")" 'C:\Logs' --layout \
  'C:\Logs\scaled.bmp'; then
  echo "FAIL: the dialog at 150 %"
  exit 1
fi
convert "$WINEPREFIX/drive_c/Logs/scaled.bmp" -strip "$test_build/dialog-150.png"
echo "the dialog at 150 %: $test_build/dialog-150.png"

step "release zip"
cmake --build build-win32 --target win32-zip
zip=$(ls build-win32/kestrum-*-win32.zip)
unzip -l "$zip"
# The names held in a variable: grep -q in a pipe would quit at the first
# match and unzip, still writing, would die of SIGPIPE and fail the pipe.
entries=$(unzip -Z1 "$zip")
for entry in Kestrum.exe kestrum-convert.exe README.txt LICENSE.txt; do
  grep -q "/$entry\$" <<<"$entries" || { echo "FAIL: $zip lacks $entry"; exit 1; }
done
if [ "$test_build" = build-win32 ]; then
  unzip -o -q "$zip" -d "$scratch/unpacked"
  "$WINE" "$scratch"/unpacked/*/kestrum-convert.exe --version
fi

step "done: $zip"
