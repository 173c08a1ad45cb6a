#!/usr/bin/env bash
# The real X11 screen-saver daemon runs the saver as its only display mode with --root: within 10
# seconds of activation the screen shows the fire, the daemon's window gets no icon, and
# deactivation ends the saver within 2 seconds. The daemon refuses to run display modes as root,
# so under root the daemon and its commands run as the user nobody, with a private home that holds
# its settings and a copy of the saver. A daemon that cannot run fails the test, saying why.
# Usage: xscreensaver.sh [SAVER] (default: this build's saver)
source "$(dirname "$0")/lib.sh"
saver_source=${1:-$EMBERVEIL_SAVER}

for program in xscreensaver xscreensaver-command; do
    command -v "$program" >/dev/null ||
        fail "$program is not installed: scripts/setup.sh installs the xscreensaver package"
done
start_display

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
    "unfade: False" "nice: 0" "programs: GL: $saver --root \\n\\" "" >"$home/.xscreensaver"
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

as_daemon_user xscreensaver-command -activate >>"$E2E_DIR/daemon.log" 2>&1 ||
    fail "the daemon refused to activate: $(cat "$E2E_DIR/daemon.log")"
start=$(now_ms)
saver_pid=
until [ -n "$saver_pid" ]; do
    [ $(($(now_ms) - start)) -le 10000 ] ||
        fail "the daemon started no saver: $(cat "$E2E_DIR/daemon.log")"
    sleep 0.1
    saver_pid=$(pgrep -f -x "$saver --root")
done
# The software renderer takes about a second for the first frame at this size on an idle machine.
wait_for_fire 10
elapsed=$(($(now_ms) - start))
log "the fire showed $elapsed ms after activation"
[ "$elapsed" -le 10000 ] || fail "the fire showed $elapsed ms after activation, more than 10000"
# The icon would stay on the daemon's window after the saver.
window=$(tr '\0' '\n' <"/proc/$saver_pid/environ" | sed -n 's/^XSCREENSAVER_WINDOW=//p')
[ -n "$window" ] || fail "the daemon named no window for the saver"
has_icon -id "$window" && fail "the saver set its icon on the daemon's window"
screenshot "$E2E_DIR/first.png"
sleep 0.5
screenshot "$E2E_DIR/second.png"
alive "$saver_pid" || fail "the saver ended: $(cat "$E2E_DIR/daemon.log")"
expect_fire_on_screen "$E2E_DIR/first.png" "$E2E_DIR/second.png"

as_daemon_user xscreensaver-command -deactivate >>"$E2E_DIR/daemon.log" 2>&1
start=$(now_ms)
while alive "$saver_pid"; do
    [ $(($(now_ms) - start)) -le 2000 ] || fail "the saver still runs 2 seconds after deactivation"
    sleep 0.05
done
log "the saver ended $(($(now_ms) - start)) ms after deactivation"
log "ok"
