#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up time and peak memory of Kolvane beside a bare Qt window (bench/startup).
# Both run under Xvfb with a window manager, alternating, RUNS times each after one
# unmeasured warm-up of each. Each run is timed from outside by startwatch: process
# start to the main window mapped, and to its first painted content; peak resident
# memory is the kernel's VmHWM half a second after the paint. Prints every run, the
# medians and the ratios Kolvane / bare window.
#
#   scripts/startup.sh            # RUNS=10, display :81, build folder build-startup
#   RUNS=20 DISPLAY_NUM=82 BUILD=/tmp/b scripts/startup.sh
#   KOLVANE=/path/to/kolvane scripts/startup.sh   # another build of the program
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${RUNS:-10}
DISPLAY_NUM=${DISPLAY_NUM:-81}
BUILD=${BUILD:-build-startup}

# shellcheck source=scripts/lib/measure.sh
source scripts/lib/measure.sh
build_release kolvane bare_window startwatch

# KOLVANE may name another build of the program, to compare two builds against one bare window.
KOLVANE=$(realpath "${KOLVANE:-$BUILD/kolvane}")
[ -x "$KOLVANE" ] || { echo "$(basename "$0"): no program at $KOLVANE" >&2; exit 1; }
BARE="$BUILD/bench/startup/bare_window"
WATCH="$BUILD/bench/startup/startwatch"

start_display "$DISPLAY_NUM"

# The window manager and the programs share one session bus, as on a desktop.
OUT=$(mktemp)
dbus-run-session -- bash -c '
  start_window_manager
  "$1" "$2" >/dev/null; "$1" "$3" >/dev/null   # warm-up: file cache, font cache
  for i in $(seq "$4"); do
    printf "kolvane %s\n" "$("$1" "$2")"
    printf "bare %s\n" "$("$1" "$3")"
  done
  kill $WM' _ "$WATCH" "$KOLVANE" "$BARE" "$RUNS" >"$OUT"

cat "$OUT"
awk -f scripts/lib/median.awk -f /dev/stdin "$OUT" <<'AWK'
  {
    for (f = 2; f <= NF; f++) { split($f, kv, "="); v[$1, kv[1]] = v[$1, kv[1]] " " kv[2] }
  }
  END {
    for (p = 0; p < 2; p++) {
      prog = p ? "bare" : "kolvane"
      m[prog, "mapped"] = median(v[prog, "mapped_ms"]); m[prog, "painted"] = median(v[prog, "painted_ms"])
      m[prog, "hwm"] = median(v[prog, "hwm_kib"]); m[prog, "cpu"] = median(v[prog, "cpu_ms"])
      printf "median %-8s mapped %7.1f ms  painted %7.1f ms  (CPU %6.1f ms)  peak RSS %7d KiB\n", prog, m[prog, "mapped"], m[prog, "painted"], m[prog, "cpu"], m[prog, "hwm"]
    }
    printf "ratio kolvane/bare: start-up (to painted) %.2f, peak RSS %.2f  (CPU to painted %.2f)\n", m["kolvane", "painted"] / m["bare", "painted"], m["kolvane", "hwm"] / m["bare", "hwm"], m["kolvane", "cpu"] / m["bare", "cpu"]
  }
AWK
rm -f "$OUT"
