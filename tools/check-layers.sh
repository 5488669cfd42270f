#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that the source folders form a one-way chain: each folder includes
# only itself and the folders below it, and the conversion library (base,
# refdata, core, output, run) includes no toolkit or command-line header.
# Prints every include that breaks the chain; exits 1 if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

# Folder: the project folders its files may include, itself first.
declare -A allowed=(
  [base]="base"
  [refdata]="refdata"
  [core]="core base refdata"
  [output]="output base refdata core kestrum"
  [run]="run base refdata core output"
  [cli]="cli base refdata core output run kestrum"
  [ui]="ui base refdata core output run kestrum"
  [web]="web base refdata core output run kestrum"
)
library="base refdata core output run"

status=0
for folder in "${!allowed[@]}"; do
  [ -d "$folder" ] || continue
  while IFS= read -r line; do
    file=${line%%:*}
    include=$(sed -E 's/.*#include[[:space:]]*"([^"]+)".*/\1/' <<<"${line#*:}")
    top=${include%%/*}
    # Only paths rooted at a project folder are ours to check.
    [[ "$include" == */* ]] || continue
    [ -d "$top" ] || [ "$top" = kestrum ] || continue
    if ! grep -qw -- "$top" <<<"${allowed[$folder]}"; then
      echo "$file includes $include: $folder/ may include only ${allowed[$folder]}"
      status=1
    fi
  done < <(grep -rHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$folder" \
             --include='*.h' --include='*.cc' --include='*.c' || true)
done
for folder in $library; do
  if grep -rnE '#[[:space:]]*include[[:space:]]*<(wx|CLI|gtk)/' \
       "$folder" --include='*.h' --include='*.cc'; then
    echo "the conversion library must not include toolkit headers" >&2
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "layers: every include goes down the chain"
exit "$status"
