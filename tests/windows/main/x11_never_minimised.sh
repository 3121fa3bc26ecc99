#!/usr/bin/env bash
# The strip on a real window manager can never stay minimised: it has no
# taskbar entry to bring it back. openbox does not offer to maximise it, and
# whether it minimises the strip when asked or together with its About
# window, the strip is back within 1.5 s.
set -euo pipefail
program="$1"
source "$(dirname "$0")/../../support/x11_checks.sh"

describe() {
    xprop -id "$strip" WM_STATE _NET_WM_STATE _NET_WM_ALLOWED_ACTIONS
}

start_strip

actions="$(xprop -id "$strip" _NET_WM_ALLOWED_ACTIONS)"
grep -q '_NET_WM_ACTION_MAXIMIZE' <<<"$actions" && fail "the window manager offers to maximise"

# Minimised, the strip is unmapped. The server queues the event, so a spy
# sees it even when the strip is back before the spy gets to look.
spy="$work/spy"
stdbuf -oL xev -id "$strip" -event structure >"$spy" 2>/dev/null &
pids+=($!)
went_iconic() { grep -q '^UnmapNotify' "$spy"; }
shown_again() { went_iconic && is_shown "$strip"; }

xdotool windowminimize "$strip"
sleep 1.5
is_shown "$strip" || fail "asked to minimise: not shown 1.5 s later"
went_iconic && echo "asked to minimise: minimised and back" || echo "asked to minimise: refused"

# openbox minimises an owned window's owner with it.
about="$(open_about "$strip")"
[ -n "$about" ] || fail "the About window did not open"
xdotool windowminimize "$about"
until_deadline $(($(now_ms) + 2000)) went_iconic || fail "openbox did not minimise the strip with its About window"
minimised_at="$(now_ms)"
until_deadline $((minimised_at + 1500)) shown_again || fail "minimised with the About window: not back after 1.5 s"
echo "minimised with the About window: shown after $(($(now_ms) - minimised_at)) ms"
echo "strip never stays minimised"
