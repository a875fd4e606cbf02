#!/bin/bash
# The window's typical road in the real program: File > New, a chart typed
# in, OK, Save twice, Open and a double-click on a row, a click and Return,
# North and South, the dialog and the list closed through the frame and with
# Escape, Quit; then a window manager's close request.
source "$(dirname "$0")/e2e_lib.sh"

workdir=$(mktemp -d)
trap 'cleanup_app; rm -rf "$workdir"' EXIT
start_vantrel "$workdir"
screenshot main_window_start "$MAIN_WINDOW"

menu_file_new
dialog=$(wait_window '^Chart Data$') || fail "File > New opened no Chart Data dialog"
# 5 March 1990, 07:05, zone "+" 5:00, New Delhi 77 E 13, 28 N 38.
type_into "$dialog" 130 22 "Typed Test Chart"
choose "$dialog" 85 52 2
type_into "$dialog" 132 52 "5"
type_into "$dialog" 179 52 "1990"
type_into "$dialog" 52 84 "7"
type_into "$dialog" 84 84 "5"
type_into "$dialog" 212 84 "5"
type_into "$dialog" 244 84 "0"
type_into "$dialog" 130 120 "New Delhi"
type_into "$dialog" 55 156 "77"
choose "$dialog" 92 156 1
type_into "$dialog" 132 156 "13"
type_into "$dialog" 184 156 "28"
type_into "$dialog" 264 156 "38"
screenshot chart_data_dialog "$dialog"
key Return
wait_window '^Chart Data$' >/dev/null || fail "Enter closed the dialog"
click_at "$dialog" 50 212
wait_window_gone '^Chart Data$' || fail "OK did not close the dialog"
sleep 0.3
screenshot main_window_south "$MAIN_WINDOW"

for n in 1 2; do
  menu_file_save
  wait_message_box || fail "no message after Save $n"
  key Return
done
line=$(printf '%-99s' "Typed Test Chart       Mar 05, 199007:05:00 AM    +05:00077E13'00 28N38'00 New Delhi")
[ "$(cat "$workdir/charts.vnt")" = "$line"$'\n'"$line" ] || fail "charts.vnt: $(cat "$workdir/charts.vnt")"

menu_file_open
list=$(wait_window '^Select Chart$') || fail "File > Open showed no list"
sleep 0.3
screenshot chart_list "$list"
double_click_at "$list" 60 "$(list_row_y 2)"
wait_window_gone '^Select Chart$' || fail "list still open after a double-click"
menu_file_open
list=$(wait_window '^Select Chart$') || fail "second File > Open showed no list"
sleep 0.3
click_at "$list" 60 "$(list_row_y 1)"
wait_window '^Select Chart$' >/dev/null || fail "a single click closed the list"
key Return
wait_window_gone '^Select Chart$' || fail "list still open after Return"
! message_box >/dev/null || fail "opening a saved chart gave a message"

menu_north_chart
sleep 0.3
screenshot main_window_north "$MAIN_WINDOW"
for picture in main_window_start main_window_north; do
  changed=$(compare -metric AE "$ARTIFACTS/$picture.png" "$ARTIFACTS/main_window_south.png" \
    null: 2>&1 || true)
  [ "${changed%% *}" -gt 1000 ] || fail "$picture looks like the typed chart ($changed)"
done
menu_south_chart

# Reports > Dashas by its shortcut: a window of the report's text.
key ctrl+3
report=$(wait_window '^Dashas - Typed Test Chart$') || fail "Ctrl+3 opened no Dashas window"
sleep 0.3
screenshot report_dashas "$report"
"$VANTREL_CLOSE_TOOL" "$report"
wait_window_gone '^Dashas - ' || fail "the close control left the report window"

menu_file_new
dialog=$(wait_window '^Chart Data$') || fail "File > New opened no dialog"
"$VANTREL_CLOSE_TOOL" "$dialog"
wait_window_gone '^Chart Data$' || fail "the close control left the dialog"
menu_file_open
wait_window '^Select Chart$' >/dev/null || fail "File > Open showed no list"
key Escape
wait_window_gone '^Select Chart$' || fail "Escape left the list"

menu_file_quit
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "Quit ended with status $EXIT_STATUS"
start_vantrel "$workdir"
"$VANTREL_CLOSE_TOOL" "$MAIN_WINDOW"
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "the close request ended with status $EXIT_STATUS"

# The desktop knows the window by its class, and the opening chart saved at
# once is of the moment on the clock of the system's zone: Kolkata's.
rm "$workdir/charts.vnt"
before=$(TZ=Asia/Kolkata date '+%b %d, %Y%I:%M')
TZ=Asia/Kolkata start_vantrel "$workdir"
after=$(TZ=Asia/Kolkata date '+%b %d, %Y%I:%M')
xprop -id "$MAIN_WINDOW" WM_CLASS | grep -q '"vantrel"' || fail "WM_CLASS: $(xprop -id "$MAIN_WINDOW" WM_CLASS)"
menu_file_save
wait_message_box || fail "no message after Save of the opening chart"
key Return
saved=$(cat "$workdir/charts.vnt")
[[ "$saved" == "Prasna                 $before"*" -05:30000W00'00 00N00'00 Nowhere"* ||
   "$saved" == "Prasna                 $after"*" -05:30000W00'00 00N00'00 Nowhere"* ]] ||
  fail "the opening chart under TZ=Asia/Kolkata saved as: $saved"
menu_file_quit
wait_exit
echo "PASS"
