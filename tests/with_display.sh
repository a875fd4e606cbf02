#!/bin/bash
# Runs a command on a private Xvfb display of its own, so that tests that
# type and click never meet each other's windows.
set -u

# -noreset: without it the server resets whenever its last client leaves, and
# a program connecting during that moment finds no display.
start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 5 -screen 0 1024x1280x24 -nolisten tcp -noreset 5>"$fifo" 9>&- 2>/dev/null &
  xvfb_pid=$!
  display_number=""
  read -r -t 10 display_number <"$fifo"
  rm -f "$fifo"
  [ -n "$display_number" ] || return 1
  # Make sure ours is the one answering before the test starts.
  for _ in $(seq 50); do
    kill -0 "$xvfb_pid" 2>/dev/null || return 1
    xdpyinfo -display ":$display_number" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# Two servers starting at once can both settle on one display number, and the
# later one then takes the socket from the earlier: start one at a time.
exec 9>"${TMPDIR:-/tmp}/vantrel-xvfb-start.lock"
flock 9
for attempt in 1 2 3 4 5; do
  start_xvfb && break
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=""
  sleep 0.$attempt
done
[ -n "$xvfb_pid" ] || { echo "with_display: no Xvfb display" >&2; exit 1; }
flock -u 9
exec 9>&-

export DISPLAY=":$display_number"
"$@"
status=$?
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
exit $status
