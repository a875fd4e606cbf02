#!/bin/bash
# Line coverage of the FLTK-free layers (everything that computes,
# formats, reads and writes; no toolkit code) over the whole test suite.
# Usage: bash tools/coverage.sh   (build directory: $VANTREL_COV_BUILD or
# build-cov; fails below $VANTREL_COVERAGE_MIN percent, default 90; the HTML
# report goes to <build>/coverage/index.html)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VANTREL_COV_BUILD:-$root/build-cov}
minimum=${VANTREL_COVERAGE_MIN:-90}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVANTREL_COVERAGE=ON -DVANTREL_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
find "$build" -name '*.gcda' -delete
(cd "$build" && ctest -j"$(nproc)" --output-on-failure >"$build/coverage-ctest.log") || {
  tail -40 "$build/coverage-ctest.log"
  exit 1
}

# Only the objects of the FLTK-free layers are searched, so the toolkit
# code and the tests stay out of the figure.
mkdir -p "$build/coverage"
gcovr --root "$root" --object-directory "$build" \
  --filter "$root/(base|ephemeris|chart|places|chart_file|drawing|entry|cli)/" \
  --html-details "$build/coverage/index.html" --print-summary \
  --fail-under-line "$minimum" \
  "$build"/CMakeFiles/vantrel_{base,ephemeris,chart,places,chart_file,drawing,entry,cli}.dir
