#!/bin/bash
# valgrind memcheck over the typical road through the real program under
# Xvfb: File > New, a chart typed in, OK, Save, Save, Open, a double-click on
# a row, North, South; then the Chart Data dialog and the Select Chart list
# each closed through the window frame and with Escape and opened again;
# Quit. Any memcheck error or a definite leak fails (toolkit and X library
# leaks are suppressed in tools/valgrind.supp, each with its reason).
# Usage: bash tools/valgrind_road.sh   (build directory: $VANTREL_BUILD or
# build-valgrind; the log goes to <build>/artifacts/valgrind.log)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)

if [ "${1:-}" != --drive ]; then
  build=${VANTREL_BUILD:-$root/build-valgrind}
  [ -f "$build/CMakeCache.txt" ] ||
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j"$(nproc)" --target vantrel send_close_request >/dev/null
  artifacts="$build/artifacts"
  mkdir -p "$artifacts"
  log="$artifacts/valgrind.log"
  rm -f "$log"
  wrapper=$(mktemp)
  trap 'rm -f "$wrapper"' EXIT
  cat >"$wrapper" <<WRAP
#!/bin/bash
exec valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \\
  --errors-for-leak-kinds=definite --error-exitcode=99 --num-callers=40 \\
  --suppressions="$root/tools/valgrind.supp" --gen-suppressions=all \\
  --log-file="$log" "$build/vantrel"
WRAP
  chmod +x "$wrapper"
  status=0
  VANTREL_BIN=$wrapper VANTREL_ARTIFACTS=$artifacts \
    VANTREL_CLOSE_TOOL=$build/tests/send_close_request \
    "$root/tests/with_display.sh" bash "$0" --drive || status=$?
  grep -E 'ERROR SUMMARY|definitely lost|indirectly lost|possibly lost' "$log" || true
  if [ $status != 0 ] || ! grep -q 'ERROR SUMMARY: 0 errors' "$log"; then
    echo "valgrind road: FAILED (log: $log)" >&2
    exit 1
  fi
  echo "valgrind road: passed"
  exit 0
fi

# --drive: the steps, on the display with_display.sh made.
source "$root/tests/e2e/e2e_lib.sh"

# Under memcheck the program runs many times slower: every wait is longer.
wait_window() {
  local pattern=$1 id=""
  for _ in $(seq 600); do
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
wait_window_gone() {
  for _ in $(seq 600); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
click_at() {
  xdotool mousemove --sync --window "$1" "$2" "$3" click 1
  sleep 1.2
}
double_click_at() {
  xdotool mousemove --sync --window "$1" "$2" "$3" click --repeat 2 --delay 80 1
  sleep 1.2
}
hover_at() {
  xdotool mousemove --sync --window "$1" "$2" "$3"
  sleep 1.2
}
key() {
  xdotool key "$1"
  sleep 1
}

# The toolkit's message boxes are untitled windows of its class.
wait_message_box() {
  local id
  for _ in $(seq 600); do
    for id in $(xdotool search --onlyvisible --class '^FLTK$' 2>/dev/null || true); do
      [ -z "$(xdotool getwindowname "$id" 2>/dev/null)" ] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

workdir=$(mktemp -d)
trap 'cleanup_app; rm -rf "$workdir"' EXIT
start_vantrel "$workdir"
sleep 2

menu_file_new
dialog=$(wait_window '^Chart Data$') || fail "File > New opened no dialog"
sleep 1
type_into() {  # x y text
  click_at "$dialog" "$1" "$2"
  xdotool type --delay 60 "$3"
  sleep 0.5
}
choose() {  # x y index
  click_at "$dialog" "$1" "$2"
  for _ in $(seq "$3"); do key Down; done
  key Return
}
type_into 130 22 "Road Chart"
choose 85 52 2
type_into 132 52 "5"
type_into 179 52 "1990"
type_into 52 84 "7"
type_into 84 84 "5"
type_into 212 84 "5"
type_into 244 84 "30"
type_into 130 120 "New Delhi"
type_into 55 156 "77"
choose 92 156 1
type_into 132 156 "13"
type_into 184 156 "28"
type_into 264 156 "38"
click_at "$dialog" 50 212
wait_window_gone '^Chart Data$' || fail "OK did not close the dialog"

for n in 1 2; do
  menu_file_save
  wait_message_box >/dev/null || fail "no message after Save $n"
  key Return
done
[ "$(wc -l <"$workdir/charts.vnt")" = 2 ] || fail "two Saves did not give two lines"

menu_file_open
list=$(wait_window '^Select Chart$') || fail "File > Open showed no list"
sleep 1.5
double_click_at "$list" 60 32
wait_window_gone '^Select Chart$' || fail "a double-click did not open the row"

menu_north_chart
menu_south_chart

# Closed through the frame and with Escape, then opened again.
menu_file_new
dialog=$(wait_window '^Chart Data$') || fail "File > New opened no dialog"
sleep 1
"$VANTREL_CLOSE_TOOL" "$dialog"
wait_window_gone '^Chart Data$' || fail "the close control left the dialog"
menu_file_edit
dialog=$(wait_window '^Chart Data$') || fail "File > Edit opened no dialog"
sleep 1
key Escape
wait_window_gone '^Chart Data$' || fail "Escape left the dialog"

menu_file_open
list=$(wait_window '^Select Chart$') || fail "File > Open showed no list"
sleep 1
"$VANTREL_CLOSE_TOOL" "$list"
wait_window_gone '^Select Chart$' || fail "the close control left the list"
menu_file_open
list=$(wait_window '^Select Chart$') || fail "File > Open showed no list"
sleep 1
key Escape
wait_window_gone '^Select Chart$' || fail "Escape left the list"

menu_file_quit
for _ in $(seq 600); do
  kill -0 "$APP_PID" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$APP_PID" 2>/dev/null && fail "Quit did not end the program"
status=0
wait "$APP_PID" || status=$?
APP_PID=""
[ $status = 0 ] || fail "the program ended with status $status (99: memcheck errors)"
