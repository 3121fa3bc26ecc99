#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers src/app/SingleInstance.cpp with platform/InstanceChannel.h and
# SessionGuard.h.
# One strip per user, display and executable name. A second start hands over
# to the running strip, which comes to the front, and ends with status 0; a
# renamed copy runs a strip of its own; a lock left by a killed strip does
# not stop the next start. The strip's window class is the one its desktop
# entry names.
set -euo pipefail
program="$1"
other="$2"
desktop_entry="$3"

source "$(dirname "$0")/../support/x11_checks.sh"

describe() { xprop -root _NET_ACTIVE_WINDOW _NET_CLIENT_LIST_STACKING; }
strips() { xdotool search --onlyvisible --name '^VH-WREN-TICKER:$' 2>/dev/null || true; }
eventually() { within 5000 "$@"; }
strip_count_is() { [ "$(strips | wc -l)" = "$1" ]; }
# The next start, which must hand over and end by itself with status 0.
hand_over() {
    local status=0
    timeout "$(scaled 20)" "$1" || status=$?
    [ "$status" = 0 ] || fail "second start of $1 ended with status $status"
}

start_strip
first="$pid"

class="$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")"
xprop -id "$strip" WM_CLASS | grep -q ", \"$class\"\$" ||
    fail "window class $(xprop -id "$strip" WM_CLASS) does not match StartupWMClass=$class"

"$other" "Another program" &
pids+=("$!")
front="$(window_id 'Another program')"
eventually is_active "$front" || fail "the other window never became active"

# A strip that has run for an hour still holds its lock: age alone never
# makes a lock stale while its process lives.
touch -d '1 hour ago' "$XDG_RUNTIME_DIR"/example.voltharbor.VhWrenTicker/vh-wren-ticker_*.lock
hand_over "$program"
eventually is_active "$strip" || fail "the running strip was not brought to the front"
strip_count_is 1 || fail "a second strip appeared"
kill -0 "$first" || fail "the first strip ended"

# A renamed copy is a program of its own, with settings of its own.
cp "$program" "$work/vh-wren-ticker-copy"
"$work/vh-wren-ticker-copy" &
pids+=("$!")
eventually strip_count_is 2 || fail "the renamed copy did not start a strip of its own"

# Killed, the first strip leaves its lock file behind.
kill -KILL "$first"
wait "$first" 2>/dev/null || true
ls "$XDG_RUNTIME_DIR"/example.voltharbor.VhWrenTicker/vh-wren-ticker_*.lock >/dev/null ||
    fail "no lock file was left behind to test with"
eventually strip_count_is 1 || fail "the killed strip's window stayed"

"$program" &
third=$!
pids+=("$third")
eventually strip_count_is 2 || fail "the stale lock stopped a new strip from starting"
kill -0 "$third" || fail "the start after the killed one ended"
hand_over "$program"
strip_count_is 2 || fail "a third strip appeared"
echo "one strip per executable name; the stale lock was taken over"

# The same display however DISPLAY spells it: here with the protocol and
# the screen, which every libxcb opens ("unix:N" no longer from 1.17 on).
DISPLAY="unix/$DISPLAY.0" hand_over "$program"

# A lock that names no process, as a crash between making and filling it
# leaves one, is taken over with one line.
lock="$(ls "$XDG_RUNTIME_DIR"/example.voltharbor.VhWrenTicker/vh-wren-ticker_*.lock)"
kill "$third"
for make in ': >' 'echo garbage >' 'mkdir'; do
    eventually strip_count_is 1 || fail "the strip did not end"
    rm -rf "$lock" && eval "$make \"\$lock\""
    "$program" 2>"$work/stderr" &
    pids+=("$!")
    eventually strip_count_is 2 || fail "the lock made by '$make' stopped the start"
    [ "$(grep -c 'took over the lock' "$work/stderr")" = 1 ] || fail "$make: $(cat "$work/stderr")"
    kill "$!"
done

# A name that would push the socket's path past 108 bytes, and a runtime
# folder refused to Qt (unset, and its stand-in not a folder): the guard works
# in a private folder in the user's cache folder.
long="$work/vh-wren-ticker-with-a-name-long-enough-to-pass-the-socket-limit"
cp "$program" "$long"
unset XDG_RUNTIME_DIR
export TMPDIR="$work/tmp" XDG_CACHE_HOME="$work/cache"
mkdir "$TMPDIR" && touch "$TMPDIR/runtime-$(id -un)"
eventually strip_count_is 1 || fail "the strip did not end"
"$long" &
pids+=("$!")
eventually strip_count_is 2 || fail "the long-named copy did not start"
hand_over "$long"
[ "$(stat -c %a "$XDG_CACHE_HOME"/*)" = 700 ] || fail "no private guard folder in the cache"
echo "DISPLAY=unix/:N.0, unreadable locks, a long name and a refused runtime folder"
