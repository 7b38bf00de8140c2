#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building, running and testing Kolvane need.
# Only packages that are missing are installed, so a second run costs nothing.
set -euo pipefail

BUILD_PKGS=(cmake g++ make pkg-config qt6-base-dev qt6-tools-dev libqt6opengl6-dev
            libjpeg-dev libasound2-dev libfontconfig-dev libxcb1-dev fonts-liberation2 fonts-dejavu-core)
TEST_PKGS=(libbenchmark-dev xvfb xauth openbox xdotool imagemagick x11-utils dbus
           at-spi2-core python3-pyatspi clang libclang-rt-14-dev clang-tidy clang-format valgrind libxdamage-dev
           dpkg-dev file lintian desktop-file-utils appstream librsvg2-bin man-db poppler-utils)

want=("${BUILD_PKGS[@]}")
[ "${1:-}" = "--test" ] && want+=("${TEST_PKGS[@]}")

missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
