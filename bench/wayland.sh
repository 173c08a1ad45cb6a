#!/usr/bin/env bash
# The saver on a Wayland compositor with two outputs (sway, headless): the cost of a frame on both
# layer surfaces against the sum of each output's frame alone, and the memory of its own that the
# second output adds. sway refuses root: as root, the compositor and its clients run as nobody.
# Usage: bench/wayland.sh [build-dir]   (default build/linux; builds nothing)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build/linux}" && pwd)"
for tool in bench/monitors_bench app/emberveil; do
    if [[ ! -x "$build/$tool" ]]; then
        echo "missing $build/$tool: build the native preset first" >&2
        exit 1
    fi
done

# The compositor's runtime folder holds copies of the programs, which nobody may not reach where
# they were built.
run="$(mktemp -d)"
as_user=()
if [[ "$(id -u)" -eq 0 ]]; then
    chown 65534:65534 "$run"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
cp "$build/bench/monitors_bench" "$build/app/emberveil" "$run/"
cat >"$run/sway.conf" <<CONFIG
xwayland disable
output HEADLESS-1 resolution 1280x720 position 0 0
output HEADLESS-2 resolution 1024x768 position 1280 0
CONFIG
sway=
stop_sway() {
    [[ -z "$sway" ]] && return
    kill "$sway" 2>/dev/null || true
    wait "$sway" 2>/dev/null || true
    sway=
}
trap 'stop_sway; rm -rf "$run"' EXIT

# The command line in front of every client: its user and its environment, the compositor's only.
session=()
in_session() { "${session[@]}" "$@"; }

# start_sway: a fresh compositor with one output; each run starts from one, since sway cannot
# take a headless output away.
start_sway() {
    rm -f "$run"/wayland-* "$run"/sway-ipc.*
    "${as_user[@]}" env -i HOME="$run" XDG_RUNTIME_DIR="$run" PATH="$PATH" \
        WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        sway -c "$run/sway.conf" >"$run/sway.log" 2>&1 </dev/null &
    sway=$!
    local swaysock wayland
    until swaysock=$(ls "$run"/sway-ipc.*.sock 2>/dev/null) &&
        wayland=$(ls "$run"/wayland-? 2>/dev/null | head -n 1) && [[ -n "$wayland" ]] &&
        session=("${as_user[@]}" env -i HOME="$run" XDG_RUNTIME_DIR="$run" PATH="$PATH"
            WAYLAND_DISPLAY="$wayland" SWAYSOCK="$swaysock") &&
        in_session swaymsg -t get_version >/dev/null 2>&1; do
        sleep 0.1
    done
}

# own_memory: runs the full-screen saver for 4 s and prints its own resident memory in kB (heap,
# framebuffers and the shared-memory buffers it presents through; not the mapped library code).
own_memory() {
    "${session[@]}" "$run/emberveil" /s >/dev/null 2>&1 &
    local saver=$! own
    sleep 4
    own=$(awk '/^Rss(Anon|Shmem):/ { sum += $2 } END { print sum }' "/proc/$saver/status")
    kill "$saver"
    wait "$saver" || true
    echo "$own"
}

echo "== frame cost on two outputs (target: at most 1.1 x the sum of the two alone)"
start_sway
in_session swaymsg create_output >/dev/null
in_session "$run/monitors_bench" | grep '^frame'
stop_sway

echo "== own memory per extra output (target: at most 10 MB), three runs each"
for run_number in 1 2 3; do
    start_sway
    one=$(own_memory)
    in_session swaymsg create_output >/dev/null
    two=$(own_memory)
    stop_sway
    echo "own memory: $((two / 1024)) MB on two outputs, $((one / 1024)) MB on one:" \
        "$(((two - one) / 1024)) MB for the 1024x768 output"
done
