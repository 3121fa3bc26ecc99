#!/usr/bin/env bash
# The always-on-top keeper on a real window manager: another program's window,
# active and itself above the others, loses that place to the strip within a
# tick and a half; with the option stored off it keeps it.
set -euo pipefail
program="$1"
other="$2"
source "$(dirname "$0")/../../support/x11_checks.sh"

describe() {
    describe_strip_and_front
}

geometry() { xwininfo -id "$1" | grep -E 'Absolute|Width|Height'; }
other_on_top() { is_above "$front" && is_topmost "$front" && is_active "$front"; }
was_above() { grep -q '_NET_WM_STATE_ABOVE' "$spy"; }

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
    pids+=($!)
    strip="$(window_id 'VH-WREN-TICKER:')"
    [ -n "$strip" ] || fail "$name: the strip did not appear"

    "$other" "other window $name" &
    pids+=($!)
    front="$(window_id "other window $name")"
    [ -n "$front" ] || fail "$name: the other window did not appear"
    placed="$(geometry "$strip")"

    # The state may be taken away again within milliseconds; a spy sees it
    # come even then.
    spy="$config/spy"
    stdbuf -oL xprop -spy -id "$front" _NET_WM_STATE >"$spy" 2>/dev/null &
    pids+=($!)
    xdotool windowactivate --sync "$front"
    wmctrl -i -r "$front" -b add,above
    until_deadline $(($(now_ms) + 2000)) was_above || fail "$name: the other window never got above"
    set_at="$(now_ms)"
}

scene on ""
until_deadline $((set_at + 1500)) strip_on_top ||
    fail "option on: the strip is not on top 1.5 s after the other window went above"
echo "option on: strip on top after $(($(now_ms) - set_at)) ms"
is_active "$front" || fail "option on: the strip took the foreground"
[ "$(geometry "$strip")" = "$placed" ] || fail "option on: the strip moved or changed size"
# It stays there while the other window keeps the foreground.
sleep 1.1
strip_on_top || fail "option on: the strip lost its place at a later tick"
grep -q 'Always On Top' "$errors" && fail "option on: fell back: $(cat "$errors")"
end_background

scene off 0
until_deadline $((set_at + 1500)) other_on_top || fail "option off: the scene did not settle"
# Two ticks would have come by now.
sleep 2.1
other_on_top || fail "option off: the other window lost its place"
not_above "$strip" || fail "option off: the strip was put above"
echo "option off: other window left on top"
end_background
echo "always-on-top keeper passed on a real window manager"
