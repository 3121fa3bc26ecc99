#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, builds with warnings as errors (the tests preset, in
# build/) and runs every test.
# Usage: test.sh [--sanitize] [CTEST ARGUMENTS...]
#   --sanitize  builds the sanitize preset in build-sanitize/, with
#               AddressSanitizer and UndefinedBehaviorSanitizer; any report
#               fails the test.
# VH_TEST_TIME_FACTOR lets every test and every wait in it take that many
# times longer (default 1, under the sanitizers 3).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
source "$root/scripts/lib/compiler-cache.sh"

preset=tests
build="$root/build"
options=()
if [ "${1:-}" = "--sanitize" ]; then
    shift
    preset=sanitize
    build="$root/build-sanitize"
    # Stop at the first report, with its stack, and let leaks count too.
    export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
    export LSAN_OPTIONS="suppressions=$root/tests/support/leak-suppressions.txt:print_suppressions=0"
fi
[ -z "${VH_TEST_TIME_FACTOR:-}" ] || options+=(-DVH_TEST_TIME_FACTOR="$VH_TEST_TIME_FACTOR")
add_compiler_cache
cmake -S "$root" --preset "$preset" "${options[@]}" >/dev/null

# With tests selected, only the programs their commands run are built.
targets=()
commands=""
if [ "$#" -gt 0 ]; then
    # The program itself too: tests name it in their environment, not only
    # on their command line.
    targets+=(vh-wren-ticker)
    known="$(cmake --build "$build" --target help | sed -n 's/^\.\.\. \([^ ]*\).*/\1/p')"
    # The test files, not ctest -V: before the build ctest finds no commands.
    for test in $(cd "$build" && ctest -N "$@" | sed -n 's/^ *Test *#[0-9]*: //p'); do
        commands+=" $(grep -rh --include=CTestTestfile.cmake "^add_test(\[=\[$test\]=\]" "$build")"
    done
    for word in $(tr -d '"()' <<<"$commands"); do
        name="$(basename -- "$word")"
        if [[ "$word" == "$build"/* ]] && grep -qx "$name" <<<"$known"; then
            targets+=("$name")
        elif [ "$word" = "$build" ]; then
            # A test given the whole build folder installs or packages it.
            targets=()
            break
        fi
    done
fi
cmake --build "$build" --parallel "$(nproc)" ${targets[@]+--target "${targets[@]}"}
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" "$@"
