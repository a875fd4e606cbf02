#!/bin/bash
# Builds the libFuzzer targets of tests/fuzz with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for a bounded time from its seed
# corpus, as many at once as there are cores. A crash, a sanitizer report or
# a broken invariant fails; its input is kept in <build>/fuzz-artifacts/.
# Usage: bash tools/fuzz.sh [SECONDS]   (default 30 per target; build
# directory: $VANTREL_FUZZ_BUILD or build-fuzz)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VANTREL_FUZZ_BUILD:-$root/build-fuzz}
seconds=${1:-30}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVANTREL_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_targets >/dev/null

targets=()
for seeds in "$root"/tests/fuzz/corpus/*/; do
  target=$(basename "$seeds")
  [ -x "$build/tests/fuzz/$target" ] && targets+=("$target")
done

# The corpus a run grows is kept apart from the committed seeds.
mkdir -p "$build/fuzz-artifacts"
run_target() {
  local target=$1 corpus="$build/fuzz-corpus/$1"
  mkdir -p "$corpus"
  "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/$target-" \
    "$corpus" "$root/tests/fuzz/corpus/$target" >"$build/fuzz-$target.log" 2>&1
}

status=0
running=()
for target in "${targets[@]}"; do
  run_target "$target" &
  running+=("$!:$target")
  if [ ${#running[@]} -ge "$(nproc)" ] || [ "$target" = "${targets[-1]}" ]; then
    for job in "${running[@]}"; do
      if wait "${job%%:*}"; then
        runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' \
          "$build/fuzz-${job#*:}.log" | grep -o '[0-9]*$' || echo "?")
        echo "${job#*:}: ${seconds} s, $runs runs, no finding"
      else
        echo "${job#*:}: FAILED" >&2
        grep -E -A30 'ERROR|runtime error|invariant broken' "$build/fuzz-${job#*:}.log" |
          head -50 >&2 || tail -30 "$build/fuzz-${job#*:}.log" >&2
        status=1
      fi
    done
    running=()
  fi
done
exit $status
