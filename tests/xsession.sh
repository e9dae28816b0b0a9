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

wait_window() { # name, seconds -> window id
  local i id
  for ((i = 0; i < $2 * 5; i++)); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}
