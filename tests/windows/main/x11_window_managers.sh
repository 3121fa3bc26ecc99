#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers src/windows/main/ with platform/x11/ (frame hints, Workspaces, ZOrder)
# and ui/Form.cpp.
# The strip under the window manager that with-xvfb.sh started ($VH_WM): a
# frame that offers moving and closing, moved by a drag of its caption, on
# every workspace, above a newly focused window, in front after a second
# start, and closed with its About window open, saving where it was dragged.
set -euo pipefail
program="$1"
other="$2"
source "$(dirname "$0")/../../support/x11_checks.sh"

describe() {
    echo "window manager: $VH_WM"
    xprop -id "$strip" _NET_WM_ALLOWED_ACTIONS _NET_FRAME_EXTENTS _NET_WM_DESKTOP _NET_WM_STATE
    xprop -root _NET_ACTIVE_WINDOW _NET_CLIENT_LIST_STACKING
    cat "$settings" 2>/dev/null || true
}
# Absolute x and y of a window's client area.
place() { xwininfo -id "$strip" | sed -n 's/.*Absolute upper-left [XY]: *//p' | paste -sd' '; }
frame_extents() { xprop -id "$strip" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,; }
framed() { [ -n "$(frame_extents)" ]; }
setting() { sed -n "s/^$1=//p" "$settings"; }

start_strip
within 5000 framed || fail "no frame"
read -r frame_left _ frame_top _ <<<"$(frame_extents)"
[ "$frame_top" -gt 0 ] || fail "a frame without a caption"
for action in MOVE CLOSE; do
    xprop -id "$strip" _NET_WM_ALLOWED_ACTIONS | grep -q "_ACTION_$action\\b" || fail "no $action"
done

# Pressed in the caption's middle: its ends hold the icon and the buttons.
read -r x y <<<"$(place)"
grab_x=$((x + $(xwininfo -id "$strip" | sed -n 's/.*Width: *//p') / 2)) grab_y=$((y - frame_top / 2))
xdotool mousemove "$grab_x" "$grab_y" mousedown 1
for step in $(seq 10); do
    xdotool mousemove $((grab_x + 12 * step)) $((grab_y + 8 * step)) sleep 0.05
done
xdotool mouseup 1
moved() { [ "$(place)" = "$((x + 120)) $((y + 80))" ]; }
within 5000 moved || fail "dragged by 120,80 from $x,$y: at $(place)"

# Another program's window, which lives on the first workspace only: once it
# is hidden, the window manager has carried out the switch. metacity and
# mutter make a new workspace only after the request for it has gone round
# their settings, and ignore a switch to one that is not there yet.
"$other" "other window" &
pids+=($!)
front="$(window_id 'other window')"
wmctrl -n 2
within 5000 root_is _NET_NUMBER_OF_DESKTOPS 2 || fail "no second workspace"
wmctrl -s 1
within 5000 root_is _NET_CURRENT_DESKTOP 1 || fail "did not go to the second workspace"
within 5000 is_hidden "$front" || fail "the other window is shown on the second workspace too"
is_shown "$strip" || fail "not shown on the second workspace"
wmctrl -s 0
within 5000 is_shown "$front" || fail "the other window is not back on the first workspace"

xdotool windowactivate --sync "$front"
within 3000 strip_on_top || fail "not above a newly focused window"

"$program" || fail "the second start failed"
within 5000 is_active "$strip" || fail "a second start did not activate the strip"

[ -n "$(open_about "$strip")" ] || fail "the About window did not open"
close_and_wait "$strip" "$pid"
[ "$(setting MAIN_Left) $(setting MAIN_Top)" = "$(((x + 120 - frame_left) * 15)) $(((y + 80 - frame_top) * 15))" ] ||
    fail "the strip's position was not saved where it was dragged to"
[ -n "$(setting ABOUT_Left)" ] || fail "the About window saved no position"
echo "$VH_WM: frame, drag, every workspace, above, second start, close with About open"
