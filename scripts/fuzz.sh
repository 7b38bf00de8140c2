#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang (in build-fuzz/) and runs them.
#   scripts/fuzz.sh [TARGET|all] [RUNS]     TARGET: value, standards, lookup, cli, labels, jpeg or wav; RUNS per target
# Each target starts from its committed seeds in fuzz/corpus/<target>/; what it learns
# goes to build-fuzz/corpus/<target>/, so the committed seeds stay as they are. A
# finding is written to build-fuzz/findings/ and makes the script exit non-zero.
# FUZZ_SEED fixes libFuzzer's random seed (CI uses one, so a smoke run can be replayed).
set -euo pipefail
cd "$(dirname "$0")/.."

target="${1:-all}"
runs="${2:-100000}"
case "$target" in
  all) targets=(value standards lookup cli labels jpeg wav) ;;
  value|standards|lookup|cli|labels|jpeg|wav) targets=("$target") ;;
  *) echo "fuzz.sh: unknown target '$target' (value, standards, lookup, cli, labels, jpeg, wav or all)" >&2; exit 2 ;;
esac

bash scripts/deps.sh --test
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DKOLVANE_FUZZ=ON -DKOLVANE_BUILD_TESTS=OFF -DKOLVANE_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target kolvane_fuzzers -j"$(nproc)"

mkdir -p build-fuzz/findings
status=0
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t"
  echo "== fuzz_$t: $runs runs"
  start=$(date +%s%N)
  # -timeout: any single input that takes seconds is a hang. Leak checks are on by
  # default under AddressSanitizer.
  if ! ./build-fuzz/fuzz/"fuzz_$t" -runs="$runs" -timeout=10 -print_final_stats=1 \
        ${FUZZ_SEED:+-seed="$FUZZ_SEED"} -artifact_prefix="build-fuzz/findings/$t-" \
        "build-fuzz/corpus/$t" "fuzz/corpus/$t" >"build-fuzz/fuzz_$t.log" 2>&1; then
    status=1
    echo "fuzz_$t: FINDING (see build-fuzz/fuzz_$t.log and build-fuzz/findings/)"
    grep -E "ERROR|fuzz_$t:|SUMMARY|Test unit written" "build-fuzz/fuzz_$t.log" | head -20
    continue
  fi
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "build-fuzz/fuzz_$t.log")
  rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "build-fuzz/fuzz_$t.log")
  echo "fuzz_$t: $executed executions in $((ms / 1000)).$(printf %03d $((ms % 1000))) s" \
       "($(( executed * 1000 / (ms > 0 ? ms : 1) )) exec/s), peak RSS ${rss} MB, no finding"
done
exit $status
