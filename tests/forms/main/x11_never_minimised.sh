#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers src/platform/NeverMinimised.cpp with
# platform/x11/MinimiseWatchX11.cpp.
# The strip on a real window manager can never stay minimised: it has no
# taskbar entry to bring it back. openbox does not offer to maximise it, and
# whether it minimises the strip when asked or together with its About
# window, the strip is back at once.
set -euo pipefail
program="$1"
source "$(dirname "$0")/../../support/x11_checks.sh"

describe() {
    xprop -id "$strip" WM_STATE _NET_WM_STATE _NET_WM_ALLOWED_ACTIONS
}

start_strip

actions="$(xprop -id "$strip" _NET_WM_ALLOWED_ACTIONS)"
grep -q '_NET_WM_ACTION_MAXIMIZE' <<<"$actions" && fail "the window manager offers to maximise"

# Minimised, the strip leaves the Normal state; the program, held still
# meanwhile, cannot show itself again before the check has seen that.
minimise() { xdotool windowminimize "$1" && within "$2" is_hidden "$strip"; }

# openbox minimises an owned window's owner with it. First, as a strip just
# back from a minimise takes a moment before a double-click opens About.
about="$(open_about "$strip")"
[ -n "$about" ] || fail "the About window did not open"
while_stopped "$pid" minimise "$about" 5000 || fail "openbox did not minimise the strip with its About window"
minimised_at="$(now_ms)"
within 1500 is_shown "$strip" || fail "minimised with the About window: not back after $(scaled 1500) ms"
echo "minimised with the About window: shown after $(($(now_ms) - minimised_at)) ms"
close_box "$about" || fail "the About window did not close"

# A refusal shows as nothing at all, so it takes the whole wait to tell.
if while_stopped "$pid" minimise "$strip" 2000; then
    within 1500 is_shown "$strip" || fail "asked to minimise: not back after $(scaled 1500) ms"
    echo "asked to minimise: minimised and back"
else
    is_shown "$strip" || fail "asked to minimise: not shown, although never minimised"
    echo "asked to minimise: refused"
fi
echo "strip never stays minimised"
