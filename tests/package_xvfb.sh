#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the program into a temporary prefix and validates its menu and
# software-centre entries, pedantically; then builds the Debian package, has
# lintian check it (no error, warning or information tag but the overridden
# ones), unpacks it into a temporary root and starts the unpacked program in
# a real X server with a fresh home: its main window shows and its help
# document is found.
#   package_xvfb.sh BUILD_DIR
set -euo pipefail

source "$(dirname "$0")/xsession.sh"
id=fr.veltrane.irisonde
title="Irisonde - Couleurs et perception visuelle"
src="$(cd "$(dirname "$0")/.." && pwd)"

# appstreamcli succeeds on pedantic hints and on some warnings: here any
# issue it names fails.
appstream_clean() { # log
  ! grep -Eq '^ *[EWIP]: ' "$1"
}

if [ "${2:-}" != "--inner" ]; then
  build="$1"
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT

  # The installed tree.
  prefix="$work/prefix"
  cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
  for f in bin/irisonde share/irisonde/Irisonde.html share/man/man1/irisonde.1.gz \
           share/doc/irisonde/{lisezmoi.txt,copyright,changelog.Debian.gz} \
           share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
           share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/{48x48,128x128,256x256}/apps/$id.png; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
  done
  [ -e "$prefix/bin/Irisonde.html" ] && fail "the help document is still installed into bin/"
  [ -e "$prefix/share/irisonde/lisezmoi.txt" ] && fail "the readme is still installed beside the help"
  grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the menu entry names another icon"
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
  meta="$prefix/share/metainfo/$id.metainfo.xml"
  appstreamcli validate --pedantic --no-net "$meta" >"$work/as.log" 2>&1 && appstream_clean "$work/as.log" \
    || { cat "$work/as.log" >&2; fail "appstreamcli validate --pedantic"; }
  # The tree as a whole: the metainfo's launchable is the installed entry.
  appstreamcli validate-tree --pedantic --no-net "$prefix" >"$work/as.log" 2>&1 && appstream_clean "$work/as.log" \
    || { cat "$work/as.log" >&2; fail "appstreamcli validate-tree --pedantic"; }
  grep -q "<project_license>GPL-3.0-or-later</project_license>" "$meta" || fail "the metainfo states no project licence"
  grep -q "<image type=\"source\">https://.*/main-window.png</image>" "$meta" \
    || fail "a build with a web address ships no screenshot"
  # A build without a web address names no home page and no screenshot, and
  # its entry is still valid.
  cmake -DIRISONDE_METAINFO_IN="$src/packaging/$id.metainfo.xml.in" -DIRISONDE_METAINFO_OUT="$work/noweb/$id.metainfo.xml" \
        -DIRISONDE_AUTHOR_WEB= -DPROJECT_VERSION=1.0.0 -P "$src/cmake/IrisondeMetainfo.cmake" || fail "metainfo without a web address"
  grep -Eq "<screenshot|<url|https?:" "$work/noweb/$id.metainfo.xml" && fail "a build without a web address ships an address"
  appstreamcli validate --pedantic --no-net "$work/noweb/$id.metainfo.xml" >"$work/as.log" 2>&1 && appstream_clean "$work/as.log" \
    || { cat "$work/as.log" >&2; fail "appstreamcli validate --pedantic, without a web address"; }

  # The Debian package, checked by lintian and unpacked as dpkg would lay it out.
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
  deb=$(ls "$work"/pkg/irisonde_*.deb 2>/dev/null | head -n 1)
  [ -n "$deb" ] || fail "cpack made no package"
  depends=$(dpkg-deb -f "$deb" Depends)
  for p in libqt6widgets6 libwmflite-0.2-7 fonts-liberation2 qt6-translations-l10n qt6-image-formats-plugins libqt6svg6; do
    grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "the package does not depend on $p: $depends"
  done
  dpkg-deb -x "$deb" "$work/root"
  version=$(dpkg-deb -f "$deb" Version)
  changelog=$(zcat "$work/root/usr/share/doc/irisonde/changelog.Debian.gz" | dpkg-parsechangelog -l- -SVersion)
  [ "$changelog" = "$version" ] || fail "the package is $version, its changelog starts at $changelog"
  lintian --display-info --fail-on error,warning,info "$deb" >"$work/lintian.log" 2>&1 \
    || { cat "$work/lintian.log" >&2; fail "lintian"; }
  [ -f "$work/root/usr/share/irisonde/Irisonde.html" ] || fail "no help document in the package"
  xsession_run "$0" "$work/root/usr/bin/irisonde"
  echo "package: installed tree and entries valid, lintian clean, package depends on what it needs, unpacked program runs with its help"
  exit 0
fi

# Inside the X session: the unpacked program.
exe="$1"
"$exe" & pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
main=$(wait_window "$title" 30) || fail "no main window"

# The splash and the tip of the day go as a pupil would send them away.
dismiss_startup_windows "$main" 2

# Aide > Aide du logiciel, by the keyboard; then the help window's text is
# copied and read back: the document itself, not the "missing" notice.
type_in_menu "$main" a
xdotool key a
help=$(wait_window " Aide d'Irisonde" 20) || fail "no help window"
text=""
for ((i = 0; i < 10; i++)); do
  xdotool windowfocus --sync "$help" key ctrl+a key ctrl+c 2>/dev/null || true
  text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
  [ -n "$text" ] && break
  sleep 0.3
done
grep -q "introuvable" <<<"$text" && fail "the unpacked program did not find its help: $(head -c 300 <<<"$text")"
grep -q "Les activités" <<<"$text" || fail "the help window shows no help text: $(head -c 300 <<<"$text")"
kill -0 "$pid" 2>/dev/null || fail "the program ended"
