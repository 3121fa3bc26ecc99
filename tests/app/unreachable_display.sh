#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers src/main.cpp with platform/x11/DisplayReachX11.cpp.
# DISPLAY naming an X server that is not there: one line on standard error
# and status 2, however the X11 plugin gets chosen.
set -euo pipefail
program="$1"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work"
unset WAYLAND_DISPLAY

for platform in default xcb; do
    status=0
    if [ "$platform" = default ]; then
        env -u QT_QPA_PLATFORM DISPLAY=:65001 "$program" 2>"$work/stderr" || status=$?
    else
        QT_QPA_PLATFORM=xcb DISPLAY=:65001 "$program" 2>"$work/stderr" || status=$?
    fi
    [ "$status" -eq 2 ] || { echo "$platform: status $status"; cat "$work/stderr"; exit 1; }
    [ "$(wc -l <"$work/stderr")" -eq 1 ] && grep -q ':65001' "$work/stderr" ||
        { echo "$platform: not one line naming the display:"; cat "$work/stderr"; exit 1; }
done
echo "unreachable display said so in one line with status 2"
