#!/bin/bash
# File > Save and File > Open in the running program, on a real chart file in
# a working directory of its own.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

WORKDIR=$(mktemp -d)
trap 'cleanup_app; rm -rf "$WORKDIR"' EXIT

ROW1_Y=$(list_row_y 1)
ROW2_Y=$(list_row_y 2)

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
