#!/usr/bin/env bash
# Runs the saver's benchmarks on a display of their own and prints the figures.
# Usage: bench/run.sh [build-dir]   (default build/linux; builds nothing)
set -euo pipefail

if [[ -z "${EMBERVEIL_BENCH_DISPLAY:-}" ]]; then
    EMBERVEIL_BENCH_DISPLAY=1 exec xvfb-run -a -s '-screen 0 1920x1080x24 -noreset' "$0" "$@"
fi

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build/linux}" && pwd)"
for tool in bench/frame_cost_bench bench/startup_probe app/emberveil tests/support/preview_host \
    tests/support/dpms_stand_in.so; do
    if [[ ! -x "$build/$tool" ]]; then
        echo "missing $build/$tool: build the native preset first" >&2
        exit 1
    fi
done

echo "== frame cost (targets: fire <= 1.15 x baseline; with --fps <= 1.02 x without)"
"$build/bench/frame_cost_bench"

echo "== CPU use of the saver: a 152x112 preview for 30 s (target <= 0.15 of a core), full screen,"
echo "   and full screen with the monitors off (target <= 0.01 of a core, drawing again within 1 s)"
"$root/bench/saver_cpu.sh" "$build/app/emberveil" "$build/tests/support/preview_host" \
    "$build/tests/support/dpms_stand_in.so"

echo "== start-up: desktop covered, and the first fire frame presented (target <= 300 ms), five runs"
# The model reader's progress lines go to standard output as well; only the figure is kept.
for run in 1 2 3 4 5; do
    "$build/bench/startup_probe" | grep '^start-up'
done

echo "== peak resident memory of the saver (target <= 80 MB)"
"$build/app/emberveil" > /dev/null &
saver=$!
sleep 4
peak_kb="$(awk '/^VmHWM:/ { print $2 }' "/proc/$saver/status")"
# How much of the resident set is the process's own memory and how much mapped library code.
split="$(awk '/^Rss(Anon|File|Shmem):/ { printf "%s %d MB  ", $1, $2 / 1024 }' "/proc/$saver/status")"
# Any key ends the saver; the focus may not have reached its window yet, so aim at it directly.
window="$(xdotool search --pid "$saver" 2>/dev/null | head -n 1 || true)"
if [[ -n "$window" ]]; then
    xdotool key --window "$window" space 2>/dev/null || true
else
    xdotool key space 2>/dev/null || true
fi
for _ in $(seq 50); do
    kill -0 "$saver" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$saver" 2>/dev/null; then
    echo "the saver did not end on a key press" >&2
    kill "$saver"
fi
status=0
wait "$saver" || status=$?
echo "peak resident memory: $((peak_kb / 1024)) MB ($peak_kb kB VmHWM), exit code $status"
echo "resident after 4 s: $split"
