#!/bin/sh
# Runs a test program on a display of its own with a window manager, as a user sees the
# program: windows get frames, and the frames come after the windows.
# Usage: under_window_manager.sh TEST-PROGRAM [TEST-ARGUMENTS...]
set -u
for tool in Xvfb openbox xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "under_window_manager.sh: $tool is missing (apt: xvfb openbox x11-utils)" >&2
        exit 1
    fi
done

work=$(mktemp -d -t kolvane-wm.XXXXXX) || exit 1
chmod 700 "$work"
xvfb_pid=
wm_pid=
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

# Xvfb picks a free display itself and writes its number, so parallel runs never meet.
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
done
if [ ! -s "$work/display" ]; then
    echo "under_window_manager.sh: Xvfb did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"
export XDG_RUNTIME_DIR="$work"
export QT_QPA_PLATFORM=xcb

openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.05
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
    echo "under_window_manager.sh: openbox did not start" >&2
    cat "$work/openbox.log" >&2
    exit 1
fi

"$@"
