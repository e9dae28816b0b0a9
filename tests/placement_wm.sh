#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
# SPDX-License-Identifier: GPL-3.0-or-later

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
# Its frames are told to the program only once it says it supports them.
for ((i = 0; i < 100; i++)); do
  xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_FRAME_EXTENTS && break
  sleep 0.1
done
title="Irisonde - Couleurs et perception visuelle"
conf="$XDG_CONFIG_HOME/Veltrane/Irisonde.conf"
mkdir -p "$(dirname "$conf")"
printf '[Tips]\nSplashFlag=0\nTipFlag=0\n[AddF]\nX=100\nY=50\nW=700\nH=500\nMaxis=0\n[SubF]\nMaxis=1\n[EclaireF]\nX=100\nY=50\nW=400\nH=300\nMaxis=0\n' > "$conf"

section() { awk -v s="[$1]" '$0 == s {on = 1; next} /^\[/ {on = 0} on && NF' "$conf" | sort | tr '\n' ' '; }
# Outer bounds "X Y W H" of a window framed by the window manager; fails
# while it is not framed yet.
outer() {
  local ext info x y w h l r t b
  ext=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null) || return 1
  [[ "$ext" == *=* ]] || return 1
  IFS=', ' read -r l r t b <<<"${ext#*= }"
  [ -n "${b:-}" ] || return 1
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
  w=$(sed -n 's/^ *Width: *//p' <<<"$info")
  h=$(sed -n 's/^ *Height: *//p' <<<"$info")
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}
outer_is() { [ "$(outer "$1")" = "$2" ]; }
outer_starts() { [[ "$(outer "$1")" == "$2 "* ]]; }
# Outer bounds centred on the 1280 x 1024 screen, give or take a pixel
# (an even screen has two middle pixels).
centred() {
  local x y w h
  read -r x y w h <<<"$(outer "$1")" || return 1
  [ -n "$h" ] && (( x * 2 + w - 1280 <= 2 && 1280 - x * 2 - w <= 2 && y * 2 + h - 1024 <= 2 && 1024 - y * 2 - h <= 2 ))
}
state_has() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q "$2"; }
state_lacks() { local s; s=$(xprop -id "$1" _NET_WM_STATE 2>/dev/null) && [[ "$s" != *"$2"* ]]; }
# While a menu is awaited (menu_open), the pointer is kept in a corner that
# no window covers, lest a hint pass for a menu.
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
# The main window, framed; then the menu of access key $1 is opened. Keys
# typed while the focus is still passing from a closing window are lost:
# the access key is typed again until the menu shows.
open_menu() {
  local main try
  main=$(wait_window "$title" 30) || fail "no main window"
  until_ok 20 outer "$main" >/dev/null || fail "main window never framed"
  xdotool mousemove 1279 1023
  for try in 1 2 3; do
    xdotool windowactivate --sync "$main"
    until_ok 10 focused "$main" || fail "main window never focused"
    xdotool key "alt+$1"
    until_ok 3 menu_open && return 0
  done
  fail "menu alt+$1 did not open"
}
# Fichier > the workshop of access key $1, whose window is titled $2;
# the window is framed when this returns.
open_workshop() {
  local w
  open_menu f
  xdotool key "$1"
  w=$(wait_window "$2" 20) || fail "$2 did not open"
  until_ok 20 outer "$w" >/dev/null || fail "$2 never framed"
  echo "$w"
}
quit_through_menu() {
  open_menu f
  xdotool key q
}
# The additive workshop, at its stored place ([AddF] as written above).
open_add() {
  local w
  w=$(open_workshop a " Synthèse additive") || exit 1
  until_ok 20 outer_is "$w" "100 50 700 500" || fail "additive workshop at $(outer "$w"), not at its stored place"
  echo "$w"
}

for run in 1 2 3; do
  "$exe" & pid=$!
  # The main window at its stored place (or the first run's 1, 1).
  main=$(wait_window "$title" 30) || fail "no main window"
  if [ "$run" -eq 1 ]; then
    until_ok 20 outer_starts "$main" "1 1" || fail "run 1: main window at $(outer "$main"), not at 1, 1"
  else
    stored=$(awk -F= '$0 == "[MainF]" {on = 1; next} /^\[/ {on = 0} on {v[$1] = $2} END {print v["X"], v["Y"], v["W"], v["H"]}' "$conf")
    until_ok 20 outer_is "$main" "$stored" || fail "run $run: main window at $(outer "$main"), stored at $stored"
  fi
  # The additive workshop, then its window's close box.
  add=$(open_add)
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

# A workshop left at its least size comes back exactly as large: its least
# size is worked out from its real frame, not from a frame not known yet.
for run in 1 2; do
  "$exe" & pid=$!
  ecl=$(open_workshop e " Eclairage d'une scène - Image par défaut")
  xdotool windowactivate --sync "$ecl" key alt+F4
  quit_through_menu
  wait "$pid" || fail "exit code $?"
  ecl_now=$(section EclaireF)
  case "$ecl_now" in "H=300 "*) ;; *) fail "run $run: workshop at its least height stored as $ecl_now" ;; esac
  [ "$run" -eq 1 ] || [ "$ecl_now" = "$ecl_before" ] || fail "workshop at its least size grew: $ecl_before -> $ecl_now"
  ecl_before=$ecl_now
done

# A workshop left maximised opens maximised.
"$exe" & pid=$!
sub=$(open_workshop s " Synthèse soustractive")
until_ok 20 state_has "$sub" _NET_WM_STATE_MAXIMIZED_HORZ || fail "not maximised"
xdotool windowactivate --sync "$sub" key alt+F4
quit_through_menu
wait "$pid" || fail "exit code $?"
[ "$(section SubF)" = "H=-1 Maxis=1 W=-1 X=0 Y=0 " ] || fail "maximised workshop stored as $(section SubF)"

# A workshop's first opening in a run lays out as the later ones: what its
# copy button puts on the clipboard is the same.
png_on_clipboard() { xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx image/png; }
copy_of() { # window id, file
  # The clipboard first holds some text, so that an image on it is the copy.
  printf 'rien' | xclip -selection clipboard -i
  until_ok 10 eval '! png_on_clipboard' || fail "clipboard not cleared"
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --window "$1" 52 $((HEIGHT - 77)) click 1
  until_ok 10 png_on_clipboard || fail "nothing copied"
  xclip -selection clipboard -t image/png -o > "$2" || fail "copy unreadable"
}
"$exe" & pid=$!
add=$(open_add)
copy_of "$add" "$HOME/first.png"
xdotool windowactivate --sync "$add" key alt+F4
add=$(open_add)
copy_of "$add" "$HOME/second.png"
cmp -s "$HOME/first.png" "$HOME/second.png" || fail "the first opening of a workshop laid out otherwise"
xdotool windowactivate --sync "$add" key alt+F4

# The options dialog and the tip window: a frame without minimise or
# maximise, and the same place at every showing.
# Menu of access key $1, item of access key $2, dialog titled $3; the
# dialog is framed and centred on the screen when this returns.
show_dialog() {
  local w
  open_menu "$1"
  xdotool key "$2"
  w=$(wait_window "$3" 20) || fail "$3 did not open"
  until_ok 20 centred "$w" || fail "$3 at $(outer "$w"), not centred"
  echo "$w"
}
for dialog in "o p Options du logiciel" "a j Astuce du jour"; do
  read -r menu item name <<<"$dialog"
  w=$(show_dialog "$menu" "$item" " $name")
  actions=$(xprop -id "$w" _NET_WM_ALLOWED_ACTIONS)
  case "$actions" in *MAXIMIZE*) fail "$name can be maximised: $actions" ;; esac
  first=$(outer "$w")
  # This window manager still offers to minimise it: it comes straight back.
  # Its minimising may be undone before a poll could see it: every change of
  # its state is logged as it happens, and the minimising is waited for there
  # for a while (it is not always seen at all).
  spy="$HOME/state-spy"
  xprop -id "$w" -spy _NET_WM_STATE >"$spy" 2>/dev/null & spy_pid=$!
  until_ok 10 test -s "$spy" || fail "$name: its state cannot be watched"
  xdotool windowminimize "$w"
  until_ok 2 grep -q HIDDEN "$spy" || true
  kill "$spy_pid" 2>/dev/null || true
  until_ok 10 state_lacks "$w" HIDDEN || fail "$name stays minimised"
  main=$(xdotool search --name "^$title\$" | head -n 1)
  until_ok 10 state_lacks "$main" HIDDEN || fail "main window minimised with $name"
  until_ok 10 outer_is "$w" "$first" || fail "$name moved when minimised: $first, then $(outer "$w")"
  xdotool windowactivate --sync "$w" key Escape
  until_ok 10 window_gone " $name" || fail "$name did not close"
  w=$(show_dialog "$menu" "$item" " $name")
  second=$(outer "$w")
  [ "$first" = "$second" ] || fail "$name moved between showings: $first, then $second"
  xdotool windowactivate --sync "$w" key Escape
  until_ok 10 window_gone " $name" || fail "$name did not close"
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
  until_ok 20 outer "$main" >/dev/null || fail "$bounds: main window never framed"
  # Once framed, the window is brought onto the screen.
  usable() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 1280 ] && [ $((Y + 20)) -le 1024 ] \
      && [ "$WIDTH" -ge 260 ] && [ "$HEIGHT" -ge 180 ]
  }
  until_ok 20 usable "$main" || fail "$bounds: main window at $X,$Y ${WIDTH}x$HEIGHT"
  quit_through_menu
  wait "$pid" || fail "exit code $?"
  eval "$(section MainF | tr ' ' '\n' | grep -E '^[WH]=')"
  [ "$W" -le 1280 ] && [ "$H" -le 1024 ] && [ "$W" -ge 260 ] && [ "$H" -ge 180 ] || fail "$bounds: stored as W=$W H=$H"
done
echo "placement_wm: bounds kept over three runs, maximised window restored, first openings alike, dialog frames, hostile placements bounded"
