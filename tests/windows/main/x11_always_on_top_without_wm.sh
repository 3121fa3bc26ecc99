#!/usr/bin/env bash
# The keeper on a bare X server, without a window manager to ask: the strip
# says so once on standard error, stays shown and goes on running. Runs under
# with-xvfb.sh --no-window-manager.
set -euo pipefail
program="$1"

work="$(mktemp -d)"
cleanup() {
    [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME="$work/config"

"$program" 2>"$work/stderr" &
program_pid=$!
strip="$(timeout 10 xdotool search --sync --onlyvisible --name '^VH-WREN-TICKER:$' | head -n1)"
[ -n "$strip" ] || { echo "the strip did not appear"; exit 1; }

said() { grep -c 'Always On Top' "$work/stderr" || true; }
# The first tick comes a second after start.
for _ in $(seq 60); do
    [ "$(said)" -ge 1 ] && break
    sleep 0.05
done
[ "$(said)" -eq 1 ] || { echo "no line on standard error"; cat "$work/stderr"; exit 1; }
sleep 2.1
[ "$(said)" -eq 1 ] || { echo "said more than once:"; cat "$work/stderr"; exit 1; }
grep 'Always On Top' "$work/stderr"

xwininfo -id "$strip" | grep -q 'Map State: IsViewable' || { echo "the strip was hidden"; exit 1; }
kill -0 "$program_pid" || { echo "the program ended"; exit 1; }
echo "keeper without a window manager passed"
