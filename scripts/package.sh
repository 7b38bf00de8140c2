#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian packages (kolvane, libqevbutton1, libqevbutton-dev) from a clean
# Release build in build-package/ (or $BUILD) and lists them with their sizes.
# Needs dpkg-dev and file (bash scripts/deps.sh --test installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build-package}
jobs=${JOBS:-$(nproc)}

rm -rf "$build"
# Debian's hardening and optimisation flags, as a Debian build would use them; CMake
# reads CXXFLAGS and LDFLAGS when it first configures. Release's -O3 comes after -O2.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DKOLVANE_BUILD_TESTS=OFF -DKOLVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$jobs"
(cd "$build" && cpack -G DEB)

echo
for deb in "$build"/*.deb; do
  printf '%-40s %8s bytes, installed %6s KiB\n' "$(basename "$deb")" "$(stat -c %s "$deb")" \
         "$(dpkg-deb -f "$deb" Installed-Size)"
done
