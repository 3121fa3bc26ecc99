#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers src/platform/ZOrderAwaitingWindowManager.cpp and
# ZOrderStaysOnTopHint.cpp.
# The keeper on a bare X server, without a window manager to ask: the strip
# says so once on standard error, stays shown and goes on running. Runs under
# with-xvfb.sh --no-window-manager.
set -euo pipefail
program="$1"
source "$(dirname "$0")/../../support/x11_checks.sh"

start_strip "$work/stderr"

said() { grep -c 'Always On Top' "$work/stderr" || true; }
said_at_all() { [ "$(said)" -ge 1 ]; }
# The first tick comes a second after start.
within 5000 said_at_all || true
[ "$(said)" -eq 1 ] || fail "no line on standard error: $(cat "$work/stderr")"
sleep 2.1
[ "$(said)" -eq 1 ] || fail "said more than once: $(cat "$work/stderr")"
grep 'Always On Top' "$work/stderr"

xwininfo -id "$strip" | grep -q 'Map State: IsViewable' || fail "the strip was hidden"
kill -0 "$pid" || fail "the program ended"
echo "keeper without a window manager passed"
