#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need (as root).
# Packages already present are left alone, so a second run costs nothing.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  qt6-base-dev qt6-base-private-dev libqt6opengl6-dev qt6-charts-dev qt6-httpserver-dev qt6-websockets-dev qt6-translations-l10n
  libgl-dev libxkbcommon-dev libxcb1-dev x11proto-dev libcurl4-openssl-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils xdotool openbox poppler-utils cups cups-client cups-ipp-utils printer-driver-cups-pdf locales
  fonts-dejavu-core fonts-liberation fonts-crosextra-carlito
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
