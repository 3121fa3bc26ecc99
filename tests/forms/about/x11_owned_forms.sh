#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers the owners of src/ui/Form.cpp, on X11.
# Owned windows on a real window manager: the About window is transient for
# the strip and the live calculations window for the About window, and each
# stays above its owner while the always-on-top keeper ticks, although the
# strip is in the topmost layer.
set -euo pipefail
program="$1"
source "$(dirname "$0")/../../support/x11_checks.sh"

describe() {
    xprop -root _NET_CLIENT_LIST_STACKING _NET_ACTIVE_WINDOW
}

owner_of() { printf '%d' "$(xprop -id "$1" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')"; }

# Checks every 100 ms, until the keeper has put the strip into the topmost
# layer and for three of its ticks, that $1 is above $2.
stays_above() {
    local end=$(($(now_ms) + 3000))
    until [ "$(now_ms)" -ge "$end" ] && is_above "$strip"; do
        stacked_above "$1" "$2" || fail "$3 went below its owner"
        [ "$(now_ms)" -lt $((end + $(scaled 5000))) ] || fail "the keeper did not put the strip above ($3 open)"
        sleep 0.1
    done
}

start_strip

about="$(open_about "$strip")"
[ -n "$about" ] || fail "the About window did not open"
[ "$(owner_of "$about")" -eq "$((strip))" ] || fail "the About window is not transient for the strip"
stays_above "$about" "$strip" "the About window"
echo "About window stayed above the strip"

live="$(open_live "$about")"
[ -n "$live" ] || fail "the live calculations window did not open"
[ "$(owner_of "$live")" -eq "$((about))" ] || fail "the live window is not transient for the About window"
stays_above "$live" "$about" "the live calculations window"
stacked_above "$about" "$strip" || fail "the About window went below the strip"
echo "live calculations window stayed above the About window"
