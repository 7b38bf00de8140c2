#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Counts the names that break the naming rule (scripts/naming.clang-tidy) over every
# translation unit of build-test/compile_commands.json, each name once however many
# files include its header, by folder and by kind. Reports only: exits 0 either way
# unless clang-tidy cannot check a file. --list prints every finding.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
[ -f build-test/compile_commands.json ] || {
  echo "naming.sh: no build-test/compile_commands.json (configure and build build-test first)" >&2
  exit 2
}

log=$(mktemp)
trap 'rm -f "$log"' EXIT
python3 -c 'import json,sys; [print(e["file"]) for e in json.load(open(sys.argv[1]))]' \
  build-test/compile_commands.json | sort -u | grep -v "^$root/build" |
  xargs -P"$(nproc)" -I{} sh -c '
    out=$(clang-tidy -quiet -p build-test --config-file=scripts/naming.clang-tidy "$1" 2>&1) ||
      { echo "$out" >&2; echo "naming.sh: could not check $1" >&2; exit 1; }
    printf "%s\n" "$out" | grep -E ": warning: invalid case style for " || true
  ' _ {} >"$log"

# path:line:col: warning: invalid case style for <kind> '<name>' [check]
findings=$(sed -E "s#^$root/##" "$log" | sort -u)
[ "${1:-}" = "--list" ] && printf '%s\n' "$findings"
total=$(printf '%s\n' "$findings" | grep -c . || true)
echo "naming.sh: $total names break the rule"
[ "$total" -eq 0 ] && exit 0
echo "by folder:"
printf '%s\n' "$findings" | sed -E 's#^(([^/]+/)?[^/]+)/[^/]+:[0-9].*#\1#' | sort | uniq -c | sort -rn
echo "by kind:"
printf '%s\n' "$findings" | sed -E "s#.*invalid case style for (.*) '.*#\1#" | sort | uniq -c | sort -rn
