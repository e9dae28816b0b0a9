# SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the tests that run the real program in a real X server.
# xsession_run SCRIPT ARGS...: runs SCRIPT with ARGS and --inner under a new
# Xvfb (24 bits) with a fresh home, config and runtime folder.
# Inside, fail and wait_window are at hand.

xsession_run() {
  local script="$1"; shift
  local home i xvfb
  home=$(mktemp -d)
  mkdir -p "$home/run" && chmod 700 "$home/run"
  # The server picks a free display itself and tells which: no race with
  # other X servers started at the same moment.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$home/display" 2>"$home/xvfb.log" &
  xvfb=$!
  for ((i = 0; i < 100; i++)); do [ -s "$home/display" ] && break; sleep 0.1; done
  if [ ! -s "$home/display" ]; then
    echo "Xvfb did not start" >&2; cat "$home/xvfb.log" >&2
    kill "$xvfb" 2>/dev/null; rm -rf "$home"; return 1
  fi
  local status=0
  env -u QT_QPA_PLATFORM DISPLAY=":$(head -n 1 "$home/display")" HOME="$home" \
    XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/run" bash "$script" "$@" --inner || status=$?
  kill "$xvfb" 2>/dev/null
  rm -rf "$home"
  return $status
}

fail() { echo "$(basename "$0" .sh): $*" >&2; exit 1; }

# until_ok SECONDS COMMAND...: runs COMMAND every tenth of a second until it
# succeeds; fails after SECONDS. The scripts never sleep a fixed time before
# they act: a loaded machine may take seconds to map, frame or draw a window.
until_ok() {
  local i limit=$(($1 * 10)); shift
  for ((i = 0; i < limit; i++)); do "$@" && return 0; sleep 0.1; done
  return 1
}

# A drop-down menu of the running program $pid is open: a window of its own
# on screen, outside the window manager's care. (Its type is not a sure sign:
# a menu shown again after a workshop closed may be a new, untyped window.)
menu_open() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' && return 0
  done
  return 1
}

# type_in_menu WINDOW ACCESS-KEY: the menu of that key of the program's
# WINDOW is open on return, without a window manager (the focus is given by
# hand). Keys typed before the program listens are lost: the access key is
# typed again until the menu shows. The pointer is kept in a corner that no
# window covers, lest a hint pass for a menu.
type_in_menu() {
  local try
  xdotool mousemove 1279 1023
  for try in 1 2 3 4 5; do
    xdotool windowfocus --sync "$1" key "alt+$2"
    until_ok 3 menu_open && return 0
  done
  fail "menu alt+$2 did not open"
}

# No window named $1 is on screen.
window_gone() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

wait_window() { # name, seconds -> window id
  local i id
  for ((i = 0; i < $2 * 5; i++)); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}

# Start-up windows above the main one (splash, tip of the day) are sent away
# the way a pupil would: a click on the splash, Escape on a dialog. The
# splash has no title, so windows are found by the program's class. Done once
# EXPECTED distinct windows have been sent away and none is left, or else
# once none has shown for a few rounds (the tip comes only after the splash).
dismiss_startup_windows() { # main window id, [expected count]
  local quiet=0 i others shown w seen=" " expected="${2:-0}"
  for ((i = 0; i < 60 && quiet < 5; i++)); do
    others=$(xdotool search --onlyvisible --class irisonde 2>/dev/null | grep -vx "$1" || true)
    shown=0
    for w in $others; do
      eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
      [ "${WIDTH:-0}" -gt 50 ] && [ "${HEIGHT:-0}" -gt 50 ] || continue
      shown=1
      [[ "$seen" == *" $w "* ]] || seen="$seen$w "
      xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1 2>/dev/null || true
      xdotool windowfocus --sync "$w" key Escape 2>/dev/null || true
    done
    if [ "$shown" = 1 ]; then quiet=0; else quiet=$((quiet + 1)); fi
    local count
    count=$(wc -w <<<"$seen")
    [ "$expected" -gt 0 ] && [ "$shown" = 0 ] && [ "$count" -ge "$expected" ] && return 0
    sleep 0.5
  done
  [ "$expected" -eq 0 ] || [ "$(wc -w <<<"$seen")" -ge "$expected" ] || fail "$(wc -w <<<"$seen") start-up windows, not $expected"
}
