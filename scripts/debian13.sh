#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command on Debian 13: in a Debian 13 root that mmdebstrap makes once,
# from the archives this machine's own apt sources name, and keeps outside the
# checkout. The checkout is at the same path inside; its Linux build folders
# there are Debian 13's own, seen from this machine as build-debian13/*
# (build-windows/ is made on Debian 13 alone, and is the checkout's own).
# /tmp is this machine's, so X servers inside and outside never take the
# same display.
# Usage: debian13.sh COMMAND [ARGUMENTS...]
#   e.g. ./scripts/debian13.sh ./scripts/test.sh -L engine
# VH_CACHE moves the cache (default /var/cache/vh-wren-ticker).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cache="${VH_CACHE:-/var/cache/vh-wren-ticker}"
system="$cache/debian13"
builds=(build build-program build-sanitize)

if [ "${1:-}" = --inside ]; then
    # In a mount and PID namespace of its own: the root becomes /, by
    # pivot_root rather than chroot, so that tests may make namespaces of
    # their own inside (the kernel refuses a user namespace to a chroot).
    shift
    mount --bind "$system" "$system"
    mount -t proc proc "$system/proc"
    mount --rbind /sys "$system/sys"
    mount --rbind /dev "$system/dev"
    mount -t tmpfs tmpfs "$system/run"
    mount --bind /tmp "$system/tmp"
    mount --bind /etc/resolv.conf "$system/etc/resolv.conf"
    mkdir -p "$system$root" "$system$cache"
    mount --bind "$root" "$system$root"
    mount --bind "$cache" "$system$cache"
    for folder in "${builds[@]}"; do
        mkdir -p "$root/build-debian13/$folder" "$root/$folder"
        mount --bind "$root/build-debian13/$folder" "$system$root/$folder"
    done
    cd "$system"
    mkdir -p .host
    pivot_root . .host
    umount -l /.host
    rmdir /.host
    cd "$root"
    passed=()
    for name in $(compgen -e); do
        case "$name" in
        CI | TERM | DISPLAY | XAUTHORITY | WAYLAND_DISPLAY | VH_*) passed+=("$name=${!name}") ;;
        esac
    done
    exec env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        "${passed[@]}" "$@"
fi

[ $# -gt 0 ] || {
    echo "usage: debian13.sh COMMAND [ARGUMENTS...]" >&2
    exit 2
}
# Mounts and namespaces are root's.
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"
source "$root/scripts/lib/packages.sh"
source "$root/scripts/lib/apt-sources.sh"

make_system() {
    install_packages mmdebstrap
    local made="$system.new" started=$SECONDS
    as_root rm -rf "$made"
    as_root mkdir -p "$cache"
    echo "Making a Debian 13 root in $system"
    # The set-up scripts install the rest inside, as on any Debian machine.
    debian_sources deb trixie | as_root mmdebstrap --quiet --variant=apt \
        --include=ca-certificates,locales,mount trixie "$made" -
    as_root touch "$made/.complete"
    as_root mv "$made" "$system"
    echo "Debian 13 root made in $((SECONDS - started)) s"
}

(
    # Two runs at once make the root once.
    flock 9
    [ -f "$system/.complete" ] || make_system
) 9>>"$cache.lock"
exec unshare --mount --pid --fork --propagation private -- "$0" --inside "$@"
