#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the release artefacts that tools/release.sh made:
#
#   tools/release-check.sh [DIST-DIR]
#
# the checksums; the Debian package with lintian, unpacked into a scratch
# root with every file in its place, its desktop entry, software-centre
# entry and manual pages through their validators, its file type
# recognising ZR logs and only them, and its kestrum started with a log
# under a virtual display; the Windows zip's and the web page's contents.
# Reports every failure, and fails if there was one.
set -euo pipefail
cd "$(dirname "$0")/.."
dist=$(realpath "${1:-dist}")
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

scratch=$(mktemp -d)
app=
cleanup() {
  if [ -n "$app" ] && kill -0 "$app" 2>/dev/null; then kill "$app"; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

if (cd "$dist" && sha256sum --check --strict --quiet SHA256SUMS); then
  pass "SHA256SUMS"
else
  fail "SHA256SUMS does not verify"
fi
for artefact in "$dist"/*.deb "$dist"/*.zip "$dist"/*.tar.gz; do
  [ -e "$artefact" ] || continue
  grep -q "  $(basename "$artefact")\$" "$dist/SHA256SUMS" ||
    fail "SHA256SUMS lacks $(basename "$artefact")"
done

# The Debian package.
debs=("$dist"/kestrum_*.deb)
deb=${debs[0]}
if [ ! -f "$deb" ]; then
  fail "no Debian package in $dist"
  exit 1
fi
if lintian --fail-on error,warning "$deb" >"$scratch/lintian.txt" 2>&1; then
  pass "lintian"
else
  fail "lintian:"
  cat "$scratch/lintian.txt"
fi

root=$scratch/root
dpkg -x "$deb" "$root"
share=$root/usr/share
missing=0
for file in \
  usr/bin/kestrum usr/bin/kestrum-convert \
  usr/share/man/man1/kestrum.1.gz usr/share/man/man1/kestrum-convert.1.gz \
  usr/share/applications/kestrum.desktop \
  usr/share/metainfo/io.github.kestrum.kestrum.metainfo.xml \
  usr/share/mime/packages/kestrum.xml \
  usr/share/icons/hicolor/scalable/apps/kestrum.svg \
  usr/share/kestrum/guide/index.html \
  usr/share/doc/kestrum/copyright usr/share/doc/kestrum/changelog.gz; do
  [ -s "$root/$file" ] || { fail "the package lacks /$file"; missing=1; }
done
for program in kestrum kestrum-convert; do
  [ -x "$root/usr/bin/$program" ] || fail "/usr/bin/$program is not executable"
done
for size in 16 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x$size/apps/kestrum.png
  # Width and height: big-endian 32-bit numbers at bytes 16 and 20.
  actual=$(od -A n -t u1 -j 16 -N 8 "$png" 2>/dev/null |
    awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
  [ "$actual" = "${size}x$size" ] ||
    { fail "icon ${size}x$size is ${actual:-missing}"; missing=1; }
done
grep -q '^License: Expat' "$share/doc/kestrum/copyright" ||
  fail "copyright names no licence"
[ "$missing" = 0 ] && pass "every file in its place"

# Validators: any warning fails, hints and information do not.
desktop=$share/applications/kestrum.desktop
if desktop-file-validate "$desktop" >"$scratch/desktop.txt" 2>&1 &&
  ! grep -q -e 'error:' -e 'warning:' "$scratch/desktop.txt"; then
  pass "desktop-file-validate"
else
  fail "desktop-file-validate:"
  cat "$scratch/desktop.txt"
fi
if appstreamcli validate --pedantic --no-net --explain \
  "$share/metainfo/io.github.kestrum.kestrum.metainfo.xml" \
  >"$scratch/appstream.txt" 2>&1; then
  pass "appstreamcli validate"
else
  fail "appstreamcli validate:"
  cat "$scratch/appstream.txt"
fi
for page in "$share"/man/man1/*.1.gz; do
  warnings=$( (zcat "$page" | groff -ww -z -man) 2>&1 &&
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" \
      2>&1 >/dev/null)
  if [ -z "$warnings" ]; then
    pass "groff -ww $(basename "$page")"
  else
    fail "groff -ww $(basename "$page"):"
    echo "$warnings"
  fi
done

# The file type: ZR logs of 8.xx to 10.xx are recognised by their version
# text whatever their name, other .bin files stay plain binary files.
cp -r "$share/mime" "$scratch/mime"
update-mime-database "$scratch/mime" 2>/dev/null
mkdir "$scratch/types"
cp examples/fieldday-8xx.bin examples/vhf-9xx.bin examples/iota-10xx.bin \
  "$scratch/types/"
cp examples/rac-10xx.bin "$scratch/types/renamed.dat"
head -c 4096 /dev/zero >"$scratch/types/firmware.bin"
cp examples/cqww-7xx.bin "$scratch/types/"
content_type() {
  XDG_DATA_DIRS="$scratch:/usr/share" XDG_DATA_HOME="$scratch/none" \
    gio info -a standard::content-type "$scratch/types/$1" |
    sed -n 's/^ *standard::content-type: //p'
}
types_ok=1
for file in fieldday-8xx.bin vhf-9xx.bin iota-10xx.bin renamed.dat; do
  type=$(content_type "$file")
  [ "$type" = application/x-zr-log ] ||
    { fail "$file is $type, not a ZR log"; types_ok=0; }
done
# A 7.xx log carries no mark and cannot be told from other .bin files.
for file in firmware.bin cqww-7xx.bin; do
  type=$(content_type "$file")
  [ "$type" = application/octet-stream ] ||
    { fail "$file is $type, not a plain binary file"; types_ok=0; }
done
[ "$types_ok" = 1 ] && pass "the file type of ZR logs"

# The installed dialog, started with a log: it opens with the log chosen,
# and Help finds the installed guide.
trace=$scratch/trace.txt
log="$scratch/my logs/cq ww.bin"
mkdir -p "$scratch/my logs" "$scratch/bin" "$scratch/home"
cp examples/sweepstakes-8xx.bin "$log"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"%s"\n' "$scratch/browser.txt" \
  >"$scratch/bin/xdg-open"
chmod +x "$scratch/bin/xdg-open"
# The stand-in browser is the only one: the toolkit asks the desktop for
# the program that opens web pages, and the fallback is xdg-open.
mkdir -p "$scratch/home/.local/share/applications" "$scratch/home/.config"
printf '[Desktop Entry]\nType=Application\nName=Browser\nExec=%s %%u\nMimeType=text/html;\n' \
  "$scratch/bin/xdg-open" >"$scratch/home/.local/share/applications/browser.desktop"
printf '[Default Applications]\ntext/html=browser.desktop\n' \
  >"$scratch/home/.config/mimeapps.list"
: >"$trace"
timeout 60 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
  env HOME="$scratch/home" PATH="$scratch/bin:$PATH" BROWSER= LC_ALL=C.UTF-8 \
  XDG_DATA_HOME="$scratch/home/.local/share" \
  XDG_CONFIG_HOME="$scratch/home/.config" GSETTINGS_BACKEND=memory \
  NO_AT_BRIDGE=1 KESTRUM_UI_TRACE="$trace" \
  bash -c '"$1" "$2" 2>"$3" &
    app=$!
    for _ in $(seq 100); do
      grep -q "^ready" "$4" && break
      sleep 0.1
    done
    id=$(timeout 10 xdotool search --sync --onlyvisible \
      --name "^ZR to ADIF\$" | head -n 1)
    sleep 0.5
    xdotool windowfocus --sync "$id" key F1
    for _ in $(seq 50); do [ -s "$5" ] && break; sleep 0.1; done
    xdotool windowfocus --sync "$id" key Escape
    wait "$app"' \
  kestrum "$root/usr/bin/kestrum" "$log" "$scratch/stderr.txt" "$trace" \
  "$scratch/browser.txt" >/dev/null 2>&1 &
app=$!
status=0
wait "$app" || status=$?
app=
tab=$'\t'
if [ "$status" = 0 ] && grep -qxF "input$tab$log" "$trace"; then
  pass "kestrum FILE opens with FILE chosen"
else
  fail "kestrum FILE (status $status) did not show \"$log\" chosen:"
  sed 's/^/  shown: /' "$trace"
  sed 's/^/  stderr: /' "$scratch/stderr.txt" 2>/dev/null || true
fi
opened=$(cat "$scratch/browser.txt" 2>/dev/null || true)
guide=$share/kestrum/guide/index.html
if [ "$opened" = "$guide" ] || [ "$opened" = "file://$guide" ]; then
  pass "Help opens the installed guide"
else
  fail "Help opened \"$opened\", not $guide"
fi

# The Windows zip and the web page.
# expect_entries ARCHIVE LISTING PATTERN...: every pattern names a file in
# the archive's one top folder.
expect_entries() {
  local archive=$1 listing=$2 entry complete=1
  shift 2
  for entry in "$@"; do
    grep -q "^[^/]*/$entry\$" <<<"$listing" ||
      { fail "$archive lacks $entry"; complete=0; }
  done
  [ "$complete" = 0 ] || pass "$archive holds $*"
}
zips=("$dist"/kestrum-*-win32.zip)
if [ -e "${zips[0]}" ]; then
  expect_entries "$(basename "${zips[0]}")" "$(unzip -Z1 "${zips[0]}")" \
    Kestrum.exe kestrum-convert.exe README.txt LICENSE.txt
else
  fail "no Windows zip"
fi
for web in "$dist"/kestrum-*-web.tar.gz; do
  [ -e "$web" ] || continue
  expect_entries "$(basename "$web")" "$(tar -tzf "$web")" \
    index.html 'LICENSE[^/]*'
done

if [ "$failures" -gt 0 ]; then
  echo "release checks: $failures failed"
  exit 1
fi
echo "release checks: all passed"
