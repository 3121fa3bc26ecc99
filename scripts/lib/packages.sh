# SPDX-License-Identifier: MIT
# Installs Debian packages that are missing, only those, so that a second run
# costs nothing; through sudo when not root. Sourced by the set-up scripts.

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
# Other builds on the machine may hold the dpkg lock for a while.
apt_get() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 "$@"
}

# Options first (such as --no-install-recommends), then the packages.
install_packages() {
    local missing=() options=() package
    while [ "${1:-}" != "${1#-}" ]; do
        options+=("$1")
        shift
    done
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        apt_get update -qq
        apt_get install -y -qq "${options[@]}" "${missing[@]}" >/dev/null
    fi
}
