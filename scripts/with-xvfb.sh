#!/usr/bin/env bash
# Runs a command on a private X server with the openbox window manager, for
# tests that need real window management (frames, z-order, taskbar hints).
# Usage: with-xvfb.sh [--no-window-manager] COMMAND [ARGUMENTS...]
#
# The command runs once, and only on a server that answers and, unless told
# otherwise, a screen that openbox has taken. A server or window manager that
# does not come up (a busy machine can starve either) is replaced by a fresh
# one on a fresh display, up to three tries, each failure told on stderr.
set -euo pipefail

window_manager=1
if [ "${1:-}" = "--no-window-manager" ]; then
    window_manager=0
    shift
fi

work="$(mktemp -d)"
xvfb_pid=""
openbox_pid=""
stop_session() {
    [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    openbox_pid=""
    xvfb_pid=""
}
cleanup() {
    stop_session
    rm -rf "$work"
}
trap cleanup EXIT

alive() { kill -0 "$1" 2>/dev/null; }

# openbox names its check window on the root and the window names openbox:
# it has the screen, with the hints the tests rely on in place.
openbox_has_screen() {
    local check
    check="$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # //p')"
    [ -n "$check" ] && xprop -id "$check" _NET_WM_NAME 2>/dev/null | grep -q '"Openbox"'
}

# Sets `reason` and fails when the session does not come up within 10 s a step.
start_session() {
    local step
    : >"$work/display"
    # -displayfd picks a free display, so parallel tests never collide;
    # -noreset keeps the server as it is when its last client leaves.
    Xvfb -displayfd 9 -screen 0 1280x800x24 -nolisten tcp -noreset \
        9>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    # Tests that take the X server away kill this one.
    export VH_XVFB_PID="$xvfb_pid"
    for step in $(seq 100); do
        [ -s "$work/display" ] && break
        alive "$xvfb_pid" || break
        sleep 0.1
    done
    if [ ! -s "$work/display" ]; then
        reason="Xvfb named no display: $(tail -n 3 "$work/xvfb.log")"
        return 1
    fi
    export DISPLAY=":$(tr -d '\n' <"$work/display")"
    for step in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && break
        alive "$xvfb_pid" || break
        sleep 0.1
    done
    if ! xdpyinfo >/dev/null 2>&1; then
        reason="Xvfb on $DISPLAY does not answer: $(tail -n 3 "$work/xvfb.log")"
        return 1
    fi
    [ "$window_manager" = 1 ] || return 0

    HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
    openbox_pid=$!
    for step in $(seq 100); do
        openbox_has_screen && return 0
        alive "$openbox_pid" || break
        sleep 0.1
    done
    openbox_has_screen && return 0
    reason="openbox did not take the screen of $DISPLAY: $(tail -n 3 "$work/openbox.log")"
    return 1
}

for attempt in 1 2 3; do
    reason=""
    start_session && break
    echo "with-xvfb.sh: try $attempt of 3: $reason" >&2
    stop_session
    [ "$attempt" -lt 3 ] || exit 1
done

export QT_QPA_PLATFORM=xcb
"$@"
