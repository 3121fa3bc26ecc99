#!/usr/bin/env bash
# Runs a command on a private X server with the openbox window manager, for
# tests that need real window management (frames, z-order, taskbar hints).
# Usage: with-xvfb.sh [--no-window-manager] COMMAND [ARGUMENTS...]
set -euo pipefail

window_manager=1
if [ "${1:-}" = "--no-window-manager" ]; then
    window_manager=0
    shift
fi

work="$(mktemp -d)"
cleanup() {
    [ -n "${openbox_pid:-}" ] && kill "$openbox_pid" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# -displayfd picks a free display, so parallel tests never collide.
Xvfb -displayfd 9 -screen 0 1280x800x24 -nolisten tcp 9>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
# Tests that take the X server away kill this one.
export VH_XVFB_PID="$xvfb_pid"
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(tr -d '\n' <"$work/display")"

if [ "$window_manager" = 1 ]; then
    HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
    openbox_pid=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' ||
        { echo "openbox did not start" >&2; cat "$work/openbox.log" >&2; exit 1; }
fi

export QT_QPA_PLATFORM=xcb
"$@"
