#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the real program in a real X server (24 bits) with a fresh home
# folder, waits for its main window, checks that a second copy is refused,
# closes the main window through its menu, and checks the settings written.
set -euo pipefail
exe="$1"

source "$(dirname "$0")/xsession.sh"
[ "${2:-}" = "--inner" ] || { xsession_run "$0" "$exe"; exit $?; }

title="Irisonde - Couleurs et perception visuelle"

"$exe" & pid=$!
main=$(wait_window "$title" 30) || fail "no main window"

# A second copy says so and ends, leaving the first alone.
"$exe" & second=$!
box=$(wait_window "Avertissement" 20) || fail "second copy showed no warning"
# No window manager here: give the box the focus, then type as a user.
xdotool windowfocus --sync "$box" key Return
for ((i = 0; i < 50; i++)); do kill -0 "$second" 2>/dev/null || break; sleep 0.2; done
kill -0 "$second" 2>/dev/null && fail "second copy did not end"
wait "$second" || fail "second copy failed"
kill -0 "$pid" || fail "first copy ended"
[ -f "$XDG_CONFIG_HOME/Veltrane/Irisonde.conf" ] && fail "settings written before exit"

# Start-up windows above the main one (splash, tip of the day) are closed
# the way a pupil would: a click on the splash, Escape on a dialog.
# (The splash has no title: windows are found by the program's class.)
dismiss_startup_windows "$main" 2

# Fichier > Quitter, by the keyboard.
type_in_menu "$main" f
xdotool key q
for ((i = 0; i < 100; i++)); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "the menu did not close the program"; }
wait "$pid" || fail "program exit code $?"

conf="$XDG_CONFIG_HOME/Veltrane/Irisonde.conf"
[ -f "$conf" ] || fail "no settings written"
for section in MainF AddF SubF LoupF EclaireF LumiereF QuadriF RGBF Tips Browser; do
  grep -qx "\[$section\]" "$conf" || fail "section $section missing"
done
grep -qx 'wThumb=80' "$conf" || fail "wThumb not stored as text 80"
grep -qx 'W=510' "$conf" || fail "default width not stored"
grep -qx 'brwMetaFlag=1' "$conf" || fail "boolean not stored as 1"
echo "smoke: main window shown, second copy refused, settings written"
