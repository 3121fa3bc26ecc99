#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Covers the install rules of data/CMakeLists.txt and src/CMakeLists.txt.
# Installs the build into a temporary prefix, as a packager would, and checks
# what lands there: every file in its place, the desktop entry and the
# AppStream metadata passing the desktop's own validators, the manual page
# formatting cleanly, and the installed program naming the project's version.
set -euo pipefail
build="$1"
version="$2"
id=example.voltharbor.VhWrenTicker

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

expected=(
    bin/vh-wren-ticker
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    share/man/man1/vh-wren-ticker.1.gz
    share/doc/vh-wren-ticker/LICENSE
    share/doc/vh-wren-ticker/copyright
)
for side in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${side}x${side}/apps/$id.png")
    # Each size holds a picture of that size, as the icon theme requires.
    png="$prefix/share/icons/hicolor/${side}x${side}/apps/$id.png"
    file "$png" | grep -q "PNG image data, $side x $side," || fail "$(file "$png")"
done
for path in "${expected[@]}"; do
    [ -f "$prefix/$path" ] || fail "$path was not installed"
done

report="$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1)" ||
    fail "desktop entry: $report"
grep -v ': hint: ' <<<"$report" | grep -q . && fail "desktop entry: $report"
# Warnings fail too; infos and pedantic hints do not.
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "AppStream metadata does not validate"
warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 \
    "$prefix/share/man/man1/vh-wren-ticker.1.gz" 2>&1 >/dev/null)"
[ -z "$warnings" ] || fail "manual page: $warnings"

printed="$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/vh-wren-ticker" --version)"
[ "$printed" = "VH-WREN-TICKER $version" ] || fail "installed --version printed '$printed'"

[ "$failed" = 0 ] || exit 1
echo "installed $(find "$prefix" -type f | wc -l) files; all present and valid"
