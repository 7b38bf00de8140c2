#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs clang-tidy (checks in .clang-tidy) over every source file of ours and fails on
# any finding. It reads build-test/compile_commands.json and the moc/uic output there,
# so it builds build-test first when that is missing (scripts/test.sh builds it too);
# fuzz/ is included when build-fuzz/ (scripts/fuzz.sh) exists.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

bash scripts/deps.sh --test
if [ ! -f build-test/compile_commands.json ] || [ ! -f build-test/kolvane ] ||
   [ ! -f build-test/kolvane-folders.txt ]; then
  cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build-test -j"$(nproc)"
fi

# The headers checked: those of the program's folders, as the top CMakeLists.txt lists
# them, and of the tools, tests, benchmarks and fuzz targets; never Qt's headers or the
# moc/uic output in build folders.
folders=$(tr ';' '|' <build-test/kolvane-folders.txt | tr -d '\n')
export KOLVANE_HEADER_FILTER=".*/(${folders}|resources/tools|widgets/designer|widgets/gallery|tests/[a-z]+|bench/[a-z]+|fuzz)/[^/]+\.h$"

# Our translation units: under the source tree, not in a build folder.
files=()
for db in build-test build-fuzz; do
  [ -f "$db/compile_commands.json" ] || continue
  while IFS= read -r f; do
    case "$f" in
      "$root"/build*) ;;
      "$root"/fuzz/*) [ "$db" = build-fuzz ] && files+=("$db:$f") ;;
      "$root"/*) [ "$db" = build-test ] && files+=("$db:$f") ;;
    esac
  done < <(python3 -c 'import json,sys; [print(e["file"]) for e in json.load(open(sys.argv[1]))]' \
             "$db/compile_commands.json" | sort -u)
done

log=$(mktemp)
trap 'rm -f "$log"' EXIT
# One clang-tidy per file, two at a time. A file clang-tidy cannot parse (missing
# header, unknown flag) makes it exit non-zero; that counts as a failure too.
tool_ok=1
printf '%s\n' "${files[@]}" |
  xargs -P"$(nproc)" -I{} sh -c '
    db="${1%%:*}"; f="${1#*:}"
    out=$(clang-tidy -quiet -p "$db" --header-filter="$KOLVANE_HEADER_FILTER" "$f" 2>&1) || { echo "$out"; echo "clang-tidy: could not check $f"; exit 1; }
    printf "%s\n" "$out" | grep -vE "^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter|^$" || true
  ' _ {} >"$log" || tool_ok=0

findings=$(grep -cE '^[^ ].*: (warning|error): ' "$log" || true)
echo "clang-tidy: ${#files[@]} files, $findings findings"
if [ "$findings" -ne 0 ] || [ "$tool_ok" -ne 1 ]; then
  cat "$log"
  exit 1
fi
