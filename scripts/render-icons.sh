#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders the icon's SVG source into the PNG sizes of the hicolor theme, which
# are committed beside it and built into the program. Run after editing the SVG.
set -euo pipefail
icons="$(cd "$(dirname "$0")/../data/icons" && pwd)"
for side in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$side" -h "$side" "$icons/example.voltharbor.VhWrenTicker.svg" \
        -o "$icons/$side.png"
done
