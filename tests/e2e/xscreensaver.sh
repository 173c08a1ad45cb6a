#!/usr/bin/env bash
# The real X11 screen-saver daemon runs the saver with --root on a display with two monitors, one
# saver per monitor in a window of its own: within 20 seconds of activation the primary monitor
# shows the fire, and then the other, the daemon's windows get no icon, and deactivation ends the
# savers within 2 seconds. The daemon's second entry adds --main-monitor-only, as the settings
# entry's checkbox does: the primary monitor shows the fire and the other stays black. The daemon
# refuses to run display modes as root, so under root the daemon and its commands run as the user
# nobody, with a private home that holds its settings and a copy of the saver. A daemon that
# cannot run fails the test, saying why.
# Usage: xscreensaver.sh [SAVER] (default: this build's saver)
source "$(dirname "$0")/lib.sh"
saver_source=${1:-$EMBERVEIL_SAVER}

for program in xscreensaver xscreensaver-command; do
    command -v "$program" >/dev/null ||
        fail "$program is not installed: scripts/setup.sh installs the xscreensaver package"
done
start_monitors_display --right-of

home=$(mktemp -d /tmp/emberveil-xscreensaver.XXXXXX)
daemon_user=()
as_daemon_user() { "${daemon_user[@]}" env HOME="$home" DISPLAY="$DISPLAY" "$@"; }
# The daemon runs under runuser as another user, out of reach of the kill that ends the test's
# own programs: it is asked to leave first.
trap 'as_daemon_user xscreensaver-command -exit >/dev/null 2>&1; stop_display; rm -rf "$home"' EXIT
# A copy in the private home, which the daemon's user can read wherever the build lives.
saver="$home/emberveil"
cp "$saver_source" "$saver"
# The daemon runs its display modes at a lower priority unless told otherwise, which on a loaded
# machine would time the rest of the machine's work rather than the saver.
printf '%s\n' "mode: one" "selected: 0" "lock: False" "splash: False" "fade: False" \
    "unfade: False" "nice: 0" "programs: GL: $saver --root \\n\\" \
    "  GL: $saver --root --main-monitor-only \\n\\" "" >"$home/.xscreensaver"
chmod 700 "$home"
if [ "$(id -u)" -eq 0 ]; then
    log "running the daemon as nobody, since it launches no display modes for root"
    chown -R nobody "$home"
    daemon_user=(runuser -u nobody --)
fi

as_daemon_user xscreensaver --no-splash >"$E2E_DIR/daemon.log" 2>&1 &
E2E_PIDS+=("$!")
tries=0
until as_daemon_user xscreensaver-command -time >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -lt 100 ] || fail "the daemon does not answer: $(cat "$E2E_DIR/daemon.log")"
    sleep 0.1
done

# alive PID: the process runs; one that has ended but is not yet reaped has ended.
alive() { [ -n "$(ps -o stat= -p "$1" | grep -v '^Z')" ]; }
# savers LINE: the savers the daemon runs with this command line.
savers() { pgrep -f -x "$1"; }

# activate COMMAND LINE: has the daemon start its savers (-activate, or -select N for the Nth
# entry) and waits until it runs one with this line on each monitor; sets ACTIVATED.
activate() {
    as_daemon_user xscreensaver-command "$1" "${@:3}" >>"$E2E_DIR/daemon.log" 2>&1 ||
        fail "the daemon refused to activate: $(cat "$E2E_DIR/daemon.log")"
    ACTIVATED=$(now_ms)
    until [ "$(savers "$2" | wc -l)" -eq 2 ]; do
        [ $(($(now_ms) - ACTIVATED)) -le 10000 ] ||
            fail "the daemon started no saver per monitor: $(cat "$E2E_DIR/daemon.log")"
        sleep 0.1
    done
}

# deactivate LINE: deactivation ends every saver with this line within 2 seconds.
deactivate() {
    local pids pid start
    pids=$(savers "$1")
    as_daemon_user xscreensaver-command -deactivate >>"$E2E_DIR/daemon.log" 2>&1
    start=$(now_ms)
    for pid in $pids; do
        while alive "$pid"; do
            [ $(($(now_ms) - start)) -le 2000 ] ||
                fail "a saver still runs 2 seconds after deactivation"
            sleep 0.05
        done
    done
    log "the savers ended $(($(now_ms) - start)) ms after deactivation"
}

activate -activate "$saver --root"
# The software renderer takes about a second for the first frame of one monitor on an idle
# machine; here two savers start at once, on a machine that other work may load.
wait_for_fire 20 $(monitor_area DUMMY0)
elapsed=$(($(now_ms) - ACTIVATED))
log "the fire showed $elapsed ms after activation"
[ "$elapsed" -le 20000 ] || fail "the fire showed $elapsed ms after activation, more than 20000"
wait_for_fire 10 $(monitor_area DUMMY1)
# The icon would stay on the daemon's windows after the saver.
for pid in $(savers "$saver --root"); do
    window=$(tr '\0' '\n' <"/proc/$pid/environ" | sed -n 's/^XSCREENSAVER_WINDOW=//p')
    [ -n "$window" ] || fail "the daemon named no window for the saver"
    has_icon -id "$window" && fail "the saver set its icon on the daemon's window"
done
screenshot "$E2E_DIR/first.ppm"
sleep 0.5
screenshot "$E2E_DIR/second.ppm"
for monitor in DUMMY0 DUMMY1; do
    expect_fire_on_screen "$E2E_DIR/first.ppm" "$E2E_DIR/second.ppm" $(monitor_area "$monitor")
done
deactivate "$saver --root"

activate -select "$saver --root --main-monitor-only" 2
wait_for_fire 20 $(monitor_area DUMMY0)
sleep 1
screenshot "$E2E_DIR/main-only.ppm"
read -r width height x y < <(monitor_area DUMMY1)
brightness=$(region_mean "$E2E_DIR/main-only.ppm" "${width}x${height}+$x+$y")
[ "$brightness" -eq 0 ] || fail "the other monitor is not black under --main-monitor-only ($brightness)"
[ "$(savers "$saver --root --main-monitor-only" | wc -l)" -eq 2 ] ||
    fail "a saver kept to the main monitor ended: $(cat "$E2E_DIR/daemon.log")"
deactivate "$saver --root --main-monitor-only"
log "ok"
