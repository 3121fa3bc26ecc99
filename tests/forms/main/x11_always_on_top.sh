#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers the keeper of src/forms/main/VH_WTK_MAIN.cpp with
# platform/x11/ZOrderX11.cpp.
# The always-on-top keeper on a real window manager: another program's window,
# active and itself above the others, loses that place to the strip at one of
# the keeper's next ticks; with the option stored off it keeps it. When the
# keeper ticks, and how it treats each window, its offscreen test checks.
set -euo pipefail
program="$1"
other="$2"
source "$(dirname "$0")/../../support/x11_checks.sh"

describe() {
    describe_strip_and_front
}

geometry() { xwininfo -id "$1" | grep -E 'Absolute|Width|Height'; }
other_on_top() { is_above "$front" && is_topmost "$front" && is_active "$front"; }

# Starts the strip with the given stored option (empty: none stored) and
# another program's window, then makes that window active and above.
scene() {
    local name="$1" option="$2"
    local config="$work/$name"
    mkdir -p "$config/VH_WTK"
    if [ -n "$option" ]; then
        printf '[General]\nAlwaysOnTop_TICKBOX=%s\n' "$option" >"$config/VH_WTK/vh-wren-ticker.conf"
    fi
    errors="$config/stderr"
    XDG_CONFIG_HOME="$config" "$program" 2>"$errors" &
    pid=$!
    pids+=("$pid")
    strip="$(window_id 'VH-WREN-TICKER:')"
    [ -n "$strip" ] || fail "$name: the strip did not appear"

    "$other" "other window $name" &
    pids+=($!)
    front="$(window_id "other window $name")"
    [ -n "$front" ] || fail "$name: the other window did not appear"
    placed="$(geometry "$strip")"

    xdotool windowactivate --sync "$front"
    # The keeper may take the state away again within milliseconds.
    while_stopped "$pid" put_above || fail "$name: the other window never got above"
    set_at="$(now_ms)"
}

scene on ""
within 3000 strip_on_top ||
    fail "option on: the strip is not on top $(scaled 3000) ms after the other window went above"
echo "option on: strip on top after $(($(now_ms) - set_at)) ms"
is_active "$front" || fail "option on: the strip took the foreground"
[ "$(geometry "$strip")" = "$placed" ] || fail "option on: the strip moved or changed size"
# It stays there while the other window keeps the foreground.
sleep 1.1
strip_on_top || fail "option on: the strip lost its place at a later tick"
grep -q 'Always On Top' "$errors" && fail "option on: fell back: $(cat "$errors")"
end_background

scene off 0
within 3000 other_on_top || fail "option off: the scene did not settle"
# Two ticks would have come by now.
sleep 2.1
other_on_top || fail "option off: the other window lost its place"
not_above "$strip" || fail "option off: the strip was put above"
echo "option off: other window left on top"
end_background
echo "always-on-top keeper passed on a real window manager"
