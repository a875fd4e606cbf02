#!/bin/bash
# Draws the PNG icons of the hicolor theme from share/vantrel.svg with
# librsvg's rsvg-convert, into share/icons/SIZE/vantrel.png, where the build
# installs them from. The PNGs are committed: the package then needs no SVG
# renderer to build and its icons are the same bytes on every machine.
# Usage: bash tools/render_icons.sh [--check]   (--check: fail when a
# committed PNG is not the SVG's drawing)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
check=${1:-}
status=0
for size in 48 64 128; do
  png=$root/share/icons/$size/vantrel.png
  drawn=$(mktemp)
  rsvg-convert --width "$size" --height "$size" --output "$drawn" "$root/share/vantrel.svg"
  if [ "$check" = --check ]; then
    cmp -s "$drawn" "$png" || { echo "$png is not share/vantrel.svg drawn at $size" >&2; status=1; }
    rm -f "$drawn"
  else
    mkdir -p "$(dirname "$png")"
    mv "$drawn" "$png"
    chmod 644 "$png"
  fi
done
exit $status
