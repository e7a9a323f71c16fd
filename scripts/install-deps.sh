#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# only those that are missing. Usage: scripts/install-deps.sh [extra packages...]
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-serialport-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libgl-dev
  fonts-liberation
  poppler-utils
  libwmf-dev libemf2svg-dev libuemf-dev qt6-svg-dev libfontconfig-dev
  libcups2-dev cups printer-driver-cups-pdf
  dpkg-dev lintian desktop-file-utils appstream man-db bash-completion
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
