#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers cmake/Packaging.cmake and data/debian/.
# Builds the Debian package from the build folder and checks it: its name,
# its dependencies worked out from the binary, a stripped binary, and no
# errors from lintian.
set -euo pipefail
build="$1"

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" ||
    { cat "$out/cpack.log"; exit 1; }
deb="$(find "$out" -maxdepth 1 -name 'vh-wren-ticker_*_*.deb')"
[ -n "$deb" ] || { echo "FAIL: no vh-wren-ticker_VERSION_ARCH.deb"; ls "$out"; exit 1; }
echo "package: $(basename "$deb")"

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for package in fonts-liberation libqt6widgets6 libc6; do
    grep -q "\\b$package\\b" <<<"$depends" || fail "Depends lacks $package"
done

dpkg-deb -c "$deb"
dpkg-deb -x "$deb" "$out/root"
file "$out/root/usr/bin/vh-wren-ticker" | grep -q ', stripped' ||
    fail "binary not stripped: $(file "$out/root/usr/bin/vh-wren-ticker")"

# Lintian judges a package; it reads but never changes it. Warnings and
# notes are printed for the record; errors fail, and so does a binary built
# without the distribution's hardening.
lintian --fail-on error --display-info --pedantic "$deb" | tee "$out/lintian.log" ||
    fail "lintian reports errors"
if grep -q 'hardening-' "$out/lintian.log"; then
    fail "built without hardening: $(grep 'hardening-' "$out/lintian.log")"
fi

[ "$failed" = 0 ] || exit 1
