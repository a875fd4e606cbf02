#!/bin/bash
# The real program: File > New, a whole chart typed into the Chart Data
# dialog, OK, and the new chart drawn in the main window.
source "$(dirname "$0")/e2e_lib.sh"

workdir=$(mktemp -d)
start_vantrel "$workdir"
screenshot chart_data_start_chart "$MAIN_WINDOW"

menu_file_new
DIALOG=$(wait_window '^Chart Data$') || fail "File > New opened no Chart Data dialog"
geometry=$(xdotool getwindowgeometry "$DIALOG" | awk '/Geometry/ {print $2}')
[ "$geometry" = "280x240" ] || fail "dialog is $geometry, not 280x240"

# 5 March 1990, 07:05, zone "+" 5:00, New Delhi 77 E 13, 28 N 38.
type_into "$DIALOG" 130 22 "Typed Test Chart"
choose "$DIALOG" 85 52 2
type_into "$DIALOG" 132 52 "5"
type_into "$DIALOG" 179 52 "1990"
type_into "$DIALOG" 52 84 "7"
type_into "$DIALOG" 84 84 "5"
type_into "$DIALOG" 212 84 "5"
type_into "$DIALOG" 244 84 "0"
type_into "$DIALOG" 130 120 "New Delhi"
type_into "$DIALOG" 55 156 "77"
choose "$DIALOG" 92 156 1
type_into "$DIALOG" 132 156 "13"
type_into "$DIALOG" 184 156 "28"
type_into "$DIALOG" 264 156 "38"
screenshot chart_data_filled_dialog "$DIALOG"

# Enter is no shortcut for OK: the dialog stays.
xdotool key Return
sleep 0.3
xdotool search --onlyvisible --name '^Chart Data$' >/dev/null ||
  fail "Enter closed the dialog"

click_at "$DIALOG" 50 212
wait_window_gone '^Chart Data$' || fail "OK did not close the dialog"
[ "$(xdotool getwindowname "$MAIN_WINDOW")" = "Vantrel" ] || fail "main window lost its title"
sleep 0.3
screenshot chart_data_new_chart "$MAIN_WINDOW"

changed=$(compare -metric AE "$ARTIFACTS/chart_data_start_chart.png" \
  "$ARTIFACTS/chart_data_new_chart.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 1000 ] || fail "OK did not change the drawn chart ($changed)"

menu_file_quit
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "Quit ended with status $EXIT_STATUS"
echo "PASS"
