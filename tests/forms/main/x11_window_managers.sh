#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers src/forms/main/ with platform/x11/ (FixedSize, frame hints,
# Workspaces, ZOrder) and ui/Form.cpp.
# The strip under the desktop that with-xvfb.sh started ($VH_WM), one row of
# the table each: its own size, a frame that offers moving and closing,
# moved, on every workspace, above a newly focused window that keeps the
# keyboard, in front after a second start, and closed with its About window
# open, saving where it was moved to. What a desktop does not offer, the row
# says, and checks what it does instead.
set -euo pipefail
program="$1"
other="$2"
source "$(dirname "$0")/../../support/x11_checks.sh"

describe() {
    echo "window manager: $VH_WM"
    xwininfo -id "$strip" | grep -E 'Absolute|Width|Height' || true
    xprop -id "$strip" _NET_WM_ALLOWED_ACTIONS _NET_FRAME_EXTENTS _NET_WM_DESKTOP _NET_WM_STATE
    xprop -root _NET_ACTIVE_WINDOW _NET_CLIENT_LIST_STACKING
    cat "$settings" 2>/dev/null || true
}
skipped() { echo "$VH_WM: not checked: $*"; }
setting() { sed -n "s/^$1=//p" "$settings"; }

# What each desktop offers: a frame with extents, a drag by its caption
# that reaches the window manager, an "above" state, workspaces set through
# EWMH requests. In front is by the X server's own order.
frame=yes drag=yes above=yes workspaces=ewmh
case "$VH_WM" in
i3)
    frame="i3 sets no frame extents; it draws its title bar on a container of its own"
    above="i3 has no above state; a floating window stays over the tiled ones"
    workspaces=i3
    ;;
gnome-wayland) drag="XWayland passes synthetic pointer input to X clients, not to mutter's frames" ;;
esac
[ "$above" = yes ] || skipped "$above"

start_strip
size() { xwininfo -id "$strip" | sed -n 's/.*\(Width\|Height\): *//p' | paste -sd x; }
[ "$(size)" = 187x22 ] || fail "the client area is $(size), not 187x22"

frame_top=0
if [ "$frame" = yes ]; then
    frame_extents() { xprop -id "$strip" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,; }
    framed() { [ -n "$(frame_extents)" ]; }
    within 5000 framed || fail "no frame"
    read -r _ _ frame_top _ <<<"$(frame_extents)"
    [ "$frame_top" -gt 0 ] || fail "a frame without a caption"
    for action in MOVE CLOSE; do
        xprop -id "$strip" _NET_WM_ALLOWED_ACTIONS | grep -q "_ACTION_$action\\b" || fail "no $action"
    done
else
    skipped "$frame"
fi

read -r x y <<<"$(frame_place "$strip")"
if [ "$drag" = yes ] && [ "$frame" = yes ]; then
    # Pressed in the caption's middle: its ends hold the icon and the buttons.
    grab_x=$((x + 187 / 2)) grab_y=$((y + frame_top / 2))
    xdotool mousemove "$grab_x" "$grab_y" mousedown 1
    for step in $(seq 10); do
        xdotool mousemove $((grab_x + 12 * step)) $((grab_y + 8 * step)) sleep 0.05
    done
    xdotool mouseup 1
    # Where the frame ends up, the save below checks: fluxbox starts the move
    # only at the first motion, and lags the pointer by that step.
    moved() { [ "$(frame_place "$strip")" != "$x $y" ]; }
    within 5000 moved || fail "a drag by the caption did not move it from $x,$y"
else
    [ "$drag" = yes ] || skipped "$drag; moved by request"
    move_frame "$strip" $((x + 120)) $((y + 80)) || fail "moved to $((x + 120)),$((y + 80)): at $(frame_place "$strip")"
fi
[ "$(size)" = 187x22 ] || fail "moved, the client area is $(size), not 187x22"

# Another program's window, which lives on the first workspace only: once it
# is hidden, the window manager has carried out the switch. metacity and
# mutter make a new workspace only after the request for it has gone round
# their settings, and ignore a switch to one that is not there yet.
"$other" "other window" &
pids+=($!)
front="$(window_id 'other window')"
to_workspace() {
    if [ "$workspaces" = i3 ]; then
        i3-msg -q workspace $(($1 + 1))
    else
        wmctrl -s "$1"
    fi
}
if [ "$workspaces" = ewmh ] && [ "$(root_window _NET_NUMBER_OF_DESKTOPS)" -lt 2 ]; then
    wmctrl -n 2
    within 5000 root_is _NET_NUMBER_OF_DESKTOPS 2 || fail "no second workspace"
fi
to_workspace 1
within 5000 root_is _NET_CURRENT_DESKTOP 1 || fail "did not go to the second workspace"
within 5000 is_hidden "$front" || fail "the other window is shown on the second workspace too"
is_shown "$strip" || fail "not shown on the second workspace"
to_workspace 0
within 5000 is_shown "$front" || fail "the other window is not back on the first workspace"

in_front() { stacked_above "$strip" "$front" && { [ "$above" != yes ] || { is_above "$strip" && not_above "$front"; }; }; }
xdotool windowactivate --sync "$front"
within 3000 in_front || fail "not above a newly focused window"
is_active "$front" || fail "the newly focused window lost the keyboard to the strip"

"$program" || fail "the second start failed"
within 5000 is_active "$strip" || fail "a second start did not activate the strip"

if [ "$frame" = yes ]; then
    read -r x y <<<"$(frame_place "$strip")"
else
    # Where Qt finds the frame without extents: the top-level window around it.
    read -r x y < <(xwininfo -id "$(top_level "$strip")" | sed -n 's/.*Absolute upper-left [XY]: *//p' | paste -sd' ')
fi
[ -n "$(open_about "$strip")" ] || fail "the About window did not open"
close_and_wait "$strip" "$pid"
[ "$(setting MAIN_Left) $(setting MAIN_Top)" = "$((x * 15)) $((y * 15))" ] ||
    fail "the strip's position was not saved where it was moved to, $x,$y"
[ -n "$(setting ABOUT_Left)" ] || fail "the About window saved no position"
echo "$VH_WM: every check that this desktop offers passed"
