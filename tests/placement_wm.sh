#!/usr/bin/env bash
# Under a real window manager, windows come back where and as large as they
# were left: three runs in a row keep the main window's and a workshop's
# stored bounds, frame included, unchanged; a maximised window comes back
# maximised.
set -euo pipefail
exe="$1"
source "$(dirname "$0")/xsession.sh"
[ "${2:-}" = "--inner" ] || { xsession_run "$0" "$exe"; exit $?; }

openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null' EXIT
# The window manager must manage the program's windows from their first showing.
for ((i = 0; i < 100; i++)); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "openbox did not start"
sleep 0.5
title="Irisonde - Couleurs et perception visuelle"
conf="$XDG_CONFIG_HOME/Veltrane/Irisonde.conf"
mkdir -p "$(dirname "$conf")"
printf '[Tips]\nSplashFlag=0\nTipFlag=0\n[AddF]\nX=100\nY=50\nW=700\nH=500\nMaxis=0\n[SubF]\nMaxis=1\n' > "$conf"

section() { awk -v s="[$1]" '$0 == s {on = 1; next} /^\[/ {on = 0} on && NF' "$conf" | sort | tr '\n' ' '; }
# Fichier > the workshop of access key $1, whose window is titled $2.
open_workshop() {
  local main
  main=$(wait_window "$title" 30) || fail "no main window"
  xdotool windowactivate --sync "$main" key alt+f
  sleep 0.5
  xdotool key "$1"
  wait_window "$2" 20 || fail "$2 did not open"
  sleep 1
}
quit_through_menu() {
  local main
  main=$(wait_window "$title" 20) || fail "no main window"
  xdotool windowactivate --sync "$main" key alt+f
  sleep 0.5
  xdotool key q
}

for run in 1 2 3; do
  "$exe" & pid=$!
  # The additive workshop, then its window's close box.
  add=$(open_workshop a " Synthèse additive")
  xdotool windowactivate --sync "$add" key alt+F4
  quit_through_menu
  wait "$pid" || fail "exit code $?"
  main_now=$(section MainF)
  add_now=$(section AddF)
  [ "$add_now" = "H=500 Maxis=0 W=700 X=100 Y=50 " ] || fail "run $run: workshop stored as $add_now"
  if [ "$run" -gt 1 ] && [ "$main_now" != "$main_before" ]; then
    fail "run $run: main window moved or grew: $main_before -> $main_now"
  fi
  main_before=$main_now
done

# A workshop left maximised opens maximised.
"$exe" & pid=$!
sub=$(open_workshop s " Synthèse soustractive")
xprop -id "$sub" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ || fail "not maximised"
xdotool windowactivate --sync "$sub" key alt+F4
quit_through_menu
wait "$pid" || fail "exit code $?"
[ "$(section SubF)" = "H=-1 Maxis=1 W=-1 X=0 Y=0 " ] || fail "maximised workshop stored as $(section SubF)"
echo "placement_wm: bounds kept over three runs, maximised window restored"
