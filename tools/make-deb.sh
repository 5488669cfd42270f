#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Debian package of Kestrum from a build tree that was configured
# with the prefix /usr and built:
#
#   tools/make-deb.sh BUILD-DIR OUT-DIR
#
# Installs the build into a scratch root, adds what Debian asks of a
# package (the licence as a machine-readable copyright file, the changelog,
# compressed manual pages, stripped programs, control and md5sums) and
# packs OUT-DIR/kestrum_<version>_<architecture>.deb with dpkg-deb. Every
# time stamp is SOURCE_DATE_EPOCH (the last commit's time when unset), so
# the same build gives the same bytes. Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 2 ] || { echo "usage: $0 BUILD-DIR OUT-DIR" >&2; exit 2; }
build=$(realpath "$1")
out=$(realpath -m "$2")
# shellcheck source=/dev/null
. "$build/release_info.sh"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}

prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
if [ "$prefix" != /usr ]; then
  # The manual pages name the installed files by their full paths.
  echo "$0: $build is configured for $prefix, not /usr" >&2
  exit 1
fi

umask 022
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
DESTDIR=$root cmake --install "$build" >/dev/null

# As dh_strip does: no symbols, no compiler notes.
for program in "$root"/usr/bin/*; do
  strip --remove-section=.comment --remove-section=.note --strip-unneeded \
    "$program"
done
gzip -9n "$root"/usr/share/man/man1/*.1

doc=$root/usr/share/doc/kestrum
mkdir -p "$doc"

# The copyright file in Debian's machine-readable form, with the text of
# LICENSE; Debian calls this licence Expat.
{
  echo "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
  echo "Upstream-Name: Kestrum"
  echo "Upstream-Contact: $KESTRUM_MAINTAINER"
  echo "Source: $KESTRUM_PROJECT_URL"
  echo
  echo "Files: *"
  sed -n 's/^Copyright (c) /Copyright: /p' LICENSE
  echo "License: Expat"
  sed -n '/^Permission is hereby granted/,$p' LICENSE |
    sed -e 's/^$/./' -e 's/^/ /'
} >"$doc/copyright"

# The changelog in Debian's form, one entry per released version of
# CHANGELOG.md: its sections become the prefixes of the items.
awk -v maintainer="$KESTRUM_MAINTAINER" '
  # Prints "  * TEXT" wrapped at 78 columns, continued with four blanks.
  function flush_item(    words, n, i, line) {
    if (item == "") return
    gsub(/`/, "", item)
    n = split(item, words, " ")
    line = "  *"
    for (i = 1; i <= n; i++) {
      if (length(line) + 1 + length(words[i]) > 78) {
        print line
        line = "   "
      }
      line = line " " words[i]
    }
    print line
    item = ""
  }
  function end_entry(    command, stamp) {
    flush_item()
    if (version == "") return
    command = "date -u -R -d " date
    command | getline stamp
    close(command)
    print ""
    print " -- " maintainer "  " stamp
    version = ""
    entries++
  }
  /^## \[/ {
    end_entry()
    if ($0 ~ /^## \[Unreleased\]/) next
    version = $2
    gsub(/[][]/, "", version)
    date = $4
    if (entries > 0) print ""
    print "kestrum (" version ") unstable; urgency=medium"
    print ""
    section = ""
    next
  }
  version == "" { next }
  /^### / { flush_item(); section = substr($0, 5) ": "; next }
  /^- / { flush_item(); item = section substr($0, 3); next }
  /^ +[^ ]/ && item != "" { sub(/^ +/, ""); item = item " " $0; next }
  /^$/ { flush_item(); next }
  { item = item == "" ? $0 : item " " $0 }
  END { end_entry() }
' CHANGELOG.md | gzip -9n >"$doc/changelog.gz"

# Dependencies: the shared libraries the programs use, at the versions that
# provide the symbols they use.
mkdir "$scratch/debian"
printf 'Source: kestrum\n\nPackage: kestrum\nArchitecture: any\n' \
  >"$scratch/debian/control"
depends=$(cd "$scratch" &&
  dpkg-shlibdeps -O -xkestrum root/usr/bin/* 2>/dev/null |
  sed -n 's/^shlibs:Depends=//p')
[ -n "$depends" ] || { echo "$0: dpkg-shlibdeps found no libraries" >&2; exit 1; }

# Normal permissions and one time for every file, whatever the umask and
# clock of the build.
find "$root" -type d -exec chmod 0755 {} +
find "$root" -type f -exec chmod 0644 {} +
chmod 0755 "$root"/usr/bin/*
# dpkg counts the installed size in KiB: each file rounded up, each folder
# and link one.
installed_size=$(find "$root" -mindepth 1 -printf '%y %s\n' |
  awk '$1 == "f" { kib += int(($2 + 1023) / 1024); next } { kib += 1 }
       END { print kib }')

mkdir "$root/DEBIAN"
(cd "$root" && find usr -type f | LC_ALL=C sort | xargs md5sum) \
  >"$root/DEBIAN/md5sums"
arch=$(dpkg --print-architecture)
cat >"$root/DEBIAN/control" <<EOF
Package: kestrum
Version: $KESTRUM_VERSION
Architecture: $arch
Maintainer: $KESTRUM_MAINTAINER
Installed-Size: $installed_size
Depends: $depends
Recommends: xdg-utils
Section: hamradio
Priority: optional
Homepage: $KESTRUM_PROJECT_URL
Description: convert ZR contest logs into ADIF files
 Kestrum reads the binary logs (.bin) of the ZR contest logger and writes
 every contact as an ADIF file that loggers, award services and QSL systems
 import. It knows all four generations of the log format (7.xx, 8.xx, 9.xx
 and 10.xx) and the exchanges of 30 contests, and writes ADIF 2.1.7, or
 ADIF 3.1.4 for LoTW and modern loggers.
 .
 The package holds the dialog kestrum, which file managers offer for ZR
 logs, and the command-line tool kestrum-convert for many logs at once.
EOF
chmod 0644 "$root"/DEBIAN/*
find "$root" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +

mkdir -p "$out"
deb=$out/kestrum_${KESTRUM_VERSION}_$arch.deb
dpkg-deb --root-owner-group -Zxz --threads-max=1 --build "$root" "$deb" \
  >/dev/null
echo "$deb"
