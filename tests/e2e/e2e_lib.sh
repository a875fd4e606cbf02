# Shared steps of the end-to-end tests: start the real program on this
# test's own display, find its windows, click its menus, keep screenshots.
set -euo pipefail

ARTIFACTS=${VANTREL_ARTIFACTS:-$(mktemp -d)}
mkdir -p "$ARTIFACTS"
APP_PID=""
MAIN_WINDOW=""

fail() {
  echo "FAIL: $*" >&2
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
  exit 1
}

# Waits up to 10 s for a window whose title matches the pattern; prints its id.
wait_window() {
  local pattern=$1 id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits up to 10 s until no visible window matches the pattern.
wait_window_gone() {
  local pattern=$1
  for _ in $(seq 100); do
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
  for _ in $(seq 100); do
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
  sleep 0.4
}

double_click_at() {  # window x y
  xdotool mousemove --sync --window "$1" "$2" "$3" click --repeat 2 --delay 80 1
  sleep 0.4
}

# Menu entries in the main window's coordinates.
menu_file() { click_at "$MAIN_WINDOW" 15 10; }
menu_file_new() { menu_file; click_at "$MAIN_WINDOW" 25 31; }
menu_file_edit() { menu_file; click_at "$MAIN_WINDOW" 25 52; }
menu_file_open() { menu_file; click_at "$MAIN_WINDOW" 25 73; }
menu_file_save() { menu_file; click_at "$MAIN_WINDOW" 25 94; }
menu_file_quit() { menu_file; click_at "$MAIN_WINDOW" 25 115; }
hover_at() {  # window x y
  xdotool mousemove --sync --window "$1" "$2" "$3"
  sleep 0.4
}

# A submenu opens when the pointer rests on its title; a click there would
# close the menu instead.
menu_chart_style() {
  click_at "$MAIN_WINDOW" 55 10
  hover_at "$MAIN_WINDOW" 70 31
  hover_at "$MAIN_WINDOW" 150 31
}
menu_north_chart() { menu_chart_style; click_at "$MAIN_WINDOW" 215 31; }
menu_south_chart() { menu_chart_style; click_at "$MAIN_WINDOW" 215 52; }
menu_help_about() { click_at "$MAIN_WINDOW" 135 10; click_at "$MAIN_WINDOW" 145 31; }

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
