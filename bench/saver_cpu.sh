#!/usr/bin/env bash
# CPU use of the real saver on the current X display, as a share of one core (user + system time
# from /proc): drawing into a 152 x 112 pane of another client (the tests' preview host), as a
# preview does; full screen, where a frame takes longer than a refresh on a software renderer; and
# full screen with the monitors switched off, as the tests' stand-in for the X server's power
# state reports them, with the time it takes to draw again once they come back.
# Usage: bench/saver_cpu.sh SAVER PREVIEW_HOST DPMS_STAND_IN [PREVIEW_SECONDS [FULLSCREEN_SECONDS]]
set -euo pipefail
saver=$1
host=$2
stand_in=$3
preview_seconds=${4:-30}
fullscreen_seconds=${5:-10}
work=$(mktemp -d)
pids=()
finish() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap finish EXIT

# cpu_ticks PID: user plus system time so far, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# measure NAME PID SECONDS: prints the process's CPU use over the next SECONDS.
measure() {
    local before after
    before=$(cpu_ticks "$2")
    sleep "$3"
    after=$(cpu_ticks "$2")
    awk -v name="$1" -v ticks=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$3" \
        'BEGIN {printf "%s: %.2f CPU seconds in %d s, %.3f of a core\n", name, ticks / hz, s, ticks / hz / s}'
}

mkfifo "$work/host.in"
exec 5<>"$work/host.in"
"$host" <&5 >"$work/host.out" 2>&1 &
pids+=($!)
until grep -q '^pane ' "$work/host.out" 2>/dev/null; do sleep 0.1; done
pane=$(awk '/^pane / {print $2; exit}' "$work/host.out")
"$saver" --window-id "$pane" >"$work/preview.out" 2>&1 &
pids+=($!)
# Counted from the first frame on, when the shaders have been compiled.
until grep -q '^Preview: ' "$work/preview.out" 2>/dev/null; do sleep 0.1; done
measure "preview 152x112" "${pids[-1]}" "$preview_seconds"
kill "${pids[-1]}"

"$saver" --root >/dev/null 2>&1 &
pids+=($!)
sleep 3
measure "full screen $(xdpyinfo | awk '/dimensions:/ {print $2; exit}')" "${pids[-1]}" \
    "$fullscreen_seconds"
kill "${pids[-1]}"

power="$work/dpms"
echo on >"$power"
LD_PRELOAD="$stand_in" EMBERVEIL_DPMS_STATE="$power" "$saver" --root >/dev/null 2>&1 &
pids+=($!)
sleep 3
echo off >"$power"
sleep 2
measure "full screen, monitors off" "${pids[-1]}" "$fullscreen_seconds"
# The first frame after the pause is seen as the processor time it takes: a frame at this size
# costs far more than the two clock ticks counted here.
for round in 1 2 3 4 5; do
    echo off >"$power"
    sleep 1.5
    before=$(cpu_ticks "${pids[-1]}")
    echo on >"$power"
    start=$EPOCHREALTIME
    until [ "$(cpu_ticks "${pids[-1]}")" -gt $((before + 1)) ]; do sleep 0.005; done
    awk -v start="$start" -v end="$EPOCHREALTIME" \
        'BEGIN {printf "monitors back on: drawing again after %.0f ms\n", (end - start) * 1000}'
done
