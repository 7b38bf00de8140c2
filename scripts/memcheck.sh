#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Valgrind memcheck over a scripted session: monkey walks of ACTIONS actions (default
# 300) for each of SEEDS (default 1,2), offscreen. Passes with zero errors and no
# definitely lost block; tests/valgrind.supp holds the toolkit's and the system's own
# findings, each with its reason.
#
#   scripts/memcheck.sh                     # builds build-memcheck, then runs
#   scripts/memcheck.sh path/to/test_monkey # runs an existing build (CTest does this)
#   ACTIONS=1000 SEEDS=7 scripts/memcheck.sh
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
ACTIONS=${ACTIONS:-300}
SEEDS=${SEEDS:-1,2}

if [ $# -ge 1 ]; then
  MONKEY="$1"
else
  cd "$ROOT"
  bash scripts/deps.sh --test
  BUILD=${BUILD:-build-memcheck}
  cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVANE_BUILD_BENCH=OFF >/dev/null
  cmake --build "$BUILD" --target test_monkey -j"${JOBS:-$(nproc)}" >/dev/null
  MONKEY="$(realpath "$BUILD")/tests/monkey/test_monkey"
fi

LOG=$(mktemp)
trap 'rm -f "$LOG"' EXIT
status=0
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} valgrind --tool=memcheck --leak-check=full \
  --show-leak-kinds=definite --errors-for-leak-kinds=definite --error-exitcode=99 \
  --num-callers=30 --suppressions="$ROOT/tests/valgrind.supp" --log-file="$LOG" \
  "$MONKEY" walk -seed "$SEEDS" -actions "$ACTIONS" -maxwarnings 1 >/dev/null 2>&1 || status=$?
# The whole report on failure; its summary always.
[ "$status" -ne 0 ] && cat "$LOG"
grep -E "ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|still reachable|suppressed:" "$LOG" | sed 's/^==[0-9]*== *//' || true
if [ "$status" -ne 0 ]; then
  echo "memcheck: failed (status $status) over seeds $SEEDS, $ACTIONS actions each"
  exit 1
fi
echo "memcheck: clean over seeds $SEEDS, $ACTIONS actions each"
