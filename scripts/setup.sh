#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building and testing need on Debian 12 or 13, only when
# missing, so a second run costs nothing. Run by the run, test and benchmark
# scripts.
set -euo pipefail

desktops=()
packages=(
    build-essential cmake pkg-config qt6-base-dev libxcb1-dev fonts-liberation
    clang-format locales ccache
)
# The fuzz targets: clang with its libFuzzer and sanitizer runtimes.
if [ "${VH_SETUP_FUZZ:-0}" = 1 ]; then
    packages+=(clang libclang-rt-dev)
fi
# Tests on a real window manager.
if [ "${VH_SETUP_X11_TESTS:-1}" = 1 ]; then
    packages+=(xvfb openbox x11-utils xdotool wmctrl)
    # The other desktops users have, each in its own D-Bus session; mutter
    # runs as GNOME's Wayland compositor too, with XWayland.
    packages+=(xfwm4 metacity mutter dbus-x11 xwayland)
    # Without what they recommend: KWin's would bring much of Plasma.
    desktops=(marco mate-settings-daemon-common kwin-x11 kwin-style-breeze i3-wm icewm fluxbox)
    # Checks of what is installed and packaged, with the tools a distribution
    # uses; librsvg2-bin renders the icon's sizes (scripts/render-icons.sh).
    packages+=(desktop-file-utils appstream man-db file dpkg-dev lintian librsvg2-bin)
fi

source "$(dirname "$0")/lib/packages.sh"
install_packages "${packages[@]}"
[ "${#desktops[@]}" -eq 0 ] || install_packages --no-install-recommends "${desktops[@]}"

# The engine is tested under a locale whose decimal separator is ",".
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    echo "Generating locale de_DE.UTF-8"
    as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
