#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Time to the first opening of the colour picker, the About dialog, the Look up window
# and the Labels window: from the press (a click on the resistor's first band, Ctrl+A,
# Ctrl+L, Ctrl+P) to the window mapped
# and painted, in a freshly started Kolvane each time. Runs under Xvfb with a window
# manager, RUNS times each; with COMPARE naming another build, the two alternate run
# by run, so both see the same load. Prints every run and the medians.
#
#   scripts/firstopen.sh                              # RUNS=10, build folder build-startup
#   COMPARE=/tmp/base/kolvane RUNS=20 scripts/firstopen.sh
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${RUNS:-10}
DISPLAY_NUM=${DISPLAY_NUM:-83}
BUILD=${BUILD:-build-startup}

# shellcheck source=scripts/lib/measure.sh
source scripts/lib/measure.sh
build_release kolvane startwatch

KOLVANE=$(realpath "${KOLVANE:-$BUILD/kolvane}")
[ -x "$KOLVANE" ] || { echo "$(basename "$0"): no program at $KOLVANE" >&2; exit 1; }
COMPARE=${COMPARE:+$(realpath "$COMPARE")}
WATCH="$BUILD/bench/startup/startwatch"

start_display "$DISPLAY_NUM"

# The first band of the resistor lies here in the main window, below the menu bar and tabs.
BAND="xdotool mousemove --window %w 230 130 click 1"
ABOUT="xdotool key ctrl+a"
LOOKUP="xdotool key ctrl+l"
LABELS="xdotool key ctrl+p"

OUT=$(mktemp)
dbus-run-session -- bash -c '
  watch=$1 runs=$2 band=$3 about=$4 lookup=$5 labels=$6; shift 6
  start_window_manager
  "$watch" "$1" >/dev/null   # warm-up: file cache, font cache
  for i in $(seq "$runs"); do
    n=0
    for program in "$@"; do
      n=$((n + 1))
      printf "build%s picker %s\n" $n "$("$watch" -settle 300 -input "$band" "$program")"
      printf "build%s about %s\n" $n "$("$watch" -settle 300 -input "$about" "$program")"
      printf "build%s lookup %s\n" $n "$("$watch" -settle 300 -input "$lookup" "$program")"
      printf "build%s labels %s\n" $n "$("$watch" -settle 300 -input "$labels" "$program")"
    done
  done
  kill $WM' _ "$WATCH" "$RUNS" "$BAND" "$ABOUT" "$LOOKUP" "$LABELS" "$KOLVANE" ${COMPARE:+"$COMPARE"} >"$OUT"

cat "$OUT"
echo "build1: $KOLVANE${COMPARE:+, build2: $COMPARE}"
awk -f scripts/lib/median.awk -f /dev/stdin "$OUT" <<'AWK'
  {
    key = $1 " " $2
    if (!(key in seen)) { seen[key] = 1; order[++count] = key }
    for (f = 3; f <= NF; f++) { split($f, kv, "="); v[key, kv[1]] = v[key, kv[1]] " " kv[2] }
  }
  END {
    for (k = 1; k <= count; k++)
      printf "median %-14s first opening: mapped %6.1f ms  painted %6.1f ms\n", order[k], median(v[order[k], "opened_ms"]), median(v[order[k], "opened_painted_ms"])
  }
AWK
rm -f "$OUT"
