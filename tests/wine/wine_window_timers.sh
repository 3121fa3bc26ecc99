#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers src/platform/windows/WakeTimerWindows.cpp and src/ui/TimerService.cpp
# on Windows.
# The program under Wine runs on window timers only: with every call into
# winmm traced, the strip alone for 30 s, then with the live calculations
# window open for 10 s, makes no timeSetEvent and no timeBeginPeriod call,
# either of which would hold the system at a 1 ms timer resolution. The line
# still turns just after each whole second of the tick counter, and the live
# window still copies the values many times a second.
# Usage: wine_window_timers.sh PROGRAM WINDOW_LISTER
set -euo pipefail
program="$1" lister="$2"
source "$(dirname "$0")/../support/wine_checks.sh"

# Wine's relay trace of winmm alone sees every call into it; its mmtime
# channel leaves out timeBeginPeriod(1) from Wine 10 on. A program that makes
# both calls shows that the trace sees them.
wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /d 'winmm.*' /f >/dev/null
multimedia_calls() { grep -E 'Call winmm\.time(SetEvent|BeginPeriod)\(' "$1" || true; }
WINEDEBUG=+relay "$wine_run" "$lister" --multimedia-timer 2>"$work/control"
[ "$(multimedia_calls "$work/control" | grep -c .)" = 2 ] ||
    fail "the trace missed the control's calls: $(grep -c . "$work/control") lines traced"

WINEDEBUG=+relay "$wine_run" "$program" 2>"$work/trace" &
eventually shown "$strip" || fail "the strip did not appear"
# Ten seconds of turns, in the strip's first half minute alone.
"$wine_run" "$lister" --turns "$strip" 10 | tr -d '\r' >"$work/turns"
sleep 20

# A second start brings the strip to the front with the keyboard: Return
# opens About, whose fourth control in the tab order opens the live window.
timeout "$((30 * factor))" "$wine_run" "$program" || fail "the second start ended with status $?"
eventually foreground "$strip" || fail "the second start did not raise the strip"
xdotool key Return
eventually shown 'VH-WREN-TICKER - ABOUT' || fail "Return opened no About window"
xdotool key Tab Tab Tab space
eventually shown 'VH-WREN-TICKER - LIVE CALCULATIONS' || fail "the live window did not open"
# It copies the values about 31 times a second, on window timers too; the
# pace itself is scripts/benchmark.sh's to measure. A loaded machine slows
# it, so this only tells it from the once-a-second pace of the strip alone.
"$wine_run" "$lister" --turns 'VH-WREN-TICKER - LIVE CALCULATIONS' 5 | tr -d '\r' >"$work/live"
copies="$(grep -c . "$work/live" || true)"
[ "$copies" -gt 50 ] || fail "the live window showed $copies copies in 5 s"
sleep 5

calls="$(multimedia_calls "$work/trace")"
[ -z "$calls" ] || fail "multimedia timer calls: $(grep -c . <<<"$calls"); the first: $(head -n 3 <<<"$calls")"

# Each turn comes within a few system ticks of its second: the timer fires
# at the first tick after it is due, then the line is painted and copied.
count="$(grep -c . "$work/turns" || true)"
[ "$count" -ge 8 ] || fail "$count turns in 10 s: $(tr '\n' ' ' <"$work/turns")"
late="$(sort -n "$work/turns" | tail -n 1)"
[ "$late" -lt $((60 * factor)) ] || fail "a turn $late ms after its second: $(tr '\n' ' ' <"$work/turns")"
echo "no multimedia timers; $copies live copies in 5 s; $count turns in 10 s, at $(sort -n "$work/turns" | tr '\n' ' ')ms past the second"
