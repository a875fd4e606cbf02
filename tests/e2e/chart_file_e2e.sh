#!/bin/bash
# File > Save and File > Open in the running program, on a real chart file in
# a working directory of its own.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

WORKDIR=$(mktemp -d)
trap 'cleanup_app; rm -rf "$WORKDIR"' EXIT

# The toolkit's message boxes have no title, and neither has the root window:
# look for an untitled window of the toolkit's class.
message_box() {
  local id
  for id in $(xdotool search --onlyvisible --class '^FLTK$' 2>/dev/null || true); do
    [ -z "$(xdotool getwindowname "$id" 2>/dev/null)" ] && { echo "$id"; return 0; }
  done
  return 0
}

wait_message_box() {
  local id=""
  for _ in $(seq 100); do
    id=$(message_box)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

wait_message_box_gone() {
  for _ in $(seq 100); do
    [ -z "$(message_box)" ] && return 0
    sleep 0.1
  done
  return 1
}

# Row centres in the list window: the list starts at y 20 inside a 2-pixel
# frame, and its 14-point Courier rows are 20 pixels high.
ROW1_Y=32
ROW2_Y=52

start_vantrel "$WORKDIR"

for n in 1 2; do
  menu_file_save
  box=$(wait_message_box) || fail "no message after Save $n"
  [ "$n" = 1 ] && screenshot chart_saved_message
  xdotool key Return
  wait_message_box_gone || fail "message box after Save $n did not close"
done

[ -f "$WORKDIR/charts.vnt" ] || fail "Save made no charts.vnt"
[ "$(wc -l <"$WORKDIR/charts.vnt")" = 2 ] || fail "charts.vnt does not hold two lines"
[ "$(wc -c <"$WORKDIR/charts.vnt")" = 200 ] || fail "charts.vnt is not two 100-character lines"
[ "$(sed -n 1p "$WORKDIR/charts.vnt")" = "$(sed -n 2p "$WORKDIR/charts.vnt")" ] ||
  fail "the two saved lines differ"
case "$(head -c 23 "$WORKDIR/charts.vnt")" in
  "Prasna                 ") ;;
  *) fail "the saved line does not start with the start-up chart's name" ;;
esac

menu_file_open
list=$(wait_window '^Select Chart$') || fail "File > Open showed no list"
sleep 0.3
screenshot chart_list_window "$list"
double_click_at "$list" 60 "$ROW2_Y"
wait_window_gone '^Select Chart$' || fail "list still open after a double-click"
[ -z "$(message_box)" ] || fail "opening the second row gave a message"

menu_file_open
list=$(wait_window '^Select Chart$') || fail "second File > Open showed no list"
sleep 0.3
click_at "$list" 60 "$ROW1_Y"
xdotool search --onlyvisible --name '^Select Chart$' >/dev/null ||
  fail "a single click closed the list"
xdotool key Return
wait_window_gone '^Select Chart$' || fail "list still open after Return"
[ -z "$(message_box)" ] || fail "opening the first row gave a message"
screenshot chart_after_open "$MAIN_WINDOW"

menu_file_quit
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "Quit ended with status $EXIT_STATUS"
echo "chart file e2e: passed"
