# SPDX-License-Identifier: MIT
# Sourced by the measuring scripts: the release build they time, and a private Xvfb
# display for the runs, removed with its runtime folder when the script exits.

# A release build, as installed for users, of the given targets in $BUILD.
build_release() {
  bash scripts/deps.sh --test
  cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DKOLVANE_BUILD_TESTS=OFF >/dev/null
  cmake --build "$BUILD" --target "$@" -j"${JOBS:-2}" >/dev/null
}

start_display() {
  export DISPLAY=":$1"
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -noreset -br -nolisten tcp >/dev/null 2>&1 &
  XVFB=$!
  trap 'kill $XVFB 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
}

# Starts openbox on the display and waits until it manages the screen; its pid is left
# in WM. Exported, so the scripts' runs inside dbus-run-session can call it too.
start_window_manager() {
  openbox >/dev/null 2>&1 &
  WM=$!
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.05; done
}
export -f start_window_manager
