#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
# SPDX-License-Identifier: GPL-3.0-or-later

# The catalogue in the real program and a real X server: opened from the main
# window's menu, a folder chosen in the chooser by the keyboard, a search of a
# tree of bitmaps and metafiles filling two pages, a thumbnail checked on the
# screen, a click selecting it, the next page. Usage: catalogue_xvfb.sh EXE
# SCREEN_GRAB [SHOT_FOLDER] (screenshots kept there when given).
set -euo pipefail
exe="$1"; grab="$2"; shots="${3:-}"
source "$(dirname "$0")/xsession.sh"
[ "${4:-${3:-}}" = "--inner" ] || { xsession_run "$0" "$exe" "$grab" ${shots:+"$shots"}; exit $?; }
[ "$shots" = "--inner" ] && shots=""
data="$(cd "$(dirname "$0")/data" && pwd)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/arbre/sous"
# A plain red 64 x 48 bitmap, first in the report order.
python3 - "$work/arbre/a_rouge.bmp" <<'EOF'
import struct, sys
w, h = 64, 48
row = b"\x00\x00\xff" * w
pixels = row * h
head = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
open(sys.argv[1], "wb").write(head + info + pixels)
EOF
cp "$data/wmf_rectangle.wmf" "$work/arbre/b.wmf"
for f in bmp_1bit.bmp bmp_24bit.bmp bmp_4bit.bmp bmp_8bit.bmp bmp_os2_core_24bit.bmp bmp_rle8.bmp \
  bmp_topdown_24bit.bmp Upper_Case.BMP UPPER_CASE.WMF wmf_fill_winding.wmf wmf_polygon.wmf wmf_shapes.wmf wmf_text.wmf; do
  cp "$data/$f" "$work/arbre/sous/"
done

conf="$XDG_CONFIG_HOME/Veltrane/Irisonde.conf"
mkdir -p "$(dirname "$conf")"
printf '[Tips]\nSplashFlag=0\nTipFlag=0\n[Browser]\nbrwPath=%s\n' "$work" > "$conf"

shot() { [ -n "$shots" ] && "$grab" "$shots/$1.png" >/dev/null; return 0; }

"$exe" & pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT
main=$(wait_window "Irisonde - Couleurs et perception visuelle" 30) || fail "no main window"
type_in_menu "$main" f
xdotool key c
cat=$(wait_window " Cataloguer les images" 20) || fail "the catalogue did not open"
for try in 1 2 3 4 5; do
  xdotool windowfocus --sync "$cat" key alt+p
  chooser=$(wait_window " Spécifier le chemin de travail" 2) && break
done
[ -n "${chooser:-}" ] || fail "the chooser did not open"
shot 1-chooser
# From the drive list to the folder list, onto "arbre", Enter goes into it, Ok.
xdotool windowfocus --sync "$chooser" key Tab
xdotool type --delay 100 arbre
xdotool key Return
# The folder list reads "arbre" and shows its subfolder.
sleep 0.5
shot 2-chooser-arbre
xdotool key alt+o
until_ok 10 window_gone " Spécifier le chemin de travail" || fail "the chooser did not close"
xdotool windowfocus --sync "$cat" key alt+r
found=$(wait_window " Catalogue des images, dossier : $work/arbre - 15 fichiers trouvés." 30) \
  || fail "the search did not find the 15 pictures of $work/arbre"
eval "$(xdotool getwindowgeometry --shell "$found")"
# Slot 1 at 209, 4, its picture at 5, 4 inside: the 64 x 48 bitmap sits at
# its own size in the middle of the 80-pixel square, on the button face,
# once its thumbnail has come.
cx=$((X + 214 + 40)); cy=$((Y + 8 + 40))
red_in_slot() { [ "$("$grab" "$work/screen.png" "$cx,$cy")" = "#ff0000" ]; }
until_ok 10 red_in_slot || fail "slot 1 shows $("$grab" "$work/screen.png" "$cx,$cy"), not red"
shot 3-page1
[ "$("$grab" "$work/screen.png" "$((X + 214 + 40)),$((Y + 8 + 12))")" != "#ff0000" ] || fail "the bitmap was stretched to the square"
# A click on it: the slot turns blue around the picture.
xdotool mousemove "$cx" "$cy" click 1
blue_corner() { [ "$("$grab" "$work/screen.png" "$((X + 214 + 2)),$((Y + 8 + 2))")" = "#0000ff" ]; }
until_ok 10 blue_corner || fail "the selected slot is $("$grab" "$work/screen.png" "$((X + 214 + 2)),$((Y + 8 + 2))"), not blue"
shot 4-selected
xdotool windowfocus --sync "$found" key alt+s
# Only a screenshot shows the second page: it is waited for only then.
[ -z "$shots" ] || sleep 1
shot 5-page2
xdotool windowfocus --sync "$found" key Escape
until_ok 10 window_gone " Catalogue des images.*" || fail "the catalogue did not close"
type_in_menu "$main" f
xdotool key q
for ((i = 0; i < 100; i++)); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"
wait "$pid" || fail "program exit code $?"
grep -qx "brwPath=$work/arbre" "$conf" || fail "the chosen folder was not kept"
echo "catalogue_xvfb: chooser, search, thumbnails, selection and paging on a real display"
