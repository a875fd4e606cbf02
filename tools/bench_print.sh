#!/bin/bash
# Speed and memory figures, not a test: vantrel-print's chart throughput on
# one core, and the window program's start-up time to its first drawn chart
# and peak memory under Xvfb.
# Usage: tools/bench_print.sh [BUILD_DIR]   (default: build)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
print=$build/vantrel-print
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

now() { date +%s.%N; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }

charts=10000
bash "$root/tools/make_chart_file.sh" "$charts" "$work/charts.vnt"

# Best of three on core 0, so one core's speed is what is measured.
throughput() {  # format
  local best="" elapsed
  for _ in 1 2 3; do
    local start end
    start=$(now)
    taskset -c 0 "$print" --format "$1" --file "$work/charts.vnt" >"$work/out"
    end=$(now)
    elapsed=$(seconds "$start" "$end")
    if [ -z "$best" ] || awk -v a="$elapsed" -v b="$best" 'BEGIN { exit !(a < b) }'; then
      best=$elapsed
    fi
  done
  local rate
  rate=$(awk -v n="$charts" -v t="$best" 'BEGIN { printf "%.0f", n / t }')
  printf "vantrel-print --format %-4s %d charts: %s s, %s charts/s (%s MB written)\n" \
    "$1" "$charts" "$best" "$rate" "$(awk -v b="$(stat -c %s "$work/out")" \
    'BEGIN { printf "%.1f", b / 1e6 }')"
}
throughput json
throughput text
/usr/bin/time -o "$work/time" -f "vantrel-print --format json peak memory: %M KiB" \
  taskset -c 0 "$print" --format json --file "$work/charts.vnt" >/dev/null
cat "$work/time"

# The window program on a private X server.
fifo=$work/display
mkfifo "$fifo"
# -noreset: the server stays as it is when the last window closes, as the
# start-up is measured over and over.
Xvfb -displayfd 5 -screen 0 1024x1280x24 -nolisten tcp -noreset 5>"$fifo" 2>/dev/null &
xvfb_pid=$!
read -r -t 10 display_number <"$fifo"
export DISPLAY=":$display_number"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Black text on white in the header's first line: the chart has been drawn
# (a window not yet painted is all one colour).
chart_drawn() {  # window
  local range
  range=$(import -silent -window "$1" -crop 120x14+8+20 +repage \
    -format '%[fx:minima] %[fx:maxima]' info: 2>/dev/null || echo "1 1")
  awk -v r="$range" 'BEGIN { split(r, v, " "); exit !(v[1] < 0.5 && v[2] > 0.9) }'
}

# Start-up beside a bare toolkit window of the same size and title, in turn,
# the median of 21 of each.
shown_after() {  # program
  local start window pid
  start=$(now)
  "$1" &
  pid=$!
  until window=$(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | head -1) &&
        [ -n "$window" ]; do
    sleep 0.002
  done
  echo "$(seconds "$start" "$(now)")"
  "$build/tests/send_close_request" "$window"
  wait "$pid" || true
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
: >"$work/bare"
: >"$work/vantrel"
for _ in $(seq 21); do
  (cd "$work" && shown_after "$build/bench/bench_bare_window") >>"$work/bare"
  (cd "$work" && shown_after "$build/vantrel") >>"$work/vantrel"
done
bare=$(median <"$work/bare")
vantrel=$(median <"$work/vantrel")
echo "window shown, median of 21: bare toolkit window $bare s, vantrel $vantrel s," \
  "ratio $(awk -v a="$vantrel" -v b="$bare" 'BEGIN { printf "%.2f", a / b }')"

start=$(now)
/usr/bin/time -v -o "$work/time" "$build/vantrel" &
app_pid=$!
window=""
until window=$(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | head -1) &&
      [ -n "$window" ]; do
  sleep 0.005
done
shown=$(now)
until chart_drawn "$window"; do sleep 0.005; done
drawn=$(now)
echo "vantrel: window shown after $(seconds "$start" "$shown") s," \
  "chart seen drawn after $(seconds "$start" "$drawn") s (a screenshot takes about 0.05 s)"

"$build/tests/send_close_request" "$window"
wait "$app_pid" || true
app_pid=""
awk -F': ' '/Maximum resident set size/ { print "vantrel peak memory: " $2 " KiB" }' \
  "$work/time"
