# SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by run.sh and test.sh: installs the Debian packages the build and the
# tests need when they are missing, then configures and builds into build/.
# Sourced, not run.
set -euo pipefail

IRISONDE_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev qt6-translations-l10n
  libwmf-dev libfreetype-dev zlib1g-dev
  fonts-liberation2 fontconfig
  xvfb xauth xdotool xclip x11-utils openbox
  desktop-file-utils appstream dpkg-dev lintian reuse
  libbenchmark-dev
  qt6-image-formats-plugins qt6-svg-dev libqt6svg6 poppler-utils
)

irisonde_install_packages() {
  local missing=()
  for p in "${IRISONDE_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
  fi
}

irisonde_build() {
  local dir="$1"; shift
  cmake -S "$IRISONDE_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}

IRISONDE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
irisonde_install_packages
