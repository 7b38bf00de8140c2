#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Whole-process time of `kolvane-cli decode red red orange` beside a bare Qt Core
# program that prints one line (bench/cli/bare_core), alternating, RUNS times each after
# one unmeasured warm-up of each. No display is used or needed. Prints the medians and
# the ratio kolvane-cli / bare program.
#
#   scripts/cli-startup.sh               # RUNS=200, release build in build-cli-startup
#   RUNS=500 BUILD=/tmp/b scripts/cli-startup.sh
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${RUNS:-200}
BUILD=${BUILD:-build-cli-startup}

# A release build, as installed for users.
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DKOLVANE_BUILD_TESTS=OFF -DKOLVANE_BUILD_BENCH=ON >/dev/null
cmake --build "$BUILD" --target kolvane-cli bare_core -j"${JOBS:-2}" >/dev/null
CLI="$BUILD/cli/kolvane-cli"
BARE="$BUILD/bench/cli/bare_core"

unset DISPLAY WAYLAND_DISPLAY
# Microseconds of one whole run, start to exit, output discarded.
time_us() {
  local start=$EPOCHREALTIME
  "$@" >/dev/null
  local end=$EPOCHREALTIME
  echo $(( (${end/./} - ${start/./}) ))
}
"$CLI" decode red red orange >/dev/null; "$BARE" >/dev/null   # warm-up: file cache
cli=(); bare=()
for _ in $(seq "$RUNS"); do
  cli+=("$(time_us "$CLI" decode red red orange)")
  bare+=("$(time_us "$BARE")")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
mc=$(median "${cli[@]}")
mb=$(median "${bare[@]}")
echo "runs: $RUNS each, alternating"
echo "median kolvane-cli decode red red orange: $mc us"
echo "median bare Qt Core program:             $mb us"
awk -v c="$mc" -v b="$mb" 'BEGIN { printf "ratio kolvane-cli / bare: %.3f\n", c / b }'
