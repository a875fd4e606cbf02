#!/bin/bash
# Writes COUNT varied charts to FILE in the chart file's fixed-column line
# layout, the same every time: input for benchmarks and tests of
# vantrel-print --file.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 COUNT FILE" >&2; exit 2; }

awk -v count="$1" 'BEGIN {
  split("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec", months, " ")
  for (i = 0; i < count; i++) {
    hour = i % 24
    half = hour > 11 ? "PM" : "AM"
    clock = hour > 12 ? hour - 12 : hour
    if (clock == 0) clock = 12
    printf "%-23s%s %02d, %4d%02d:%02d:00 %s    %c%02d:%02d%03d%c%02d\04700 %02d%c%02d\04700 %-24s\n",
      "Chart " i, months[i % 12 + 1], i % 28 + 1, 1600 + (i * 7) % 801, clock, (i * 13) % 60,
      half, i % 2 ? "-" : "+", i % 13, (i * 7) % 60, (i * 37) % 180, i % 3 ? "E" : "W",
      (i * 17) % 60, (i * 11) % 90, i % 5 ? "N" : "S", (i * 19) % 60, "Place " i
  }
}' >"$2"
