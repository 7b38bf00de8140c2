#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs a test program on a display of its own with a window manager, where windows get
# frames, and a moment after they appear. Usage: under_window_manager.sh PROGRAM [ARGS...]
set -u
for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is missing (apt: xvfb openbox x11-utils)" >&2; exit 1; }
done
work=$(mktemp -d -t kolvane-wm.XXXXXX) || exit 1
pids=
trap 'kill $pids 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT INT TERM

# Xvfb picks a free display and writes its number, so parallel runs never meet.
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/log" &
pids=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "$0: Xvfb did not start" >&2; cat "$work/log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb
# libxkbcommon-x11 hands strndup() a counted name without a terminating NUL, which is
# valid C; strict string checks read on to the NUL and report it. The check stays on
# for every other test.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"

openbox 2>>"$work/log" &
pids="$pids $!"
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
for _ in $(seq 100); do wm_running && break; sleep 0.05; done
wm_running || { echo "$0: openbox did not start" >&2; cat "$work/log" >&2; exit 1; }

# A session bus, as on a desktop: without one the toolkit's bus client gives up and
# leaves memory behind that the leak checker reports.
if command -v dbus-run-session >/dev/null; then
    dbus-run-session -- "$@"
else
    "$@"
fi
