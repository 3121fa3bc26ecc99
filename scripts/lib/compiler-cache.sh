# SPDX-License-Identifier: MIT
# Compiles through ccache, which scripts/setup.sh installs, so that building
# the same sources again costs little, from any checkout: CI clones afresh
# for every run. Appends the CMake option to the caller's `options` array.
# Sourced by the build scripts, which set `root` to the checkout.
add_compiler_cache() {
    command -v ccache >/dev/null || return 0
    options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # Paths inside the checkout are hashed relative to it, and the build
    # folder is left out of the hash, so a clone in another folder finds the
    # same entries; its debug information may then name the folder of the
    # build that filled the cache.
    export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
}
