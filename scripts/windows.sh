#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Windows program on Debian 13, in the root of scripts/debian13.sh
# when this machine is another: installs the cross toolchain, Wine and NSIS,
# cross-builds Qt once from Debian 13's source into a cache outside the
# checkout, builds the program and its tests, runs the tests under Wine as
# Windows 10 and as Windows 11, and makes the release files in
# build-windows/release.
# Usage: windows.sh [STEP...] [-- CTEST_ARGUMENTS...]
#   qt        cross-builds Qt into the cache, once
#   build     builds the program and its tests into build-windows/
#   package   makes the zip and the installer in build-windows/release/
#   test      runs the tests under Wine, once as Windows 10 and once as
#             Windows 11, each in a fresh prefix on a private X server, where
#             it runs the next step
#   wine_tests  the tests themselves, on the X server and Wine prefix that
#             `test` has set up
#   Without steps: qt build package test. The arguments after "--" choose
#   the tests, as "-- -R wine".
# VH_CACHE moves the cache of Qt and the Debian 13 root (default
# /var/cache/vh-wren-ticker);
# VH_JOBS sets how many compilers run at once (default: one per processor).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# The release is built with Debian 13's compiler, Qt source and NSIS, and
# tested under its Wine.
if [ "$(. /etc/os-release && echo "$VERSION_ID")" != 13 ]; then
    exec "$root/scripts/debian13.sh" "$root/scripts/windows.sh" "$@"
fi
cache_root="${VH_CACHE:-/var/cache/vh-wren-ticker}"
build="$root/build-windows"
toolchain="$root/cmake/MingwW64.cmake"
mingw_cxx=x86_64-w64-mingw32-g++-posix
steps=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    steps+=("$1")
    shift
done
[ $# -eq 0 ] || shift
[ "${#steps[@]}" -gt 0 ] || steps=(qt build package test)

log() { printf '== %s: %s\n' "$(date -u +%H:%M:%S)" "$*"; }

source "$root/scripts/lib/packages.sh"
source "$root/scripts/lib/compiler-cache.sh"
source "$root/scripts/lib/apt-sources.sh"

# apt-get source needs the source lists, which a Debian image leaves out:
# the same archives as the machine's own packages come from.
enable_sources() {
    local list=/etc/apt/sources.list.d/vh-wren-ticker-src.list here
    if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Version:'; then
        here="$(. /etc/os-release && echo "$VERSION_CODENAME")"
        debian_sources deb-src "$here" | as_root tee "$list" >/dev/null
        apt_get update -qq
    fi
}

# Only what the program and its tests use: Core, Gui, Widgets, Network and
# Test, with the windows and offscreen platforms. Fonts are read through
# GDI, as before Qt 6.8, which would read them through DirectWrite 3: GDI
# also has the bitmap faces, "MS Sans Serif" among them. Qt 6.8's GDI font
# database compiles only beside DirectWrite with Direct2D, so both stay.
# Debian's source lacks wintab, which tablet events need. The
# offscreen platform draws text through the bundled freetype. Without OpenGL
# and SSL, Qt still builds dynamic GL loading and the schannel TLS plugin
# unless told not to, and neither compiles.
# Qt's tools (moc, rcc) run on this machine: Debian's own Qt lends them.
# A unity build, each module's sources 32 to a compiler run, parses Qt's
# headers once per batch instead of once per source: a first CI run, which
# builds all of it, then stays well inside its limit.
qt_host=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
qt_flags=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_UNITY_BUILD=ON
    "${qt_host[@]}"
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_dbus=OFF -DFEATURE_icu=OFF -DFEATURE_sql=OFF
    -DFEATURE_ssl=OFF -DFEATURE_openssl=OFF -DFEATURE_schannel=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_direct2d=ON -DFEATURE_directwrite=ON -DFEATURE_directwrite3=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF -DFEATURE_freetype=ON
)

qt_prefix=""
find_qt() {
    local version key
    version="$(apt-cache showsrc qt6-base | sed -n 's/^Version: //p' | sort -V | tail -n 1)"
    key="$(
        {
            echo "$version"
            echo "${qt_flags[*]}"
            cat "$toolchain"
            "$mingw_cxx" -dumpfullversion
        } | sha256sum | cut -c1-16
    )"
    qt_prefix="$cache_root/qt-mingw-$key"
    qt_version="$version"
}

# What the notices of the shipped Qt are made from, kept in the cache beside
# the build it describes: from the unpacked source $1, with the version and
# the configure flags.
keep_qt_notices() {
    local notices="$qt_prefix/share/source-notices"
    "$root/scripts/lib/third_party_notices.py" keep "$1" "$notices"
    echo "$qt_version" >"$notices/version.txt"
    printf '%s\n' "${qt_flags[@]}" >"$notices/configure-flags.txt"
}

step_qt() {
    install_packages ca-certificates dpkg-dev cmake ninja-build perl python3 \
        qt6-base-dev qt6-base-dev-tools g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    enable_sources
    find_qt
    if [ -f "$qt_prefix/.complete" ]; then
        log "Qt $qt_version for mingw cached in $qt_prefix"
        # A cache made before the notices were kept gets them from the source.
        if [ ! -f "$qt_prefix/share/source-notices/version.txt" ]; then
            local unpacked
            unpacked="$(mktemp -d)"
            (cd "$unpacked" && apt_get source -qq "qt6-base=$qt_version" >/dev/null 2>&1)
            keep_qt_notices "$(find "$unpacked" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')"
            rm -rf "$unpacked"
        fi
        return
    fi
    log "building Qt $qt_version for mingw into $qt_prefix"
    local work="$qt_prefix.work" started=$SECONDS
    # A build that was cut short goes on where it stopped: the key already
    # says it is the same source with the same flags.
    if [ ! -f "$work/build/build.ninja" ]; then
        as_root rm -rf "$work" "$qt_prefix"
        # The cache is the system's; the build and install are the user's.
        as_root mkdir -p "$work" "$qt_prefix"
        as_root chown "$(id -u):$(id -g)" "$work" "$qt_prefix"
        (cd "$work" && apt_get source -qq "qt6-base=$qt_version" >/dev/null)
        local source
        source="$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')"
        # The build refers to its toolchain file by path; a copy lets a cut
        # build go on from another checkout.
        cp "$toolchain" "$work/toolchain.cmake"
        cmake -S "$source" -B "$work/build" -G Ninja -Wno-dev \
            -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
            "${qt_flags[@]}" >"$work/configure.log"
    fi
    nice -n 19 cmake --build "$work/build" --parallel "${VH_JOBS:-$(nproc)}"
    cmake --install "$work/build" >/dev/null
    keep_qt_notices "$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')"
    touch "$qt_prefix/.complete"
    as_root rm -rf "$work"
    log "Qt built in $(((SECONDS - started) / 60)) min, $(du -sh "$qt_prefix" | cut -f1)"
}

step_build() {
    install_packages icoutils
    [ -n "$qt_prefix" ] || step_qt
    local started=$SECONDS options=()
    add_compiler_cache
    VH_QT_WINDOWS="$qt_prefix" cmake -S "$root" --preset windows "${options[@]}" >/dev/null
    cmake --build "$build" --parallel "${VH_JOBS:-$(nproc)}"
    log "program and tests built in $((SECONDS - started)) s"
}

# What runs where it is unpacked: the program, the Qt libraries and plugins
# it loads, the compiler's runtime, and the licences of all of them.
step_package() {
    install_packages nsis zip
    [ -n "$qt_prefix" ] || find_qt
    [ -f "$qt_prefix/share/source-notices/version.txt" ] || step_qt
    local stage="$build/stage" release="$build/release" version
    version="$(sed -n 's/^!define VERSION "\(.*\)"$/\1/p' "$build/installer-identity.nsh")"
    rm -rf "$stage" "$release"
    mkdir -p "$stage/platforms" "$stage/styles" "$release"
    cp "$build/vh-wren-ticker.exe" "$stage/"
    local library runtime
    for library in Core Gui Widgets Network; do
        cp "$qt_prefix/bin/Qt6$library.dll" "$stage/"
    done
    cp "$qt_prefix/plugins/platforms/qwindows.dll" "$stage/platforms/"
    cp "$qt_prefix"/plugins/styles/*.dll "$stage/styles/"
    runtime="$(dirname "$("$mingw_cxx" -print-libgcc-file-name)")"
    cp "$runtime/libstdc++-6.dll" "$runtime/libgcc_s_seh-1.dll" \
        /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$stage/"
    # Qt's release build keeps its symbols; nobody debugs from the zip.
    find "$stage" -name '*.dll' -o -name '*.exe' | xargs x86_64-w64-mingw32-strip --strip-unneeded
    cp "$root/LICENSE" "$stage/LICENSE.txt"
    "$root/scripts/lib/third_party_notices.py" write "$qt_prefix/share/source-notices" "$stage" \
        "$stage/THIRD-PARTY-NOTICES.txt"
    (cd "$stage" && zip -qr "$release/vh-wren-ticker-$version-windows-x64.zip" .)
    makensis -V2 -DIDENTITY="$build/installer-identity.nsh" -DSTAGE="$stage" \
        -DICON="$build/src/vh-wren-ticker.ico" \
        -DOUTFILE="$release/vh-wren-ticker-$version-windows-x64-setup.exe" "$root/data/windows/installer.nsi"
    log "release files: $(cd "$release" && du -h -- * | tr '\t\n' ' ')"
}

# A fresh Wine prefix for each Windows version, every run, so nothing from
# an earlier run or from the user's own Wine counts.
step_test() {
    install_packages wine wine64 fonts-wine fonts-liberation xvfb xdotool x11-utils python3-pefile \
        imagemagick
    [ -n "$qt_prefix" ] || find_qt
    export VH_QT_WINDOWS="$qt_prefix"
    local version status=0
    for version in win10 win11; do
        export VH_WINDOWS_VERSION="$version" WINEPREFIX="$build/wine-$version"
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        "$root/tests/support/with-xvfb.sh" --no-window-manager "$root/scripts/windows.sh" wine_tests -- "$@" ||
            status=1
    done
    return "$status"
}

step_wine_tests() {
    local started=$SECONDS status=0
    # with-xvfb.sh picks the Linux Qt's X11 platform, which the Windows Qt
    # lacks; its programs use their own unless a test asks for offscreen.
    unset QT_QPA_PLATFORM
    # No Mono or Gecko to offer to download; nothing here needs them.
    export WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
    # Started here and detached: a Wine server and services started by the
    # first test would hold ctest's output open until they time out.
    setsid wineserver -p </dev/null >/dev/null 2>&1
    setsid wine wineboot --init </dev/null >/dev/null 2>&1
    # The Windows version the prefix reports, which also picks Qt's style.
    wine winecfg /v "$VH_WINDOWS_VERSION" >/dev/null 2>&1
    # A virtual desktop for every program of the prefix, as winecfg sets it:
    # Wine then keeps the z-order and the foreground itself, as Windows does.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
    # As large as the X screen, so that every window and its pictures fit.
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f >/dev/null
    # The fonts a Windows user has, as far as Debian has them: Wine's own
    # faces, which Debian's Wine does not find where fonts-wine installs them
    # (without Marlett the caption buttons are drawn as letters), and
    # Liberation's, whose metrics are Arial's, Times New Roman's and Courier
    # New's, under those names.
    cp /usr/share/wine/fonts/*.ttf /usr/share/fonts/truetype/liberation/Liberation{Sans,Serif,Mono}-*.ttf \
        "$WINEPREFIX/drive_c/windows/Fonts/"
    local face
    for face in 'Arial=Liberation Sans' 'Times New Roman=Liberation Serif' 'Courier New=Liberation Mono'; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%=*}" /d "${face#*=}" /f >/dev/null
    done
    wineserver -k || true
    wineserver -w
    setsid wineserver -p </dev/null >/dev/null 2>&1
    setsid wine wineboot </dev/null >/dev/null 2>&1
    log "Wine prefix ($(wine cmd /c ver | tr -d '\r' | grep .)) ready in $((SECONDS - started)) s"
    (cd "$build" && ctest --output-on-failure -j "${VH_JOBS:-$(nproc)}" "$@") || status=$?
    wineserver -k || true
    log "tests under Wine as $VH_WINDOWS_VERSION took $((SECONDS - started)) s"
    return "$status"
}

if [ "${steps[0]}" = wine_tests ]; then
    # Inside the X server that step_test started.
    find_qt
    step_wine_tests "$@"
    exit
fi
for step in "${steps[@]}"; do
    "step_$step" "$@"
done
