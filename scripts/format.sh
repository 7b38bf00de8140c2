#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that every C++ source follows .clang-format (any difference fails), or with
# --fix rewrites the files in place.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
bad=0
for f in "${files[@]}"; do
  if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
    echo "format.sh: $f is not formatted (scripts/format.sh --fix)" >&2
    bad=$((bad + 1))
  fi
done
echo "format.sh: ${#files[@]} files checked, $bad not formatted"
[ "$bad" -eq 0 ]
