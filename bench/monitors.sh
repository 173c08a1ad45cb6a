#!/usr/bin/env bash
# The saver on two monitors: the cost of a frame on both against the sum of each monitor's frame
# alone, and the memory of its own that the second monitor adds. Needs root, for Xorg's dummy
# video driver: Xvfb shows a single monitor.
# Usage: bench/monitors.sh [build-dir]   (default build/linux; builds nothing)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build/linux}" && pwd)"
for tool in bench/monitors_bench app/emberveil; do
    if [[ ! -x "$build/$tool" ]]; then
        echo "missing $build/$tool: build the native preset first" >&2
        exit 1
    fi
done
[[ "$(id -u)" -eq 0 ]] || { echo "Xorg with the dummy driver runs as root only" >&2; exit 1; }

work="$(mktemp -d)"
fifo="$work/displayfd"
mkfifo "$fifo"
Xorg -displayfd 3 -noreset -nolisten tcp -config "$root/tests/support/x11/two-monitors.conf" \
    -logfile "$work/xorg.log" 3>"$fifo" >"$work/xorg.out" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$work"' EXIT
read -r -t 20 number <"$fifo"
export DISPLAY=":$number"
until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done
xrandr --output DUMMY0 --mode 1280x1024 --primary
xrandr --addmode DUMMY1 1024x768
xrandr --output DUMMY1 --mode 1024x768 --right-of DUMMY0
# The driver reports the second output connected only once a client has probed the outputs.
xrandr >/dev/null

echo "== frame cost on two monitors (target: at most 1.1 x the sum of the two alone)"
"$build/bench/monitors_bench" | grep '^frame'

# own_memory: runs the full-screen saver for 4 s and prints its own resident memory in kB (heap,
# framebuffers and the shared-memory images it presents through; not the mapped library code).
own_memory() {
    "$build/app/emberveil" /s >/dev/null &
    local saver=$! own
    sleep 4
    own=$(awk '/^Rss(Anon|Shmem):/ { sum += $2 } END { print sum }' "/proc/$saver/status")
    xdotool key space
    wait "$saver"
    echo "$own"
}

echo "== own memory per extra monitor (target: at most 10 MB), three runs each"
for run in 1 2 3; do
    two=$(own_memory)
    xrandr --output DUMMY1 --off
    one=$(own_memory)
    xrandr --output DUMMY1 --mode 1024x768 --right-of DUMMY0
    xrandr >/dev/null
    echo "own memory: $((two / 1024)) MB on two monitors, $((one / 1024)) MB on one:" \
        "$(((two - one) / 1024)) MB for the 1024x768 monitor"
done
