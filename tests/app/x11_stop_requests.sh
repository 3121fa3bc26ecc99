#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers src/app/ProgramEnding.cpp with platform/StopRequests.h, WindowLoss.h
# and BlockedClose.h.
# Every request to stop from outside the program's own windows ends it with
# status 0 and keeps the strip's new place: the four stop signals, and the
# window destroyed by another program, also while a message is showing. An
# owned window destroyed by another program goes as if closed, and leaves
# every window usable. Runs under with-xvfb.sh.
set -euo pipefail
# Background jobs keep SIGINT and SIGQUIT, as a program started from a
# terminal does; without job control the shell would have them ignored.
set -m
program="$1"
source "$(dirname "$0")/../support/x11_checks.sh"

for ending in TERM INT HUP QUIT windowclose; do
    rm -f "$settings"
    start_strip
    # 300,200 pixels are 4500,3000 twips. Well within the two seconds after
    # which the strip saves a move by itself, so the ending must save it. A
    # signal is not ordered with the window manager's notice of the move, so
    # the program gets a moment to read that.
    move_frame "$strip" 300 200 || fail "$ending: not moved to 300,200: at $(frame_place "$strip")"
    sleep 0.3
    if [ "$ending" = windowclose ]; then
        xdotool windowclose "$strip"
    else
        kill -s "$ending" "$pid"
    fi
    status=0
    timeout "$(scaled 20)" tail --pid="$pid" -f /dev/null || fail "$ending: still running"
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "$ending: ended with status $status"
    grep -q '^MAIN_Left=4500$' "$settings" && grep -q '^MAIN_Top=3000$' "$settings" ||
        fail "$ending: position not saved: $(cat "$settings" 2>/dev/null)"
    echo "$ending: status 0, position saved"
done

# An owned window destroyed from outside, as xkill does, unloads with its
# saves; every window then opens and closes again, and the pacing drops back.
for lost in ABOUT LIVE_CALCS; do
    "$program" &
    pids+=("$!")
    strip="$(window_id 'VH-WREN-TICKER:')"
    about="$(open_about "$strip")"
    [ "$lost" = ABOUT ] && target="$about" || target="$(open_live "$about")"
    xdotool windowclose "$target"
    within 5000 grep -q "^${lost}_Left=" "$settings" || fail "$lost: not saved"
    [ "$lost" = LIVE_CALCS ] || about="$(open_about "$strip")"
    live="$(open_live "$about")"
    close_box "$live" && close_box "$about" || fail "$lost: a window did not open and close again"
    sleep 2 && before="$(wakeups "$!")" && sleep 3
    rate=$((($(wakeups "$!") - before) / 3))
    [ "$rate" -lt 5 ] || fail "$lost: $rate wake-ups a second with only the strip open"
    kill -TERM "$!" && wait "$!" || fail "$lost: ended with status $?"
    rm "$settings"
done

# A folder in the settings file's place refuses every save, whoever runs the
# test, so closing the strip shows a message; a stop must not wait on it.
mkdir -p "$settings"
"$program" 2>"$work/stderr" &
pids+=("$!")
wmctrl -i -c "$(window_id 'VH-WREN-TICKER:')"
[ -n "$(window_id 'VH-WREN-TICKER')" ] || fail "no message that the settings were not saved"
kill -TERM "$!"
timeout "$(scaled 2)" tail --pid="$!" -f /dev/null ||
    fail "still running $(scaled 2) s after SIGTERM, message showing"
grep -q 'could not be written: ".*" is a directory' "$work/stderr" || fail "no message on stderr"
echo "a message gives way to a stop; owned windows destroyed from outside leave all usable"
