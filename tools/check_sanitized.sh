#!/bin/bash
# The whole test suite (unit, in-process window and end-to-end tests) built
# with AddressSanitizer and UndefinedBehaviorSanitizer in a build directory
# of its own. Every process writes its sanitizer reports to one folder; any
# report there, or any failed test, fails the run.
# Usage: bash tools/check_sanitized.sh   (build directory: $VANTREL_ASAN_BUILD
# or build-asan)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VANTREL_ASAN_BUILD:-$root/build-asan}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_SANITIZE=ON -DVANTREL_BENCHMARKS=OFF \
  >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

reports="$build/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="log_path=$reports/asan:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_string_checks=1"
export UBSAN_OPTIONS="log_path=$reports/ubsan:print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0"

status=0
(cd "$build" && ctest -j"$(nproc)" --output-on-failure) >"$build/sanitized-ctest.log" 2>&1 ||
  status=$?
grep -E '^(Total Test time|[0-9]+% tests passed)' "$build/sanitized-ctest.log" || true

if [ -n "$(ls -A "$reports")" ]; then
  echo "sanitizer reports:" >&2
  for report in "$reports"/*; do
    echo "--- $report" >&2
    head -60 "$report" >&2
  done
  status=1
fi
if [ $status != 0 ]; then
  grep -E 'Failed|\*\*\*' "$build/sanitized-ctest.log" >&2 || true
  echo "sanitized suite: FAILED (log: $build/sanitized-ctest.log)" >&2
  exit 1
fi
echo "sanitized suite: passed, no sanitizer report"
