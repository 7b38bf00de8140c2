#!/bin/sh
# SPDX-License-Identifier: MIT
# Starts the program on a display that cannot be opened: it says so in one line on
# standard error, prints nothing else, and exits with status 1.
# Usage: unreachable_display.sh PROGRAM
set -u
err=$(mktemp) || exit 1
trap 'rm -f "$err"' EXIT
# No X server listens on display 9999; no Wayland compositor is named.
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:9999 "$1" >"$err.out" 2>"$err"
status=$?
lines=$(wc -l <"$err")
cat "$err"
[ "$status" -eq 1 ] || { echo "FAIL: exit status $status, not 1" >&2; exit 1; }
[ "$lines" -eq 1 ] || { echo "FAIL: $lines lines on standard error, not 1" >&2; exit 1; }
grep -q "^kolvane: cannot open the display :9999$" "$err" || { echo "FAIL: not the one line expected" >&2; exit 1; }
[ ! -s "$err.out" ] || { echo "FAIL: standard output is not empty" >&2; exit 1; }
rm -f "$err.out"
echo PASS
