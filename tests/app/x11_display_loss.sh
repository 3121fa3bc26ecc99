#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers src/forms/main/StripPositionKeeper.cpp.
# The X server going away ends the program before it can unload, so the strip
# saves a move by itself once it has stood still for two seconds. Runs under
# with-xvfb.sh, which names its X server in VH_XVFB_PID.
set -euo pipefail
program="$1"
source "$(dirname "$0")/../support/x11_checks.sh"

stored() { grep -qs '^MAIN_Left=4500$' "$settings" && grep -qs '^MAIN_Top=3000$' "$settings"; }

start_strip /dev/null
wmctrl -i -r "$strip" -e 0,300,200,-1,-1
within 10000 stored || true
kill -KILL "$VH_XVFB_PID"
timeout "$(scaled 20)" tail --pid="$pid" -f /dev/null || fail "still running without its X server"
stored || fail "position not kept: $(cat "$settings" 2>/dev/null)"
echo "the position moved to was kept when the X server went away"
