#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that every C and C++ source in the repository is formatted as
# .clang-format says; prints what differs. Fix with clang-format -i FILE.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cc' '*.h' '*.c' | xargs -0 clang-format --dry-run --Werror
echo "format: every C and C++ source is formatted"
