#!/usr/bin/env bash
# Every request to stop from outside the program's own windows ends it with
# status 0 and keeps the strip's new place: the four stop signals, and the
# window destroyed by another program. Runs under with-xvfb.sh.
set -euo pipefail
# Background jobs keep SIGINT and SIGQUIT, as a program started from a
# terminal does; without job control the shell would have them ignored.
set -m
program="$1"
source "$(dirname "$0")/support/x11_checks.sh"

for ending in TERM INT HUP QUIT windowclose; do
    rm -f "$settings"
    start_strip
    # 300,200 pixels are 4500,3000 twips. Well within the two seconds after
    # which the strip saves a move by itself, so the ending must save it.
    wmctrl -i -r "$strip" -e 0,300,200,-1,-1
    sleep 0.5
    if [ "$ending" = windowclose ]; then
        xdotool windowclose "$strip"
    else
        kill -s "$ending" "$pid"
    fi
    status=0
    timeout 20 tail --pid="$pid" -f /dev/null || fail "$ending: still running"
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "$ending: ended with status $status"
    grep -q '^MAIN_Left=4500$' "$settings" && grep -q '^MAIN_Top=3000$' "$settings" ||
        fail "$ending: position not saved: $(cat "$settings" 2>/dev/null)"
    echo "$ending: status 0, position saved"
done
