#!/bin/bash
# vantrel-print --output never leaves a partial file: not when the disk
# fills halfway (a file-size limit stands in for it), not when the folder
# cannot be written, and an earlier file stays as it was.
set -euo pipefail

PRINT=${VANTREL_BUILD_DIR:?}/vantrel-print
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

bash "$(dirname "$0")/../../tools/make_chart_file.sh" 300 "$work/charts.vnt"

# The whole file: 300 JSON lines.
"$PRINT" --format json --file "$work/charts.vnt" --output "$work/all.jsonl"
[ "$(wc -l <"$work/all.jsonl")" -eq 300 ] || fail "not 300 charts"
size=$(stat -c %s "$work/all.jsonl")

# Writes stop at 64 KiB, a small part of it: the run fails, nothing new appears.
mkdir "$work/out"
echo "earlier" >"$work/out/charts.jsonl"
status=0
(
  ulimit -f 64
  trap '' XFSZ
  exec "$PRINT" --format json --file "$work/charts.vnt" --output "$work/out/charts.jsonl"
) 2>"$work/err" || status=$?
[ "$size" -gt $((64 * 1024)) ] || fail "test file too small ($size bytes)"
[ "$status" -eq 1 ] || fail "status $status after a failed write"
grep -q "^vantrel-print: cannot write $work/out/charts.jsonl: File too large$" "$work/err" ||
  fail "message: $(cat "$work/err")"
[ "$(cat "$work/out/charts.jsonl")" = "earlier" ] || fail "the earlier file changed"
[ "$(ls "$work/out")" = "charts.jsonl" ] || fail "left behind: $(ls "$work/out")"

# A folder that is a plain file refuses even root.
status=0
"$PRINT" --date 2000-01-01 --time 12:00 --output "$work/charts.vnt/chart.txt" \
  2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "status $status for a folder that is a file"
grep -q "Not a directory" "$work/err" || fail "message: $(cat "$work/err")"
echo "PASS"
