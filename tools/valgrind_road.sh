#!/bin/bash
# valgrind memcheck over the typical road through the real program under
# Xvfb: File > New, a chart typed in, OK, Save, Save, Open, a double-click on
# a row, North, South, a report window (Ctrl+3) closed through the frame;
# then the Chart Data dialog and the Select Chart list
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

# --drive: the steps, on the display with_display.sh made. Under memcheck the
# program runs many times slower: every wait is longer.
PACE=1.2
WAIT_TRIES=600
source "$root/tests/e2e/e2e_lib.sh"

workdir=$(mktemp -d)
trap 'cleanup_app; rm -rf "$workdir"' EXIT
start_vantrel "$workdir"
sleep 2

menu_file_new
dialog=$(wait_window '^Chart Data$') || fail "File > New opened no dialog"
sleep 1
type_into "$dialog" 130 22 "Road Chart"
choose "$dialog" 85 52 2
type_into "$dialog" 132 52 "5"
type_into "$dialog" 179 52 "1990"
type_into "$dialog" 52 84 "7"
type_into "$dialog" 84 84 "5"
type_into "$dialog" 212 84 "5"
type_into "$dialog" 244 84 "30"
type_into "$dialog" 130 120 "New Delhi"
type_into "$dialog" 55 156 "77"
choose "$dialog" 92 156 1
type_into "$dialog" 132 156 "13"
type_into "$dialog" 184 156 "28"
type_into "$dialog" 264 156 "38"
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
double_click_at "$list" 60 "$(list_row_y 1)"
wait_window_gone '^Select Chart$' || fail "a double-click did not open the row"

menu_north_chart
menu_south_chart

# A report's window, opened by its shortcut and closed through the frame.
key ctrl+3
report=$(wait_window '^Dashas - ') || fail "Ctrl+3 opened no Dashas window"
sleep 1
"$VANTREL_CLOSE_TOOL" "$report"
wait_window_gone '^Dashas - ' || fail "the close control left the report window"

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
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "the program ended with status $EXIT_STATUS (99: memcheck errors)"
