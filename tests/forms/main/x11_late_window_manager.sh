#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers src/platform/ZOrderAwaitingWindowManager.cpp with
# platform/x11/ZOrderX11.cpp.
# A window manager that starts after the program, as one started at login
# can: the strip comes up on a bare X server, openbox follows 2 s later, and
# another program's window then made active and above is put below the strip
# within a few ticks of the keeper once openbox has started. Runs under with-xvfb.sh
# --no-window-manager.
set -euo pipefail
program="$1"
other="$2"
source "$(dirname "$0")/../../support/x11_checks.sh"

describe() {
    describe_strip_and_front
    echo "program's standard error:"
    cat "$work/stderr"
}

XDG_CONFIG_HOME="$work" "$program" 2>"$work/stderr" &
pid=$!
pids+=("$pid")
started_at="$(now_ms)"
"$other" "other window" &
pids+=($!)
strip="$(window_id 'VH-WREN-TICKER:')"
front="$(window_id 'other window')"
[ -n "$strip" ] && [ -n "$front" ] || fail "the windows did not appear"

sleep_until $((started_at + 2000))
HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
# openbox has started once it lists both windows as its own: how long that
# takes is up to openbox and the machine's load, not the program.
manages() { xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -qi "$(printf '0x%x' "$1")"; }
# It takes them over one at a time, in no fixed order.
both_managed() { manages "$front" && manages "$strip"; }
within 10000 both_managed ||
    fail "openbox did not take over the windows: $(cat "$work/openbox.log")"
wm_at="$(now_ms)"

xdotool windowactivate --sync "$front"
# The keeper may take the state away again within milliseconds.
while_stopped "$pid" put_above || fail "the other window never got above"

within 3000 strip_on_top || fail "the strip is not on top $(scaled 3000) ms after the other window went above"
echo "strip on top $(($(now_ms) - wm_at)) ms after openbox started"

said() { grep -c 'window manager' "$work/stderr" || true; }
sleep 1.1
[ "$(said)" -eq 1 ] || fail "the switch was not told exactly once"
grep 'window manager' "$work/stderr"
