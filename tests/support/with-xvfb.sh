#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command on a private X server with a window manager, openbox unless
# told otherwise, for tests that need real window management (frames,
# z-order, taskbar hints).
# Usage: with-xvfb.sh [--no-window-manager | --window-manager NAME] COMMAND [ARGUMENTS...]
#   NAME: openbox, xfwm4, metacity, mutter, marco, kwin_x11, i3, icewm,
#   fluxbox, or gnome-wayland (mutter as a Wayland compositor, the command
#   on its XWayland); the command sees it as $VH_WM.
#
# The command runs once, and only on a server that answers and, unless told
# otherwise, a screen that the window manager has taken. A server or window
# manager that does not come up (a busy machine can starve either) is
# replaced by a fresh one on a fresh display, up to three tries, each failure
# told on stderr.
set -euo pipefail

wm=openbox
case "${1:-}" in
--no-window-manager)
    wm=""
    shift
    ;;
--window-manager)
    wm="$2"
    shift 2
    ;;
esac
# What each names itself on its check window (a pattern), and how it is
# started: all but openbox keep settings or services behind D-Bus.
case "$wm" in
"") ;;
openbox) wm_name=Openbox wm_command=(openbox --sm-disable) ;;
xfwm4) wm_name=Xfwm4 wm_command=(xfwm4 --compositor=off --sm-client-disable) ;;
metacity) wm_name=Metacity wm_command=(metacity --sm-disable --compositor=none) ;;
mutter) wm_name=Mutter wm_command=(mutter --x11 --sm-disable) ;;
marco) wm_name='Metacity \(Marco\)' wm_command=(marco --sm-disable --no-composite) ;;
kwin_x11) wm_name=KWin wm_command=(env KWIN_COMPOSE=N kwin_x11) ;;
i3) wm_name=i3 wm_command=(i3 -c "$(dirname "$0")/i3.config") ;;
icewm) wm_name='IceWM [^"]*' wm_command=(icewm) ;;
fluxbox) wm_name=Fluxbox wm_command=(fluxbox) ;;
# Its XWayland picks a display by the sockets it sees, so it gets a socket
# folder of its own, in a network namespace of its own for the abstract
# sockets (a user namespace lets anyone make both): nothing of it meets the
# Xvfb servers of tests beside it. Run as the command of mutter, a shell
# tells which display and cookie it got.
gnome-wayland)
    if [ -z "${VH_IN_NAMESPACE:-}" ]; then
        VH_IN_NAMESPACE=1 exec unshare --map-root-user --mount --net "$0" --window-manager "$wm" "$@"
    fi
    mount -t tmpfs tmpfs /tmp/.X11-unix
    wm_name=Mutter
    ;;
*)
    echo "with-xvfb.sh: unknown window manager $wm" >&2
    exit 2
    ;;
esac
export VH_WM="${wm:-none}"

work="$(mktemp -d)"
xvfb_pid=""
wm_pid=""
bus_pid=""
waiter_pid=""
stop_session() {
    [ -n "$waiter_pid" ] && kill "$waiter_pid" 2>/dev/null || true
    # Killed outright: fluxbox can hang in its own handler of SIGTERM (seen
    # waiting on a lock with the signal masked), and nothing of the session
    # outlives its scratch folder.
    [ -n "$wm_pid" ] && kill -KILL "$wm_pid" 2>/dev/null || true
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    wm_pid=""
    bus_pid=""
    xvfb_pid=""
    waiter_pid=""
}
cleanup() {
    stop_session
    rm -rf "$work"
}
trap cleanup EXIT

alive() { kill -0 "$1" 2>/dev/null; }
# The tests' one factor for a loaded or instrumented run lengthens these waits too.
steps() { seq $(($1 * ${VH_TEST_TIME_FACTOR:-1})); }

# The window manager names its check window on the root and the window
# names the manager: it has the screen, with the hints the tests rely on.
wm_has_screen() {
    local check
    check="$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # //p')"
    [ -n "$check" ] && xprop -id "$check" _NET_WM_NAME 2>/dev/null | grep -qE "= \"$wm_name\"\$"
}

# Retries a check every 0.1 s for $2 tenths of a second, times the tests'
# factor, while process $1 lives.
await() {
    local pid="$1" tenths="$2" step
    shift 2
    for step in $(steps "$tenths"); do
        "$@" && return 0
        alive "$pid" || break
        sleep 0.1
    done
    "$@"
}
answers() { xdpyinfo >/dev/null 2>&1; }

# The window manager and the services its bus starts (dconf, xfconf) keep
# their settings in a home of their own: never the user's, and never one
# that a test beside this one writes at the same time.
start_bus() {
    home="$work/home"
    mkdir -p "$home" && mkdir -p -m 700 "$home/runtime"
    private=(HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache"
        XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime")
    [ "$wm" != openbox ] || return 0
    eval "$(env "${private[@]}" dbus-launch --sh-syntax)"
    bus_pid="$DBUS_SESSION_BUS_PID"
}

# Sets `reason` and fails when the session does not come up within 10 s a
# step (15 s for the window manager), times the tests' factor.
start_session() {
    : >"$work/display"
    if [ "$wm" = gnome-wayland ]; then
        start_bus
        env "${private[@]}" mutter --wayland --headless --virtual-monitor 1280x800 --sm-disable -- \
            sh -c "echo \"\$DISPLAY \$XAUTHORITY \$\$\" >'$work/display'; exec sleep infinity" \
            >"$work/wm.log" 2>&1 &
        wm_pid=$!
        await "$wm_pid" 150 test -s "$work/display" &&
            read -r DISPLAY XAUTHORITY waiter_pid <"$work/display" &&
            export DISPLAY XAUTHORITY && await "$wm_pid" 150 wm_has_screen && return 0
        reason="mutter did not start its XWayland: $(tail -n 3 "$work/wm.log")"
        return 1
    fi
    # -displayfd picks a free display, so parallel tests never collide;
    # -noreset keeps the server as it is when its last client leaves.
    Xvfb -displayfd 9 -screen 0 1280x800x24 -nolisten tcp -noreset \
        9>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    # Tests that take the X server away kill this one.
    export VH_XVFB_PID="$xvfb_pid"
    if ! await "$xvfb_pid" 100 test -s "$work/display"; then
        reason="Xvfb named no display: $(tail -n 3 "$work/xvfb.log")"
        return 1
    fi
    export DISPLAY=":$(tr -d '\n' <"$work/display")"
    if ! await "$xvfb_pid" 100 answers; then
        reason="Xvfb on $DISPLAY does not answer: $(tail -n 3 "$work/xvfb.log")"
        return 1
    fi
    [ -n "$wm" ] || return 0
    start_bus
    env "${private[@]}" "${wm_command[@]}" >"$work/wm.log" 2>&1 &
    wm_pid=$!
    await "$wm_pid" 150 wm_has_screen && return 0
    reason="$wm did not take the screen of $DISPLAY: $(tail -n 3 "$work/wm.log")"
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
