#!/bin/bash
# The installed tree: both programs, their man pages, the desktop entry and
# its icon, and an installed vantrel-print that runs.
set -euo pipefail

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "${VANTREL_BUILD_DIR:?}" --prefix "$prefix" >/dev/null

for program in vantrel vantrel-print; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program missing or not executable"
  page=$(ls "$prefix/share/man/man1/$program.1"* 2>/dev/null | head -1)
  [ -n "$page" ] || fail "no man page for $program"
  case "$page" in
    *.gz) head_line=$(gzip -dc "$page" | head -1) ;;
    *) head_line=$(head -1 "$page") ;;
  esac
  upper=$(tr '[:lower:]' '[:upper:]' <<<"$program")
  [[ "$head_line" == ".TH $upper 1 "* ]] || fail "$page begins with: $head_line"
done

desktop=$prefix/share/applications/vantrel.desktop
[ -f "$desktop" ] || fail "no desktop entry"
for key in '^\[Desktop Entry\]$' '^Type=Application$' '^Name=Vantrel$' '^Exec=vantrel$' \
           '^Icon=vantrel$' '^Terminal=false$' '^Categories=.*Astronomy;'; do
  grep -q "$key" "$desktop" || fail "desktop entry lacks $key"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
fi

icon=$prefix/share/icons/hicolor/scalable/apps/vantrel.svg
[ -f "$icon" ] || fail "no icon"
python3 -c 'import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
assert root.tag == "{http://www.w3.org/2000/svg}svg", root.tag' "$icon" || fail "icon is no SVG"

version=$("$prefix/bin/vantrel-print" --version)
[ "$version" = "vantrel-print 1.1" ] || fail "installed vantrel-print says: $version"
"$prefix/bin/vantrel-print" --format json --date 2000-01-01 --time 12:00 |
  python3 -c 'import json, sys; assert len(json.load(sys.stdin)["bodies"]) == 10' ||
  fail "installed vantrel-print printed no chart"
[ -f "$prefix/share/vantrel/places.tsv" ] || fail "no atlas of places"
# The printer needs no display and no toolkit library. (Debian's Cairo brings
# libX11 along for surfaces the printer never makes.)
if ldd "$prefix/bin/vantrel-print" | grep -q libfltk ||
   readelf -d "$prefix/bin/vantrel-print" | grep NEEDED | grep -q libX11; then
  fail "vantrel-print links the toolkit"
fi
DISPLAY= "$prefix/bin/vantrel-print" --date 2000-01-01 --time 12:00 >/dev/null ||
  fail "vantrel-print needs a display"
echo "PASS"
