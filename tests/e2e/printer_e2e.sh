#!/bin/bash
# The installed printer: both programs, their man pages, the desktop entry
# and its icon and the atlas in a fresh prefix; the installed vantrel-print
# finds its atlas and prints the golden chart without a display or the toolkit, and its --output never
# leaves a partial file when the disk fills (a file-size limit stands in).
set -euo pipefail
golden=$(cd "$(dirname "$0")/../golden" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "${VANTREL_BUILD_DIR:?}" --prefix "$work/usr" >/dev/null
for program in vantrel vantrel-print; do
  [ -x "$work/usr/bin/$program" ] || fail "bin/$program missing"
  page=$(ls "$work/usr/share/man/man1/$program.1"*) || fail "no man page for $program"
  [[ "$(zcat -f "$page" | head -1)" == ".TH ${program^^} 1 "* ]] || fail "$page"
done
desktop=$work/usr/share/applications/vantrel.desktop
for key in '^Type=Application$' '^Name=Vantrel$' '^Exec=vantrel$' '^Icon=vantrel$'; do
  grep -q "$key" "$desktop" || fail "desktop entry lacks $key"
done
! command -v desktop-file-validate >/dev/null || desktop-file-validate "$desktop" || fail "$desktop"

# The window program answers --help and --version without a display.
window=$work/usr/bin/vantrel
[ "$(DISPLAY='' "$window" --version)" = "vantrel $("$work/usr/bin/vantrel-print" --version | cut -d' ' -f2)" ] ||
  fail "vantrel --version"
DISPLAY='' "$window" -h | grep -q '^ -g\[eometry\] WxH+X+Y$' || fail "vantrel -h lists no toolkit switch"
# An argument neither the program's nor the toolkit's: the usage, no window.
status=0
DISPLAY='' "$window" --bogus >"$work/bogus.out" 2>"$work/bogus.err" || status=$?
[ "$status" = 2 ] && [ ! -s "$work/bogus.out" ] &&
  head -1 "$work/bogus.err" | grep -qx "vantrel: unknown option '--bogus'" ||
  fail "vantrel --bogus: status $status, $(head -1 "$work/bogus.err")"
rm "$work/bogus.out" "$work/bogus.err"

print=$work/usr/bin/vantrel-print
# Debian's Cairo brings libX11 along for surfaces the printer never makes.
! readelf -d "$print" | grep NEEDED | grep -Eq 'libfltk|libX11' ||
  fail "vantrel-print links the toolkit"
[ "$(DISPLAY='' "$print" --find 'Varanasi, IN' | cut -c1-8)" = Varanasi ] ||
  fail "the installed printer finds no atlas"
DISPLAY='' "$print" --date 1990-03-05 --time 07:05 --utc-offset +05:30 --lon 077E13 \
  --lat 28N38 --name Test --place Delhi --format svg --output "$work/delhi.svg"
cmp "$work/delhi.svg" "$golden/delhi_south.svg" || fail "installed printer's chart differs"
python3 -c 'import sys, xml.etree.ElementTree as ET
for f in sys.argv[1:]: ET.parse(f)' "$golden"/*.svg "$work/usr/share/icons/hicolor/scalable/apps/vantrel.svg" ||
  fail "an SVG that no XML parser reads"

# The installed bash completion, under bash-completion's helpers: options,
# formats and choices, zone names from the system's database.
offered() {  # the words after the program's name, the last one being completed
  bash -c 'source /usr/share/bash-completion/bash_completion; source "$0"
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_LINE=${COMP_LINE// = /=}
    COMP_POINT=${#COMP_LINE}; _vantrel_print; printf "%s\n" "${COMPREPLY[@]}" | sort | xargs' \
    "$work/usr/share/bash-completion/completions/vantrel-print" vantrel-print "$@"
}
[ "$(offered --fo)" = "--fold --format" ] || fail "completion of --fo: $(offered --fo)"
[ "$(offered -T '')" = "json pdf png svg text" ] || fail "completion of -T"
[ "$(offered --style = n)" = "north" ] || fail "completion of --style=n"
[ "$(offered -d 2000-01-01 --zone Asia/Kolk)" = "Asia/Kolkata" ] || fail "completion of a zone"

bash "$(dirname "$0")/../../tools/make_chart_file.sh" 300 "$work/charts.vnt"
echo "earlier" >"$work/out.jsonl"
status=0
(ulimit -f 64; trap '' XFSZ
 exec "$print" --format json --file "$work/charts.vnt" --output "$work/out.jsonl") \
  2>"$work/err" || status=$?
[ "$status" = 1 ] || fail "status $status after a failed write"
grep -q "cannot write $work/out.jsonl: File too large$" "$work/err" || fail "$(cat "$work/err")"
[ "$(cat "$work/out.jsonl")" = earlier ] || fail "the earlier file changed"
[ "$(ls "$work" | tr '\n' ' ')" = "charts.vnt delhi.svg err out.jsonl usr " ] ||
  fail "left behind: $(ls "$work")"
echo "PASS"
