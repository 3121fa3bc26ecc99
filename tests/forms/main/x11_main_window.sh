#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers src/forms/main/VH_WTK_MAIN.cpp with platform/TaskbarHint.h.
# The strip on a real window manager: no taskbar entry, its caption, a
# screenshot, and closing through the window manager saving its position.
set -euo pipefail
program="$1"
grab="$2"
screenshot="$3"
source "$(dirname "$0")/../../support/x11_checks.sh"

start_strip
wid="$strip"

xprop -id "$wid" _NET_WM_NAME | grep -q '= "VH-WREN-TICKER:"' ||
    { echo "caption wrong: $(xprop -id "$wid" _NET_WM_NAME)"; exit 1; }
xprop -id "$wid" _NET_WM_STATE | grep -q '_NET_WM_STATE_SKIP_TASKBAR' ||
    { echo "taskbar entry not suppressed: $(xprop -id "$wid" _NET_WM_STATE)"; exit 1; }

# Let a few seconds tick so the picture shows a real uptime line.
sleep 2
mkdir -p "$(dirname "$screenshot")"
"$grab" "$wid" "$screenshot"

move_frame "$wid" 300 200 || fail "not moved to 300,200: at $(frame_place "$wid")"
close_and_wait "$wid" "$pid"

cat "$settings"
grep -q '^MAIN_Left=4500$' "$settings" || { echo "MAIN_Left not saved as 4500"; exit 1; }
grep -q '^MAIN_Top=3000$' "$settings" || { echo "MAIN_Top not saved as 3000"; exit 1; }
echo "strip passed on a real window manager"
