#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers the keys of src/forms/main/VH_WTK_MAIN.cpp and
# src/forms/about/VH_WTK_ABOUT.cpp.
# The keyboard paths on a real window manager: each key on the strip opens one
# About window and nothing else (the Menu key no context menu of the line),
# Escape closes it and hands the focus back to the strip, where the next key
# finds it, and the options stay as they were.
set -euo pipefail
program="$1"
source "$(dirname "$0")/../../support/x11_checks.sh"

start_strip

visible() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
about_open() { xdotool search --onlyvisible --name '^VH-WREN-TICKER - ABOUT$' >/dev/null 2>&1; }
about_closed() { ! about_open; }

xdotool windowactivate --sync "$strip"
for key in Return space Menu shift+F10 Return; do
    xdotool key "$key"
    within 5000 about_open || { echo "$key: no About window"; exit 1; }
    sleep 0.5
    [ "$(visible)" -eq 2 ] || { echo "$key: $(visible) windows shown, not strip and About"; exit 1; }
    # The window manager may not have handed the new window the focus yet.
    xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^VH-WREN-TICKER - ABOUT$' | head -n1)"
    xdotool key Escape
    within 5000 about_closed || { echo "$key: Escape left the About window open"; exit 1; }
    sleep 0.5
    [ "$(visible)" -eq 1 ] || { echo "$key: $(visible) windows left, not the strip alone"; exit 1; }
done

close_and_wait "$strip" "$pid"
cat "$settings"
grep -q '^AlwaysOnTop_TICKBOX=1$' "$settings" || { echo "Always On Top changed"; exit 1; }
grep -q '^AUTOSTART_TICKBOX=1$' "$settings" || { echo "AutoStart changed"; exit 1; }
grep -q '^ABOUT_Left=' "$settings" || { echo "Escape saved no About position"; exit 1; }
echo "keyboard paths passed on a real window manager"
