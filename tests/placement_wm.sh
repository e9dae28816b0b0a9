#!/usr/bin/env bash
# Under a real window manager, windows come back where and as large as they
# were left: three runs in a row keep the main window's and a workshop's
# stored bounds, frame included, unchanged; a maximised window comes back
# maximised. A workshop's first opening matches its second; the dialogs
# have no minimise or maximise and keep their place; hostile stored
# placements give a usable main window and sane stored values.
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

# A workshop's first opening in a run lays out as the later ones: what its
# copy button puts on the clipboard is the same.
copy_of() { # window id, file
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --window "$1" 52 $((HEIGHT - 77)) click 1
  sleep 0.5
  xclip -selection clipboard -t image/png -o > "$2" || fail "nothing copied"
}
"$exe" & pid=$!
add=$(open_workshop a " Synthèse additive")
copy_of "$add" "$HOME/first.png"
xdotool windowactivate --sync "$add" key alt+F4
add=$(open_workshop a " Synthèse additive")
copy_of "$add" "$HOME/second.png"
cmp -s "$HOME/first.png" "$HOME/second.png" || fail "the first opening of a workshop laid out otherwise"
xdotool windowactivate --sync "$add" key alt+F4

# The options dialog and the tip window: a frame without minimise or
# maximise, and the same place at every showing.
# Menu of access key $1, item of access key $2, dialog titled $3.
show_dialog() {
  local main
  main=$(wait_window "$title" 20) || fail "no main window"
  xdotool windowactivate --sync "$main" key "alt+$1"
  sleep 0.5
  xdotool key "$2"
  wait_window "$3" 20 || fail "$3 did not open"
  sleep 1
}
for dialog in "o p Options du logiciel" "a j Astuce du jour"; do
  read -r menu item name <<<"$dialog"
  w=$(show_dialog "$menu" "$item" " $name")
  actions=$(xprop -id "$w" _NET_WM_ALLOWED_ACTIONS)
  case "$actions" in *MAXIMIZE*) fail "$name can be maximised: $actions" ;; esac
  # This window manager still offers to minimise it: it comes straight back.
  xdotool windowminimize "$w"
  sleep 1
  xprop -id "$w" _NET_WM_STATE | grep -q HIDDEN && fail "$name stays minimised"
  xprop -id "$(wait_window "$title" 5)" _NET_WM_STATE | grep -q HIDDEN && fail "main window minimised with $name"
  first=$(xdotool getwindowgeometry "$w" | grep Position)
  xdotool windowactivate --sync "$w" key Escape
  w=$(show_dialog "$menu" "$item" " $name")
  second=$(xdotool getwindowgeometry "$w" | grep Position)
  [ "$first" = "$second" ] || fail "$name moved between showings: $first, then $second"
  xdotool windowactivate --sync "$w" key Escape
done
quit_through_menu
wait "$pid" || fail "exit code $?"

# Hostile stored placements start a usable main window on the screen
# (1280 x 1024) and are saved sane.
for bounds in "1 1 2147483647 2147483647" "1 1 100000 100000" "5000 5000 510 400" "1 1 1 1"; do
  read -r x y w h <<<"$bounds"
  printf '[Tips]\nSplashFlag=0\nTipFlag=0\n[MainF]\nX=%s\nY=%s\nW=%s\nH=%s\nMaxis=0\n' "$x" "$y" "$w" "$h" > "$conf"
  "$exe" & pid=$!
  main=$(wait_window "$title" 30) || fail "$bounds: no main window"
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$main")"
  [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 1280 ] && [ $((Y + 20)) -le 1024 ] \
    || fail "$bounds: main window at $X,$Y ${WIDTH}x$HEIGHT"
  [ "$WIDTH" -ge 260 ] && [ "$HEIGHT" -ge 180 ] || fail "$bounds: main window only ${WIDTH}x$HEIGHT"
  quit_through_menu
  wait "$pid" || fail "exit code $?"
  eval "$(section MainF | tr ' ' '\n' | grep -E '^[WH]=')"
  [ "$W" -le 1280 ] && [ "$H" -le 1024 ] && [ "$W" -ge 260 ] && [ "$H" -ge 180 ] || fail "$bounds: stored as W=$W H=$H"
done
echo "placement_wm: bounds kept over three runs, maximised window restored, first openings alike, dialog frames, hostile placements bounded"
