#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Zyntra
# need, and any named on the command line, when any of them is missing.
# Runs apt-get as root (or with sudo).
set -euo pipefail

packages=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libqt6sql6-sqlite
    qt6-tools-dev qt6-l10n-tools
    libbenchmark-dev libgmp-dev libfontconfig-dev locales clang-format git
    fonts-dejavu-core fonts-liberation2
    xvfb xauth
    desktop-file-utils appstream dpkg-dev file
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
