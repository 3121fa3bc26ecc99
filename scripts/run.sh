#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, builds the program and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

VH_SETUP_X11_TESTS=0 "$root/scripts/setup.sh"
# The program preset builds in a folder of its own, so that nothing the
# tests' builds set (warnings as errors, sanitizers) reaches the program a
# user runs.
build="$root/build-program"
cmake -S "$root" --preset program >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target vh-wren-ticker

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "VH-WREN-TICKER is built, but it is a desktop program and needs a graphical" >&2
    echo "session: neither DISPLAY nor WAYLAND_DISPLAY is set. Run this from a desktop." >&2
    exit 1
fi
exec "$build/src/vh-wren-ticker"
