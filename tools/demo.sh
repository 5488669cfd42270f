#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The main job in one command: installs what is missing, builds
# kestrum-convert and converts ZR logs to ADIF. Without arguments it converts
# the bundled sample logs from examples/ (copied to build-demo/samples, so the
# repository stays clean) and shows the messages and the first records of
# each ADIF file. With arguments, they are handed to kestrum-convert as they
# are: tools/demo.sh --contest-id ~/logs/*.bin
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"

"$top/tools/install-deps.sh" --minimal
cmake -S "$top" -B "$top/build-demo" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKESTRUM_BUILD_TESTS=OFF > /dev/null
cmake --build "$top/build-demo" --target kestrum-convert -j "$(nproc)" > /dev/null
convert="$top/build-demo/cli/kestrum-convert"

if [ "$#" -gt 0 ]; then
  exec "$convert" "$@"
fi

samples="$top/build-demo/samples"
rm -rf "$samples"
mkdir -p "$samples"
cp "$top"/examples/*.bin "$samples/"
status=0
cd "$samples"
echo "Converting the sample logs in ${samples#"$top"/}:"
echo
for log in *.bin; do
  echo "\$ kestrum-convert --contest-id $log"
  "$convert" --contest-id "$log" || status=$?
  echo "\$ sed -n '/^<EOH>/,\$p' ${log%.bin}.adi | head -8"
  sed -n '/^<EOH>/,$p' "${log%.bin}.adi" | head -8
  echo
done
exit "$status"
