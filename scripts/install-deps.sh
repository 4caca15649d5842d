#!/usr/bin/env bash
# Installs, on Debian 12, whatever the build, the program and the tests need and is missing.
set -euo pipefail
packages=(
  g++ make cmake
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools
  qt6-svg-dev qt6-translations-l10n qt6-qpa-plugins libgl-dev
  qt6-charts-dev libqt6opengl6-dev
  fonts-liberation fonts-dejavu-core
  poppler-utils unzip
  dpkg-dev desktop-file-utils appstream file
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
