#!/usr/bin/env bash
# The X server going away ends the program before it can unload, so the strip
# saves a move by itself once it has stood still for two seconds. Runs under
# with-xvfb.sh, which names its X server in VH_XVFB_PID.
set -euo pipefail
program="$1"

config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config"
settings="$config/VH_WTK/vh-wren-ticker.conf"
stored() { grep -q '^MAIN_Left=4500$' "$settings" && grep -q '^MAIN_Top=3000$' "$settings"; }

"$program" 2>/dev/null &
pid=$!
wid="$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" --name '^VH-WREN-TICKER:$' |
    head -n1)"
[ -n "$wid" ] || { echo "the strip did not appear"; exit 1; }
wmctrl -i -r "$wid" -e 0,300,200,-1,-1
for _ in $(seq 200); do
    stored 2>/dev/null && break
    sleep 0.05
done
kill -KILL "$VH_XVFB_PID"
timeout 20 tail --pid="$pid" -f /dev/null || { echo "still running without its X server"; exit 1; }
stored || { echo "position not kept:"; cat "$settings" 2>/dev/null; exit 1; }
echo "the position moved to was kept when the X server went away"
