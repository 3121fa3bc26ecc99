# SPDX-License-Identifier: MIT
# Checks shared by the Wine tests, sourced by bash scripts that run under
# scripts/windows.sh's test step, in Wine's virtual desktop. They need
# `lister`, the path of the window lister (tests/support/wine_probe.cpp).
# Windows are named by their captions.

wine_run="$(dirname "${BASH_SOURCE[0]}")/wine-run.sh"
# The tests' one factor for a loaded or instrumented run, for every wait.
factor="${VH_TEST_TIME_FACTOR:-1}"
strip='VH-WREN-TICKER:'
work="$(mktemp -d)"
trap 'wine taskkill /F /IM vh-wren-ticker.exe >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

# Ends the test with its reason and the windows as they were.
fail() {
    echo "FAIL: $*"
    windows
    exit 1
}
windows() { "$wine_run" "$lister" | tr -d '\r'; }
# Field $2 of the window captioned $1: 2-5 its frame, 6 whether it has the
# foreground, 7 its process id, 8-9 the corner of its inside.
field() { windows | awk -F'|' -v t="$1" -v f="$2" '$1 == t { print $f; exit }'; }
# Retries a check every 250 ms for 15 s, times the tests' factor.
eventually() {
    for _ in $(seq $((60 * factor))); do
        "$@" && return 0
        sleep 0.25
    done
    return 1
}
shown() { [ -n "$(field "$1" 1)" ]; }
hidden() { ! shown "$1"; }
foreground() { [ "$(field "$1" 6)" = 1 ]; }
start() { "$wine_run" "$@" & }

# Wine's virtual desktop, the one window the X tools see.
desktop() { xdotool search --name 'Wine desktop' | head -n1; }
# Clicks the window captioned $1 at $2,$3 pixels inside it.
click() {
    local x y
    IFS='|' read -r _ _ _ _ _ _ _ x y < <(windows | grep -F -m1 "$1|")
    xdotool mousemove --window "$(desktop)" "$((x + $2))" "$((y + $3))" click 1
}
# Saves a picture of the window captioned $1 as $shots/$2.png; whether it
# shows every colour that follows ("00FF00": pure green).
shows() {
    local l t r b colour colours picture="$shots/$2.png"
    IFS='|' read -r _ l t r b _ < <(windows | grep -F -m1 "$1|")
    import -window "$(desktop)" -crop "$((r - l))x$((b - t))+$l+$t" "$picture"
    colours="$(convert "$picture" -format %c histogram:info:-)"
    for colour in "${@:3}"; do
        grep -qiE "#${colour}(FF)?\b" <<<"$colours" || return 1
    done
}
# The same, failing unless it does.
shoot() { shows "$@" || fail "$2: not every one of ${*:3} in the picture"; }
