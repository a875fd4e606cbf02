#!/bin/bash
# The real program: its window, the North style, Quit, and a close request.
source "$(dirname "$0")/e2e_lib.sh"

workdir=$(mktemp -d)
start_vantrel "$workdir"

geometry=$(xdotool getwindowgeometry "$MAIN_WINDOW" | awk '/Geometry/ {print $2}')
[ "$geometry" = "440x480" ] || fail "main window is $geometry, not 440x480"

hints=$(xprop -id "$MAIN_WINDOW" WM_NORMAL_HINTS)
grep -q 'minimum size: 440 by 480' <<<"$hints" || fail "minimum size: $hints"
grep -q 'maximum size: 440 by 1008' <<<"$hints" || fail "maximum size: $hints"

screenshot main_window_south
menu_north_chart
sleep 0.3
screenshot main_window_north
# The diagram changed: the two pictures differ.
changed=$(compare -metric AE "$ARTIFACTS/main_window_south.png" \
  "$ARTIFACTS/main_window_north.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 1000 ] || fail "North Chart did not change the picture ($changed)"

menu_file_quit
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "Quit ended with status $EXIT_STATUS"

# A window manager's close request ends the program with status 0 as well.
start_vantrel "$workdir"
"$VANTREL_CLOSE_TOOL" "$MAIN_WINDOW"
wait_exit
[ "$EXIT_STATUS" = 0 ] || fail "close request ended with status $EXIT_STATUS"
echo "PASS"
