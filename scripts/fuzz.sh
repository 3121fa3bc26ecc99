#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang in build-fuzz (or VH_FUZZ_BUILD)
# and runs each for SECONDS (default 60). A finding stops the run with the
# fuzzer's report and leaves the input that caused it in findings/ there.
# Usage: fuzz.sh [SECONDS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
VH_SETUP_FUZZ=1 VH_SETUP_X11_TESTS=0 "$root/scripts/setup.sh"
source "$root/scripts/lib/compiler-cache.sh"

build="${VH_FUZZ_BUILD:-$root/build-fuzz}"
options=()
add_compiler_cache
cmake -S "$root" --preset fuzz -B "$build" "${options[@]}" >/dev/null
targets=(fuzz_CellReading fuzz_SettingText fuzz_SettingsFile)
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"

seed() { printf '%b' "$2" >"$1/$(printf '%b' "$2" | cksum | cut -d' ' -f1)"; }
mkdir -p "$build/findings"
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    case "$target" in
    fuzz_SettingsFile)
        seed "$corpus" '[General]\nMAIN_Left=1000\nMAIN_Top=-1000\nAlwaysOnTop_TICKBOX=2\n'
        seed "$corpus" '[General]\nMAIN_Width="1e9"\nABOUT_Left=1,5\n[Other]\nx=\\u202e\n' ;;
    *)
        seed "$corpus" '-1234.5E+3'
        seed "$corpus" ' 32767 '
        seed "$corpus" '0.000001e-400' ;;
    esac
    ASAN_OPTIONS=halt_on_error=1 "$build/tests/fuzz/$target" -max_total_time="$seconds" \
        -print_final_stats=1 -artifact_prefix="$build/findings/$target-" "$corpus" \
        >"$build/$target.log" 2>&1 ||
        { tail -n 40 "$build/$target.log"; echo "$target: finding, see $build/findings"; exit 1; }
    echo "$target: $(sed -n 's/^stat::number_of_executed_units: *//p' "$build/$target.log") runs, no finding"
done
