#!/bin/bash
# Runs a command on a private Xvfb display of its own, so that tests that
# type and click never meet each other's windows. Servers start one at a time
# (two at once can settle on one display number), and -noreset keeps one from
# resetting when its last client leaves.
set -u
exec 9>"${TMPDIR:-/tmp}/vantrel-xvfb-start.lock"
flock 9
for attempt in 1 2 3 4 5; do
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 5 -screen 0 1024x1280x24 -nolisten tcp -noreset 5>"$fifo" 9>&- 2>/dev/null &
  xvfb_pid=$!
  display=""
  read -r -t 10 display <"$fifo"
  rm -f "$fifo"
  for _ in $(seq 50); do
    [ -n "$display" ] && xdpyinfo -display ":$display" >/dev/null 2>&1 && break 2
    sleep 0.1
  done
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
  [ "$attempt" = 5 ] && { echo "with_display: no Xvfb display" >&2; exit 1; }
done
exec 9>&-
DISPLAY=":$display" "$@"
status=$?
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
exit $status
