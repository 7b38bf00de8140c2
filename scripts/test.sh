#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs every test: the suite as built
# for use (build-test/), the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/), a short smoke of each fuzz target,
# clang-tidy, the format check, and the Debian packages (build-package/: validators,
# lintian, an install test). Every stage runs even when an earlier one fails, so one run
# shows every fault; the script exits non-zero if any stage failed.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"
status=0
passed=0
failed=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT
stage() { echo; echo "=== $* ($(date +%T))"; }
# Adds a ctest run's "N% tests passed, F tests failed out of T" to the totals; a run
# that ended before its summary counts as one failure.
tally() {
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
  if [ -z "$line" ]; then failed=$((failed + 1)); return; fi
  local f t
  f=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
  t=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/')
  passed=$((passed + t - f))
  failed=$((failed + f))
}

bash scripts/deps.sh --test

stage "build and test (build-test)"
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs" 2>&1 | tee "$log" || status=1
tally

stage "build and test under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan)"
# A debug build, so Qt's and our assertions hold too; -Og rather than -O0 keeps the
# number-heavy tests quick (test_cli: 20 s, not 70) and compiles in 3.7 minutes, not 6.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-Og -g" -DKOLVANE_SANITIZE=ON \
      -DKOLVANE_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
# Any report fails its test: the first error ends the process with a failing status,
# leaks are checked at exit, and UBSan prints where the fault happened.
ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:strict_string_checks=1" \
UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:report_error_type=1" \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" 2>&1 | tee "$log" || status=1
tally

stage "fuzz smoke (build-fuzz)"
if FUZZ_SEED=1 bash scripts/fuzz.sh all 20000; then passed=$((passed + 1)); else status=1; failed=$((failed + 1)); fi

stage "static analysis"
if bash scripts/tidy.sh; then passed=$((passed + 1)); else status=1; failed=$((failed + 1)); fi

stage "formatting"
if bash scripts/format.sh; then passed=$((passed + 1)); else status=1; failed=$((failed + 1)); fi

stage "Debian packages (build-package)"
if bash scripts/package-check.sh; then passed=$((passed + 1)); else status=1; failed=$((failed + 1)); fi

stage "done"
[ "$status" -eq 0 ] && echo "All stages passed." || echo "Some stage FAILED (see above)."
# Both test suites' tests, plus the fuzz smoke, clang-tidy, the format check and the
# packages as one check each.
echo "Total: $passed passed, $failed failed"
[ "$failed" -eq 0 ] || status=1
exit "$status"
