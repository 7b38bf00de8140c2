#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs a test program with the accessibility bus a desktop's screen reader listens on,
# and the toolkit's bridge to it switched on, so that the program's announcements are
# made as a screen reader meets them. Run inside a session bus (under_window_manager.sh
# gives one). Usage: with_accessibility_bus.sh PROGRAM [ARGS...]
set -u
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "$0: $launcher is missing (apt: at-spi2-core)" >&2; exit 1; }
"$launcher" --launch-immediately >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT INT TERM
# The bridge asks the session bus for the accessibility bus; it must be there first.
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.05
done
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$@"
