#!/usr/bin/env bash
# Installs the Debian 12 packages Merestone needs to build, run and test,
# asking apt only for what is missing (through sudo when not root).
set -euo pipefail

packages=(
    g++ cmake ninja-build pkgconf
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core fonts-dejavu-extra
    dbus dbus-x11 xvfb xauth xclip poppler-utils
    desktop-file-utils appstream dpkg-dev
    clang libclang-rt-14-dev clang-format
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
