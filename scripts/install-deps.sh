#!/usr/bin/env bash
# Installs, on Debian 12, whatever the build, the program and the tests need and is missing.
set -euo pipefail
packages=(
  g++ make cmake
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools
  qt6-svg-dev qt6-translations-l10n qt6-qpa-plugins libgl-dev
  qt6-charts-dev libqt6opengl6-dev
  fonts-liberation fonts-dejavu-core
  poppler-utils unzip locales
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

# The tests run a second time on an Italian desktop's locale (and numbers must not depend on
# any locale, German included): generate those locales where they are missing.
wanted=(it_IT.UTF-8 de_DE.UTF-8 en_US.UTF-8)
present=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
generate=()
for l in "${wanted[@]}"; do
  key=$(echo "$l" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
  grep -qx "$key" <<<"$present" || generate+=("$l")
done
if [ ${#generate[@]} -gt 0 ]; then
  echo "Generating locales: ${generate[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  for l in "${generate[@]}"; do
    $SUDO sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
  done
  $SUDO locale-gen >/dev/null
fi
