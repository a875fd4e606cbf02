# Shared steps of the end-to-end scripts and tools/valgrind_road.sh: start the
# real program on this test's own display, find its windows, click its menus,
# keep screenshots.
set -euo pipefail

ARTIFACTS=${VANTREL_ARTIFACTS:-$(mktemp -d)}
# Seconds the program gets for each click, tenths of a second for a window:
# a run under valgrind sets both higher.
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

# Waits until a command succeeds, WAIT_TRIES tenths of a second at most.
wait_for() {
  for _ in $(seq "$WAIT_TRIES"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
# Prints the id of a visible window whose title matches, once there is one.
window_id() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 | grep .; }
wait_window() { wait_for window_id "$1"; }
wait_window_gone() { wait_for eval "! window_id '$1' >/dev/null"; }

start_vantrel() {  # working directory
  (cd "$1" && exec "$VANTREL_BIN") &
  APP_PID=$!
  MAIN_WINDOW=$(wait_window '^Vantrel$') || fail "main window did not appear"
  sleep 0.3
}

# The program's exit status goes to EXIT_STATUS (only this shell can wait).
wait_exit() {
  wait_for eval '! kill -0 "$APP_PID" 2>/dev/null' || fail "program did not end"
  EXIT_STATUS=0
  wait "$APP_PID" || EXIT_STATUS=$?
  APP_PID=""
}

click_at() { xdotool mousemove --sync --window "$1" "$2" "$3" click 1; sleep "$PACE"; }
double_click_at() {
  xdotool mousemove --sync --window "$1" "$2" "$3" click --repeat 2 --delay 80 1
  sleep "$PACE"
}
hover_at() { xdotool mousemove --sync --window "$1" "$2" "$3"; sleep "$PACE"; }
key() { xdotool key "$1"; sleep "$PACE"; }
type_into() { click_at "$1" "$2" "$3"; xdotool type --delay 30 "$4"; sleep 0.1; }
choose() {  # window x y index: opens a choice and moves down to its item
  click_at "$1" "$2" "$3"
  for _ in $(seq "$4"); do xdotool key Down; sleep 0.05; done
  key Return
}

# The toolkit's message boxes have no title, and neither has the root window:
# an untitled window of the program's class.
message_box() {
  local id
  for id in $(xdotool search --onlyvisible --classname '^vantrel$' 2>/dev/null || true); do
    [ -z "$(xdotool getwindowname "$id" 2>/dev/null)" ] && { echo "$id"; return 0; }
  done
  return 1
}
wait_message_box() { wait_for message_box >/dev/null; }

# Row centres in the Select Chart list: it starts at y 20 inside a 2-pixel
# frame, with 17-pixel rows.
list_row_y() { echo $((20 + 2 + 17 * ($1 - 1) + 8)); }

# Menu entries in the main window's coordinates. A submenu opens when the
# pointer rests on its title; a click there would close the menu instead.
menu_file() { click_at "$MAIN_WINDOW" 15 10; click_at "$MAIN_WINDOW" 25 "$1"; }
menu_file_new() { menu_file 30; }
menu_file_edit() { menu_file 49; }
menu_file_open() { menu_file 68; }
menu_file_save() { menu_file 87; }
menu_file_export() { menu_file 106; }
menu_file_quit() { menu_file 126; }
menu_chart_style() {
  click_at "$MAIN_WINDOW" 60 10
  hover_at "$MAIN_WINDOW" 70 30
  hover_at "$MAIN_WINDOW" 130 30
  click_at "$MAIN_WINDOW" 190 "$1"
}
menu_north_chart() { menu_chart_style 30; }
menu_south_chart() { menu_chart_style 49; }

screenshot() {  # name [window]
  import -window "${2:-root}" "$ARTIFACTS/$1.png"
  echo "screenshot: $ARTIFACTS/$1.png"
}

cleanup_app() { [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true; }
trap cleanup_app EXIT
