#!/bin/bash
# vantrel-print's SVG read by an XML parser: one element per drawing call at
# the chart widget's own coordinates, for both diagram styles; its PNG and
# PDF made twice.
set -euo pipefail

PRINT=${VANTREL_BUILD_DIR:?}/vantrel-print
ARTIFACTS=${VANTREL_ARTIFACTS:-$(mktemp -d)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

chart=(--date 1990-03-05 --time 07:05 --utc-offset +05:30 --lon 077E13 --lat 28N38
       --name 'Test & <Delhi>' --place Delhi)

for style in south north; do
  "$PRINT" --format svg --style "$style" "${chart[@]}" --output "$work/$style.svg"
  "$PRINT" --format json "${chart[@]}" --output "$work/chart.json"
  python3 - "$work/$style.svg" "$work/chart.json" "$style" <<'PY'
import json, sys
import xml.etree.ElementTree as ET

svg_path, json_path, style = sys.argv[1:]
ns = {"s": "http://www.w3.org/2000/svg"}
root = ET.parse(svg_path).getroot()
chart = json.load(open(json_path))

def fail(message):
    sys.exit(f"FAIL ({style}): {message}")

if root.tag != "{http://www.w3.org/2000/svg}svg":
    fail(f"root is {root.tag}")
if (root.get("width"), root.get("height")) != ("440", "1008"):
    fail(f"size {root.get('width')} x {root.get('height')}")
rect = root.find("s:rect", ns)
if rect is None or rect.get("fill") != "white" or rect.get("width") != "440":
    fail("no white background")

texts = root.findall(".//s:text", ns)
lines = root.findall(".//s:line", ns)
entries = len(chart["dashas"])
# Header 3, diagram labels 10 (+ 12 house numbers in the North style),
# table 30, navamsha title and 10 items, dasha title, two texts an entry.
want_texts = 3 + 10 + (12 if style == "north" else 0) + 30 + 11 + 1 + 2 * entries
want_lines = (12 if style == "south" else 10) + 1
if len(texts) != want_texts:
    fail(f"{len(texts)} texts, expected {want_texts}")
if len(lines) != want_lines:
    fail(f"{len(lines)} lines, expected {want_lines}")

def parents_attr(element, name):
    for group in root.iter("{http://www.w3.org/2000/svg}g"):
        if element in list(group):
            return group.get(name)
    return None

for t in texts:
    if parents_attr(t, "font-family") != "sans-serif" or parents_attr(t, "font-size") != "11":
        fail("text outside the sans-serif 11 group")
    if t.get("fill") != "black":
        fail("text not black")
for l in lines:
    if l.get("stroke") != "black" or parents_attr(l, "stroke-width") != "1":
        fail("line not black and 1 wide")

at = {}
for t in texts:
    at.setdefault((int(t.get("x")), int(t.get("y"))), []).append(t.text or "")

def expect_text(x, y, text):
    if text not in at.get((x, y), []):
        fail(f"no {text!r} at ({x}, {y}); there: {at.get((x, y))}")

expect_text(8, 12, chart["name"])
expect_text(8, 26, chart["date_line"])
expect_text(8, 40, chart["place_line"])
bodies = chart["bodies"]
for i, body in enumerate(bodies):
    x = 8 if i < 5 else 188
    y = 432 + 12 * (i % 5)
    name = body["body"] + ("R" if body["retrograde"] else "")
    expect_text(x, y, name)
    expect_text(x + 30, y, body["position_text"])
    expect_text(x + 80, y, body["nakshatra"])
    expect_text(8 + 36 * i, 514, f'{body["body"]}:{body["navamsha"]} ')
expect_text(8, 502, "Navamsha Signs:")
expect_text(8, 532, "Vimshottari Dashas")
first = chart["dashas"][0]
expect_text(8, 552, f'{first["major"]}/{first["sub"]} ')
expect_text(48, 552, first["date"])

ends = {tuple(int(l.get(k)) for k in ("x1", "y1", "x2", "y2")) for l in lines}
for frame in [(8, 52, 368, 52), (8, 52, 8, 412), (8, 412, 368, 412), (368, 52, 368, 412),
              (8, 534, 148, 534)]:
    if frame not in ends:
        fail(f"no line {frame}")
for x1, y1, x2, y2 in ends:
    if not (0 <= min(x1, x2) and max(x1, x2) <= 440 and 0 <= min(y1, y2) and max(y1, y2) <= 1008):
        fail(f"line {x1, y1, x2, y2} outside the widget")
last_y = max(int(t.get("y")) for t in texts)
if last_y > 1004:
    fail(f"a text's baseline at {last_y}")
print(f"{style}: {len(texts)} texts, {len(lines)} lines")
PY
  # PNG and PDF: the same bytes on every run, the PDF's text searchable.
  for format in png pdf; do
    for run in 1 2; do
      "$PRINT" --format "$format" --style "$style" "${chart[@]}" --output "$work/$run.$format"
    done
    cmp -s "$work/1.$format" "$work/2.$format" || { echo "FAIL: $format differs"; exit 1; }
  done
  pdftotext "$work/1.pdf" - | grep -qxF 'Test & <Delhi>' || { echo "FAIL: pdf text"; exit 1; }
  cp "$work/1.png" "$ARTIFACTS/print_cairo_$style.png"
  if command -v convert >/dev/null && [ -x /usr/bin/convert ]; then
    /usr/bin/convert "$work/$style.svg" "$ARTIFACTS/print_$style.png" 2>/dev/null || true
  fi
done
echo "PASS"
