#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the suite as built
# for use (build-test/), the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/), a short smoke of each fuzz target, and
# clang-tidy. Every stage runs even when an earlier one fails, so one run shows every
# fault; the script exits non-zero if any stage failed.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"
status=0
stage() { echo; echo "=== $* ($(date +%T))"; }

bash scripts/deps.sh --test

stage "build and test (build-test)"
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs" || status=1

stage "build and test under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVANE_SANITIZE=ON -DKOLVANE_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
# Any report fails its test: the first error ends the process with a failing status,
# leaks are checked at exit, and UBSan prints where the fault happened.
ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:strict_string_checks=1" \
UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:report_error_type=1" \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" || status=1

stage "fuzz smoke (build-fuzz)"
FUZZ_SEED=1 bash scripts/fuzz.sh all 20000 || status=1

stage "static analysis"
bash scripts/tidy.sh || status=1

stage "done"
[ "$status" -eq 0 ] && echo "All stages passed." || echo "Some stage FAILED (see above)."
exit "$status"
