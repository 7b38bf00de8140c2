#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Kolvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKOLVANE_BUILD_TESTS=OFF -DKOLVANE_BUILD_BENCH=OFF >/dev/null
cmake --build build --target kolvane -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "kolvane: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); built build/kolvane but cannot show its window." >&2
  exit 1
fi
exec ./build/kolvane
