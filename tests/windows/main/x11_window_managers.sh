#!/usr/bin/env bash
# The strip under the window manager that with-xvfb.sh started ($VH_WM): its
# frame offers moving and closing, a drag of its caption moves it, it shows
# on every workspace, stays above a newly focused window, comes to the front
# when started again, and closes with its About window open, saving where it
# was dragged to.
set -euo pipefail
program="$1"
other="$2"
source "$(dirname "$0")/../../support/x11_checks.sh"

describe() {
    echo "window manager: $VH_WM"
    xprop -id "$strip" _NET_WM_ALLOWED_ACTIONS _NET_FRAME_EXTENTS _NET_WM_DESKTOP
    [ -z "${front:-}" ] || describe_strip_and_front
    cat "$work/stderr" "$work/VH_WTK/vh-wren-ticker.conf" 2>/dev/null || true
}

# Absolute x and y of a window's client area.
place() { xwininfo -id "$1" | sed -n 's/.*Absolute upper-left [XY]: *//p' | paste -sd' '; }
frame_extents() { xprop -id "$strip" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,; }
setting() { sed -n "s/^$1=//p" "$work/VH_WTK/vh-wren-ticker.conf" 2>/dev/null; }

XDG_CONFIG_HOME="$work" "$program" 2>"$work/stderr" &
pid=$!
pids+=("$pid")
strip="$(window_id 'VH-WREN-TICKER:')"
[ -n "$strip" ] || fail "the strip did not appear"

until_deadline $(($(now_ms) + 3000)) test -n "$(frame_extents)" || fail "no frame"
read -r frame_left _ frame_top _ <<<"$(frame_extents)"
[ "$frame_top" -gt 0 ] || fail "a frame without a caption"
actions="$(xprop -id "$strip" _NET_WM_ALLOWED_ACTIONS)"
for action in MOVE CLOSE; do
    grep -q "_NET_WM_ACTION_$action\\b" <<<"$actions" || fail "$VH_WM does not offer $action"
done
echo "$VH_WM: frame with caption, offers move and close"

# Press in the caption's middle (its ends hold the icon and buttons), drag.
read -r x y <<<"$(place "$strip")"
width="$(xwininfo -id "$strip" | sed -n 's/.*Width: *//p')"
grab_x=$((x + width / 2)) grab_y=$((y - frame_top / 2))
xdotool mousemove "$grab_x" "$grab_y" mousedown 1
for step in $(seq 10); do
    xdotool mousemove $((grab_x + 12 * step)) $((grab_y + 8 * step))
    sleep 0.05
done
xdotool mouseup 1
moved() { [ "$(place "$strip")" = "$((x + 120)) $((y + 80))" ]; }
until_deadline $(($(now_ms) + 2000)) moved || fail "dragged by 120,80: at $(place "$strip"), was $x $y"
echo "$VH_WM: dragged by its caption"

# Another workspace shows the strip too.
wmctrl -n 2 && sleep 0.3
wmctrl -s 1
until_deadline $(($(now_ms) + 2000)) test "$(root_window _NET_CURRENT_DESKTOP)" = 1 ||
    fail "could not switch to the second workspace"
sleep 0.3
is_shown "$strip" || fail "not shown on the second workspace"
wmctrl -s 0
echo "$VH_WM: on every workspace"

# Another program's window, newly focused, goes below the strip.
"$other" "other window" &
pids+=($!)
front="$(window_id 'other window')"
[ -n "$front" ] || fail "the other window did not appear"
xdotool windowactivate --sync "$front"
until_deadline $(($(now_ms) + 2500)) strip_on_top || fail "the strip is not above the newly focused window"
echo "$VH_WM: stays above a newly focused window"

# A second start hands the strip the focus, past focus-stealing prevention.
XDG_CONFIG_HOME="$work" "$program" || fail "the second start failed"
until_deadline $(($(now_ms) + 2000)) is_active "$strip" || fail "a second start did not activate the strip"
echo "$VH_WM: a second start brings the strip to the front"

about="$(open_about "$strip")"
[ -n "$about" ] || fail "the About window did not open"
close_and_wait "$strip" "$pid"
[ "$(setting MAIN_Left)" = "$(((x + 120 - frame_left) * 15))" ] ||
    fail "MAIN_Left $(setting MAIN_Left), not where the strip was dragged to"
[ "$(setting MAIN_Top)" = "$(((y + 80 - frame_top) * 15))" ] ||
    fail "MAIN_Top $(setting MAIN_Top), not where the strip was dragged to"
[ -n "$(setting ABOUT_Left)" ] || fail "the About window saved no position"
echo "$VH_WM: closed with the About window open, both positions saved"
