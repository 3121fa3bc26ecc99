# SPDX-License-Identifier: MIT
# Checks shared by the window-manager tests, sourced by bash scripts that run
# under tests/support/with-xvfb.sh. Windows are named by their X11 ids.

# A scratch folder, and the processes a test starts in the background (their
# ids added to `pids`), both gone when the test ends.
work="$(mktemp -d)"
pids=()
end_background() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    pids=()
}
trap 'end_background; rm -rf "$work"' EXIT
# The program's settings, in the scratch folder too.
export XDG_CONFIG_HOME="$work"
settings="$work/VH_WTK/vh-wren-ticker.conf"
# And its one-strip lock: a test beside this one may run its strip on an X
# server of the same name (GNOME's XWayland in a namespace of its own).
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Ends the test with its reason, and what the test's own `describe` tells.
fail() {
    echo "FAIL: $*"
    if declare -F describe >/dev/null; then
        describe
    fi
    exit 1
}

now_ms() { date +%s%3N; }

# Every wait below is sized for a quiet machine. A loaded or instrumented run
# raises them all at once through VH_TEST_TIME_FACTOR, a whole number that
# the build sets (tests/CMakeLists.txt), never one wait on its own.
time_factor="${VH_TEST_TIME_FACTOR:-1}"
# Any unit: milliseconds for the waits, seconds for `timeout`.
scaled() { echo $(($1 * time_factor)); }

# Closes a window through the window manager, as the user's close box does,
# and waits for the program (process id $2): it must end with status 0.
close_and_wait() {
    local status=0
    wmctrl -i -c "$1"
    wait "$2" || status=$?
    [ "$status" -eq 0 ] || fail "program ended with status $status"
}

# Retries a check every 50 ms until it holds or the deadline (epoch ms) passes.
until_deadline() {
    local deadline="$1"
    shift
    until "$@"; do
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# Retries a check until it holds, for at most $1 ms (scaled).
within() { until_deadline $(($(now_ms) + $(scaled "$1"))) "${@:2}"; }

sleep_until() {
    local left=$(($1 - $(now_ms)))
    [ "$left" -le 0 ] || sleep "$((left / 1000)).$(printf '%03d' $((left % 1000)))"
}

# The window manager ($VH_WM, from with-xvfb.sh) lists window $1 among its
# clients.
wm_lists() { xprop -root _NET_CLIENT_LIST | grep -qiE "[ ,]$(printf '0x%x' "$1")(,|\$)"; }

# The window manager has taken window $1 on: it lists it among its clients
# and, where it has workspaces, has put it on one. A window is mapped, and so
# visible, a moment before that; a request about it in between, such as
# xdotool's activation, fails.
wm_took() {
    [ "${VH_WM:-none}" = none ] && return 0
    wm_lists "$1" || return 1
    ! xprop -root _NET_SUPPORTED | grep -q '_NET_WM_DESKTOP\b' ||
        xprop -id "$1" _NET_WM_DESKTOP | grep -q ' = '
}

# The first visible client window whose caption is exactly $1, with the
# further conditions of xdotool search that follow (all of them must hold).
# Not a window manager's frame: mutter 48 draws its frames in a client of its
# own, and each frame carries the caption of the window it frames.
first_client() {
    local id
    for id in $(xdotool search --all --onlyvisible "${@:2}" --name "^$1\$" 2>/dev/null); do
        if [ "${VH_WM:-none}" = none ] || wm_lists "$id"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# The first visible client window whose caption is exactly $1 (xdotool
# search conditions may follow), once the window manager has taken it on;
# waits for it at most $wait_ms (scaled), 10 s unless the caller sets it.
window_id() {
    local id
    id="$(within "${wait_ms:-10000}" first_client "$@")" || true
    [ -z "$id" ] || within 5000 wm_took "$id" || true
    echo "$id"
}

# Where the window manager has put the frame of window $1: "x y".
frame_place() {
    local x y left top
    read -r x y < <(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left [XY]: *//p' | paste -sd' ')
    read -r left _ top _ < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)
    echo "$((x - ${left:-0})) $((y - ${top:-0}))"
}
frame_is() { [ "$(frame_place "$1")" = "$2 $3" ]; }
# Moves the frame of window $1 to $2,$3 as another program would, and waits
# until the window manager has done it: some apply a move only later.
move_frame() { wmctrl -i -r "$1" -e "0,$2,$3,-1,-1" && within 5000 frame_is "$@"; }

# A window property of the root (the last value of a list).
root_window() { xprop -root "$1" | sed 's/.*[ ,#]//'; }
# A check to retry: the property is read afresh each time.
root_is() { [ "$(root_window "$1")" = "$2" ]; }

# The window of $1 that is a child of the root: its frame, or itself.
top_level() {
    local id="$1" tree
    while tree="$(xwininfo -id "$id" -children)" && ! grep -q 'Parent window id: .*(the root window)' <<<"$tree"; do
        id="$(sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p' <<<"$tree")"
    done
    echo "$id"
}

# Window $1 lies above window $2 on screen: by the X server's own order,
# which xwininfo lists from the top. The stacking lists of icewm and fluxbox
# can disagree with it.
stacked_above() {
    local order upper lower
    order="$(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p')"
    upper="$(grep -nx "$(top_level "$1")" <<<"$order" | cut -d: -f1)"
    lower="$(grep -nx "$(top_level "$2")" <<<"$order" | cut -d: -f1)"
    [ -n "$upper" ] && [ -n "$lower" ] && [ "$upper" -lt "$lower" ]
}

is_topmost() { [ "$(($(root_window _NET_CLIENT_LIST_STACKING)))" -eq "$(($1))" ]; }
# xfwm4 lists a second window after the active one.
is_active() { [ "$(($(xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# //; s/,.*//')))" -eq "$(($1))" ]; }
is_above() { xprop -id "$1" _NET_WM_STATE | grep -q '_NET_WM_STATE_ABOVE'; }
not_above() { ! is_above "$1"; }

# Runs a command while process $1 is stopped, so that what the command sees
# another program do cannot be undone by the program first; a spy such as
# `xprop -spy` reads before it listens and can miss a quick change.
while_stopped() {
    local pid="$1" status=0
    shift
    kill -STOP "$pid"
    "$@" || status=$?
    kill -CONT "$pid"
    return "$status"
}

# The keeper's tests: the strip ($strip) against another program's window
# ($front) that was made active and above.
strip_on_top() { not_above "$front" && is_above "$strip" && is_topmost "$strip"; }
# Puts the other window above, as its user may, once the window manager says so.
put_above() { wmctrl -i -r "$front" -b add,above && within 5000 is_above "$front"; }
describe_strip_and_front() {
    echo "strip: $(xprop -id "$strip" _NET_WM_STATE)"
    echo "other: $(xprop -id "$front" _NET_WM_STATE)"
    xprop -root _NET_ACTIVE_WINDOW _NET_CLIENT_LIST_STACKING
}

# Mapped, in the Normal state and not hidden by the window manager.
is_shown() {
    xwininfo -id "$1" | grep -q 'Map State: IsViewable' &&
        xprop -id "$1" WM_STATE | grep -q 'window state: Normal' &&
        ! xprop -id "$1" _NET_WM_STATE | grep -q '_NET_WM_STATE_HIDDEN'
}

# Not shown, or gone.
is_hidden() { ! is_shown "$1" 2>/dev/null; }

# Voluntary context switches of all threads of process $1 so far.
wakeups() { cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches:/ { n += $2 } END { print n }'; }

# Closes window $1 through the window manager and waits until it is gone.
close_box() { wmctrl -i -c "$1" && within 5000 is_hidden "$1"; }

# Clicks "Live Calculations" in About window $1, which opens that window.
open_live() {
    xdotool mousemove --window "$1" 88 96 click 1 && window_id 'VH-WREN-TICKER - LIVE CALCULATIONS'
}

# Double-clicks the strip's display field, which opens the About window.
open_about() {
    xdotool mousemove --window "$1" 100 10 click --repeat 2 --delay 80 1
    window_id 'VH-WREN-TICKER - ABOUT'
}

# Starts the program ($program) in the background, its standard error into the
# file $1 when one is named, and waits for its strip: `pid` and `strip`.
start_strip() {
    if [ -n "${1:-}" ]; then
        "$program" 2>"$1" &
    else
        "$program" &
    fi
    pid=$!
    pids+=("$pid")
    strip="$(wait_ms=20000 window_id 'VH-WREN-TICKER:' --pid "$pid")"
    [ -n "$strip" ] || fail "the strip did not appear"
    within 5000 wm_took "$strip" || fail "$VH_WM did not take the strip on"
}
