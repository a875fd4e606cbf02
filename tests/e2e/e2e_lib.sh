# Shared steps of the end-to-end tests: start the real program on this
# test's own display, find its windows, click its menus, keep screenshots.
set -euo pipefail

ARTIFACTS=${VANTREL_ARTIFACTS:-$(mktemp -d)}
# Seconds to let the program answer each click, and tenths of a second to
# wait for a window: a run under valgrind sets both higher.
PACE=${PACE:-0.4}
WAIT_TRIES=${WAIT_TRIES:-100}
mkdir -p "$ARTIFACTS"
APP_PID=""
MAIN_WINDOW=""

fail() {
  echo "FAIL: $*" >&2
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
  exit 1
}

# Waits for a window whose title matches the pattern; prints its id.
wait_window() {
  local pattern=$1 id=""
  for _ in $(seq "$WAIT_TRIES"); do
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits until no visible window matches the pattern.
wait_window_gone() {
  local pattern=$1
  for _ in $(seq "$WAIT_TRIES"); do
    xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# Starts the program in the given working directory and finds its window.
start_vantrel() {
  local workdir=${1:-$PWD}
  (cd "$workdir" && exec "$VANTREL_BIN") &
  APP_PID=$!
  MAIN_WINDOW=$(wait_window '^Vantrel$') || fail "main window did not appear"
  sleep 0.3
}

# Waits for the program to end; its exit status goes to EXIT_STATUS.
# (Not in a subshell: only this shell can wait for its child.)
EXIT_STATUS=""
wait_exit() {
  for _ in $(seq "$WAIT_TRIES"); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$APP_PID" 2>/dev/null && fail "program did not end"
  EXIT_STATUS=0
  wait "$APP_PID" || EXIT_STATUS=$?
  APP_PID=""
}

click_at() {  # window x y
  xdotool mousemove --sync --window "$1" "$2" "$3" click 1
  sleep "$PACE"
}

double_click_at() {  # window x y
  xdotool mousemove --sync --window "$1" "$2" "$3" click --repeat 2 --delay 80 1
  sleep "$PACE"
}

hover_at() {  # window x y
  xdotool mousemove --sync --window "$1" "$2" "$3"
  sleep "$PACE"
}

key() {
  xdotool key "$1"
  sleep "$PACE"
}

# Clicks into a field of a window and types into it.
type_into() {  # window x y text
  click_at "$1" "$2" "$3"
  xdotool type --delay 30 "$4"
  sleep 0.1
}

# Opens a choice and moves down to its item of the given index.
choose() {  # window x y index
  click_at "$1" "$2" "$3"
  for _ in $(seq "$4"); do xdotool key Down; sleep 0.05; done
  key Return
}

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
  for _ in $(seq "$WAIT_TRIES"); do
    id=$(message_box)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

wait_message_box_gone() {
  for _ in $(seq "$WAIT_TRIES"); do
    [ -z "$(message_box)" ] && return 0
    sleep 0.1
  done
  return 1
}

# Row centres in the Select Chart list: it starts at y 20 inside a 2-pixel
# frame, with 17-pixel rows.
list_row_y() {  # row from 1
  echo $((20 + 2 + 17 * ($1 - 1) + 8))
}

# Menu entries in the main window's coordinates.
menu_file() { click_at "$MAIN_WINDOW" 15 10; }
menu_file_new() { menu_file; click_at "$MAIN_WINDOW" 25 30; }
menu_file_edit() { menu_file; click_at "$MAIN_WINDOW" 25 49; }
menu_file_open() { menu_file; click_at "$MAIN_WINDOW" 25 68; }
menu_file_save() { menu_file; click_at "$MAIN_WINDOW" 25 87; }
menu_file_quit() { menu_file; click_at "$MAIN_WINDOW" 25 107; }

# A submenu opens when the pointer rests on its title; a click there would
# close the menu instead.
menu_chart_style() {
  click_at "$MAIN_WINDOW" 60 10
  hover_at "$MAIN_WINDOW" 70 30
  hover_at "$MAIN_WINDOW" 130 30
}
menu_north_chart() { menu_chart_style; click_at "$MAIN_WINDOW" 190 30; }
menu_south_chart() { menu_chart_style; click_at "$MAIN_WINDOW" 190 49; }
menu_help_about() { click_at "$MAIN_WINDOW" 120 10; click_at "$MAIN_WINDOW" 130 30; }

# Saves the whole screen (or one window) as a PNG artifact.
screenshot() {  # name [window]
  local target=${2:-root}
  import -window "$target" "$ARTIFACTS/$1.png"
  echo "screenshot: $ARTIFACTS/$1.png"
}

cleanup_app() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
}
trap cleanup_app EXIT
