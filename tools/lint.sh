#!/bin/bash
# Static analysis of the program's own sources: clang-tidy with the checks of
# .clang-tidy and cppcheck with tools/cppcheck.supp. Any finding fails.
# Usage: bash tools/lint.sh   (build directory: $VANTREL_LINT_BUILD or build-lint)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VANTREL_LINT_BUILD:-$root/build-lint}
cd "$root"

# Only the compile commands are needed: configuring is enough.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DVANTREL_BENCHMARKS=OFF >/dev/null

sources='/(base|ephemeris|chart|places|chart_file|drawing|entry|cli|gui)/[^/]*\.cpp$'
python3 - "$build" "$root" "$sources" <<'PY'
import json, re, sys
build, root, sources = sys.argv[1:]
commands = json.load(open(f"{build}/compile_commands.json"))
own = [c for c in commands if c["file"].startswith(root + "/") and re.search(sources, c["file"])]
json.dump(own, open(f"{build}/lint_commands.json", "w"), indent=1)
PY

status=0
echo "clang-tidy:"
# run-clang-tidy always asks for colours: they are taken out of the log.
if run-clang-tidy -p "$build" -j "$(nproc)" -quiet "$sources" 2>&1 |
  sed 's/\x1b\[[0-9;]*m//g' >"$build/clang-tidy.log"; then
  echo "  clean"
else
  grep -E '(warning|error):' "$build/clang-tidy.log" || cat "$build/clang-tidy.log"
  status=1
fi

echo "cppcheck:"
if cppcheck --project="$build/lint_commands.json" --std=c++20 -j "$(nproc)" --quiet \
  --enable=warning,style,performance,portability --inline-suppr \
  --suppressions-list=tools/cppcheck.supp --error-exitcode=1; then
  echo "  clean"
else
  status=1
fi
exit $status
