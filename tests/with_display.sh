#!/bin/bash
# Runs a command on a private Xvfb display of its own, so that tests that
# type and click never meet each other's windows.
set -u

start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 5 -screen 0 1024x1280x24 -nolisten tcp 5>"$fifo" 2>/dev/null &
  xvfb_pid=$!
  display_number=""
  read -r -t 10 display_number <"$fifo"
  rm -f "$fifo"
  [ -n "$display_number" ] || return 1
  # Another server starting at the same moment can take the same number;
  # make sure ours is the one answering.
  for _ in $(seq 50); do
    kill -0 "$xvfb_pid" 2>/dev/null || return 1
    xdpyinfo -display ":$display_number" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

for attempt in 1 2 3 4 5; do
  start_xvfb && break
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=""
  sleep 0.$attempt
done
[ -n "$xvfb_pid" ] || { echo "with_display: no Xvfb display" >&2; exit 1; }

export DISPLAY=":$display_number"
"$@"
status=$?
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
exit $status
