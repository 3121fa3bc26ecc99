#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers src/forms/common/ (the display and title styles) and the forms'
# own colours on Windows.
# Under the style Qt picks for the Windows version the prefix reports
# (windowsvista as Windows 10, windows11 as Windows 11), in the apps' light
# theme and then in their dark one, each window keeps its designed colours:
# the black uptime line with green text, the green-on-black titles, the live
# window's yellow, pale cyan and light green fields, the pure red display of
# stopped timers. Leaves a picture of each window.
# Usage: wine_look.sh PROGRAM WINDOW_LISTER SHOTS
set -euo pipefail
program="$1" lister="$2"
# One folder of pictures for each Windows version the prefix reports.
shots="$3/${VH_WINDOWS_VERSION:-win10}"
source "$(dirname "$0")/../support/wine_checks.sh"
mkdir -p "$shots"
about='VH-WREN-TICKER - ABOUT'
live='VH-WREN-TICKER - LIVE CALCULATIONS'

for theme in light dark; do
    suffix="${theme/light/}"
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
        /v AppsUseLightTheme /t REG_DWORD /d "$([ "$theme" = light ] && echo 1 || echo 0)" /f >/dev/null
    start "$program"
    eventually shown "$strip" || fail "$theme: the strip did not appear"
    shoot "$strip" "wine-main-strip${suffix:+-$suffix}" 000000 00FF00
    # A second start brings the strip to the front with the keyboard.
    timeout "$((30 * factor))" "$wine_run" "$program" || fail "$theme: the second start ended with status $?"
    eventually foreground "$strip" || fail "$theme: the second start did not raise the strip"
    xdotool key Return
    eventually shown "$about" || fail "$theme: Return opened no About window"
    shoot "$about" "wine-about-window${suffix:+-$suffix}" 000000 00FF00
    # OK has the focus; "Live Calculations" is third after it in the tab order.
    xdotool key Tab Tab Tab space
    eventually shown "$live" || fail "$theme: the live window did not open"
    sleep 1.5
    shoot "$live" "wine-live-calculations${suffix:+-$suffix}" 000000 00FF00 FFFF00 C0FFFF 80FF80
    # The timers run as the window opens, and its button reads "STOP
    # TIMERS". A press that only brought the window forward, or a display
    # slow to turn, would throw a count of presses off: each press toggles,
    # so it presses until the display turns red.
    stopped=""
    for _ in 1 2 3 4; do
        click "$live" 904 248 # the middle of TIMER_BUTTON
        for _ in $(seq $((4 * factor))); do
            shows "$live" "wine-live-calculations-stopped${suffix:+-$suffix}" FF0000 && stopped=1 && break 2
            sleep 0.25
        done
    done
    [ -n "$stopped" ] || fail "$theme: the display did not turn pure red as the timers stopped"
    wine taskkill /IM vh-wren-ticker.exe >/dev/null
    eventually hidden "$strip" || fail "$theme: the strip did not close"
done
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
    /v AppsUseLightTheme /t REG_DWORD /d 1 /f >/dev/null
echo "each window kept its colours in the light and the dark theme; pictures in $shots"
