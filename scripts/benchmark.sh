#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What the running strip costs beside a peer that shows the same line: conky
# with ${uptime}, updated once a second, in its own window on the same private
# X server. Measures, over SECONDS (default 60) each:
#   1. the strip alone and conky side by side: CPU share of one core (exact,
#      from /proc/PID/schedstat), wake-ups per second (voluntary context
#      switches of all threads) and resident memory;
#   2. the strip with the live calculations window opened as a user would.
# Usage: scripts/benchmark.sh [SECONDS]   (builds first, in VH_BUILD_DIR or build-program/)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
build="${VH_BUILD_DIR:-$root/build-program}"

if [ -z "${VH_BENCHMARK_INNER:-}" ]; then
    "$root/scripts/setup.sh"
    if ! command -v conky >/dev/null; then
        echo "Installing: conky-std"
        apt-get install -y -qq conky-std >/dev/null
    fi
    cmake -S "$root" --preset program -B "$build" >/dev/null
    cmake --build "$build" --parallel "$(nproc)" --target vh-wren-ticker >/dev/null
    VH_BENCHMARK_INNER=1 exec "$root/tests/support/with-xvfb.sh" "$0" "$seconds"
fi

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cat >"$work/conky.conf" <<'EOF'
conky.config = {
    out_to_x = true, own_window = true, own_window_type = 'normal',
    update_interval = 1.0, double_buffer = true, background = false,
    alignment = 'top_right', gap_x = 10, gap_y = 10,
};
conky.text = [[${uptime}]];
EOF

XDG_CONFIG_HOME="$work" "$build/src/vh-wren-ticker" &
strip=$!
pids+=("$strip")
conky -c "$work/conky.conf" >/dev/null 2>&1 &
conky=$!
pids+=("$conky")
xdotool search --sync --onlyvisible --name '^VH-WREN-TICKER:$' >/dev/null
sleep 3

cpu_ns() { awk '{ print $1 }' "/proc/$1/schedstat"; }
switches() {
    cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches:/ { n += $2 } END { print n }'
}
rss_mb() { awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }

# Prints "CPU% wakeups/s" for each pid given, measured over the same window.
measure() {
    local before_cpu=() before_sw=() pid i=0
    for pid in "$@"; do
        before_cpu+=("$(cpu_ns "$pid")")
        before_sw+=("$(switches "$pid")")
    done
    sleep "$seconds"
    for pid in "$@"; do
        awk -v c="$(($(cpu_ns "$pid") - before_cpu[i]))" \
            -v w="$(($(switches "$pid") - before_sw[i]))" -v s="$seconds" \
            'BEGIN { printf "%.3f %.1f\n", 100 * c / 1e9 / s, w / s }'
        i=$((i + 1))
    done
}

mapfile -t side <<<"$(measure "$strip" "$conky")"
read -r strip_cpu strip_wake <<<"${side[0]}"
read -r conky_cpu conky_wake <<<"${side[1]}"
strip_rss="$(rss_mb "$strip")"
conky_rss="$(rss_mb "$conky")"

# Open the live calculations window as a user would: double-click the strip,
# then press "Live Calculations" in the About window.
wid="$(xdotool search --onlyvisible --name '^VH-WREN-TICKER:$' | head -n1)"
xdotool mousemove --window "$wid" 60 10 click --repeat 2 --delay 80 1
about="$(xdotool search --sync --onlyvisible --name '^VH-WREN-TICKER - ABOUT$' | head -n1)"
sleep 0.5
# The button's centre, from its place in twips (480, 1200, 1695 x 495) at 15
# twips a pixel.
xdotool mousemove --window "$about" 88 96 click 1
xdotool search --sync --onlyvisible --name '^VH-WREN-TICKER - LIVE CALCULATIONS$' >/dev/null
sleep 3
read -r live_cpu live_wake <<<"$(measure "$strip")"
live_rss="$(rss_mb "$strip")"

ratio="$(awk -v a="$strip_cpu" -v b="$conky_cpu" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }')"
cat <<EOF
Over $seconds s each, on one core:
| program                        | CPU %   | wake-ups/s | RSS MB |
|--------------------------------|---------|------------|--------|
| vh-wren-ticker, strip only     | $strip_cpu | $strip_wake | $strip_rss |
| conky \${uptime}, 1 s           | $conky_cpu | $conky_wake | $conky_rss |
| vh-wren-ticker, live window    | $live_cpu | $live_wake | $live_rss |
Strip / conky CPU: $ratio
EOF
