#!/bin/bash
# Runs a command on a private Xvfb display of its own, so that tests that
# type and click never meet each other's windows.
set -u
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 5 -screen 0 1024x1280x24 -nolisten tcp 5>"$fifo" 2>/dev/null &
xvfb_pid=$!
read -r display_number <"$fifo"
rm -f "$fifo"
export DISPLAY=":$display_number"
"$@"
status=$?
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
exit $status
