#!/usr/bin/env bash
# Measures what the running strip costs: CPU share of one core and resident
# memory, over a window of SECONDS (default 60) on a private X server.
# Usage: scripts/benchmark.sh [SECONDS]   (builds first; needs the test set-up)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"

if [ -z "${VH_BENCHMARK_INNER:-}" ]; then
    "$root/scripts/setup.sh"
    cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$root/build" --parallel "$(nproc)" --target vh-wren-ticker >/dev/null
    VH_BENCHMARK_INNER=1 exec "$root/scripts/with-xvfb.sh" "$0" "$seconds"
fi

config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
XDG_CONFIG_HOME="$config" "$root/build/src/vh-wren-ticker" &
pid=$!
xdotool search --sync --onlyvisible --name '^VH-WREN-TICKER:$' >/dev/null
sleep 3

# schedstat counts nanoseconds on the CPU exactly; the tick-sampled times in
# /proc/PID/stat can be far off for a program that wakes 62 times a second.
cpu_ns() { awk '{ print $1 }' "/proc/$pid/schedstat"; }
before="$(cpu_ns)"
sleep "$seconds"
after="$(cpu_ns)"
rss_kib="$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")"
kill "$pid"
wait "$pid" 2>/dev/null || true

awk -v used="$((after - before))" -v s="$seconds" -v rss="$rss_kib" \
    'BEGIN { printf "CPU: %.2f %% of one core over %d s\nResident memory: %.1f MB\n", 100 * used / 1e9 / s, s, rss / 1024 }'
