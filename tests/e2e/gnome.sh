#!/usr/bin/env bash
# On GNOME's compositor (mutter, headless, two virtual monitors, XWayland, no layer shell) the idle
# watcher starts the full-screen saver once the session has been idle for its delay, never before,
# with a fire on each monitor; a key ends the saver and the watcher starts it again after the next
# idle period, and never while one runs. While the session manager says idle is inhibited nothing
# starts, and the watcher asks again without keeping a core busy; once nothing inhibits, the saver
# starts while the session is still idle. The watcher ends with its session. Without an idle
# monitor, without a session bus and with a bad delay it says so in one line. Every end has exit
# code 0.
source "$(dirname "$0")/lib.sh"

DELAY=3

make_runtime_folder "$EMBERVEIL_SAVER" "$EMBERVEIL_SESSION_MANAGER" "$EMBERVEIL_REMOTE_INPUT"
SAVER="$RUN/$(basename "$EMBERVEIL_SAVER")"
SESSION_MANAGER="$RUN/$(basename "$EMBERVEIL_SESSION_MANAGER")"
INPUT="$RUN/$(basename "$EMBERVEIL_REMOTE_INPUT")"
BUS_PID=
MUTTER_PID=

# Ending mutter ends XWayland and its session bus; the rest is ended by pid.
stop_session() {
    [ -z "$MUTTER_PID" ] || kill "$MUTTER_PID" 2>/dev/null
    [ -z "$BUS_PID" ] || wait "$BUS_PID" 2>/dev/null
    stop_display
    rm -rf "$RUN"
}
trap stop_session EXIT

# start_mutter: GNOME's compositor on a session bus of its own. Its first client hands the
# session's environment to the test and stays until mutter ends.
start_mutter() {
    cat >"$RUN/client.sh" <<'CLIENT'
#!/bin/sh
echo "$PPID $$" >"$XDG_RUNTIME_DIR/mutter.pid"
env | grep -E '^(DBUS_SESSION_BUS_ADDRESS|DISPLAY|XAUTHORITY|WAYLAND_DISPLAY)=' \
    >"$XDG_RUNTIME_DIR/session.tmp"
mv "$XDG_RUNTIME_DIR/session.tmp" "$XDG_RUNTIME_DIR/session.env"
exec sleep 600
CLIENT
    chmod 755 "$RUN/client.sh"
    "${as_user[@]}" env -i HOME="$RUN" XDG_RUNTIME_DIR="$RUN" PATH="$PATH" dbus-run-session -- \
        mutter --headless --wayland --wayland-display=wayland-e2e \
        --virtual-monitor 1280x720 --virtual-monitor 1024x768 -- "$RUN/client.sh" \
        >"$E2E_DIR/mutter.log" 2>&1 </dev/null &
    BUS_PID=$!
    wait_until 30 "mutter did not start: $(cat "$E2E_DIR/mutter.log")" test -e "$RUN/session.env"
    local client
    read -r MUTTER_PID client <"$RUN/mutter.pid"
    E2E_PIDS+=("$client")
    local variables
    mapfile -t variables <"$RUN/session.env"
    SESSION=("${as_user[@]}" env -i HOME="$RUN" XDG_RUNTIME_DIR="$RUN" PATH="$PATH"
        MESA_SHADER_CACHE_DISABLE=true "${variables[@]}")
    # The X tools of lib.sh reach XWayland as the session's clients do.
    export "${variables[@]}"
}

# start_input: a keyboard and a pointer that mutter counts as the user's, for the whole test, as
# real ones would be. Input sent through XWayland's XTEST reaches X clients only and leaves
# mutter's idle time running.
start_input() {
    mkfifo "$RUN/input"
    "${SESSION[@]}" "$INPUT" <"$RUN/input" >"$E2E_DIR/input.out" 2>"$E2E_DIR/input.err" &
    E2E_PIDS+=("$!")
    exec 5>"$RUN/input"
    # mutter drops the first key of a keyboard that has just appeared: Shift, to no one.
    echo "key 42" >&5
    sleep 0.5
}

# press_key: A, as the user types it; sets INPUT_MS to when.
press_key() {
    INPUT_MS=$(now_ms)
    echo "key 30" >&5
}

# move_pointer: a small move, as the user nudges the mouse; sets INPUT_MS to when.
move_pointer() {
    INPUT_MS=$(now_ms)
    echo "move 5 5" >&5
}

# saver_of_watcher: the pid of the saver the watcher runs, or nothing while none runs.
saver_of_watcher() { pgrep -P "$watcher_pid" || true; }

# wait_for_saver SINCE: waits for the watcher's saver and sets SAVER_PID. It must not have
# started before the session was idle for the delay since SINCE (from now_ms).
wait_for_saver() {
    local tries=0
    until SAVER_PID=$(saver_of_watcher) && [ -n "$SAVER_PID" ]; do
        tries=$((tries + 1))
        [ "$tries" -lt 300 ] || fail "the watcher started no saver: $(cat "$E2E_DIR/watcher.err")"
        running "$watcher_pid" || fail "the watcher ended: $(cat "$E2E_DIR/watcher.err")"
        sleep 0.1
    done
    local idle=$(($(now_ms) - $1))
    log "the saver started after $idle ms idle"
    [ "$idle" -ge $((DELAY * 1000)) ] || fail "the saver started after $idle ms idle, before $DELAY s"
}

# saver_windows: the saver's windows, which mutter has put into frames of its own.
saver_windows() { xwininfo -root -tree | awk '/"Emberveil": \("Emberveil"/ {print $1}'; }

two_saver_windows() { [ "$(saver_windows | wc -l)" -eq 2 ]; }

full_screen() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }

# expect_fire_on_monitors [moving]: one full-screen window of the saver covers each monitor
# exactly, and each shows a fire; with "moving", the whole picture of a moving fire. XWayland
# keeps no picture of its root window, so each window is shot on its own.
expect_fire_on_monitors() {
    wait_until 30 "the saver did not open a window on each monitor" two_saver_windows
    local window geometries=()
    for window in $(saver_windows); do
        wait_until 10 "mutter does not show window $window full screen" full_screen "$window"
        local geometry width height
        geometry=$(window_geometry -id "$window")
        geometries+=("$geometry")
        IFS=x+ read -r width height _ <<<"$geometry"
        E2E_SHOT_WINDOW=$window wait_for_fire 30 "$width" "$height" 0 0
        [ "${1:-}" = moving ] || continue
        import -window "$window" "$E2E_DIR/$geometry.png"
        sleep 0.5
        import -window "$window" "$E2E_DIR/$geometry-later.png"
        expect_fire_on_screen "$E2E_DIR/$geometry.png" "$E2E_DIR/$geometry-later.png" \
            "$width" "$height" 0 0
    done
    [ "$(printf '%s\n' "${geometries[@]}" | sort | tr '\n' ' ')" = \
        "1024x768+1280+0 1280x720+0+0 " ] ||
        fail "the saver's windows are ${geometries[*]}, not one on each monitor"
}

# end_saver: a key ends the saver within 2 s with its windows; the watcher carries on. The saver
# reads keys between frames, so the key comes once it shows its fire.
end_saver() {
    press_key
    while running "$SAVER_PID"; do
        [ $(($(now_ms) - INPUT_MS)) -le 2000 ] || fail "a key did not end the saver within 2 s"
        sleep 0.05
    done
    log "the saver ended $(($(now_ms) - INPUT_MS)) ms after the key"
    [ -z "$(saver_windows)" ] || fail "the saver's windows outlived it"
    running "$watcher_pid" || fail "the watcher ended with the saver: $(cat "$E2E_DIR/watcher.err")"
}

# cpu_ticks PID: the processor time the process has used so far, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# expect_one_line NAME LINE COMMAND...: the command, run as the session's user, ends within 10 s
# with exit code 0 after writing exactly LINE to standard error.
expect_one_line() {
    local name=$1 line=$2
    shift 2
    timeout 10 "${as_user[@]}" env -i HOME="$RUN" XDG_RUNTIME_DIR="$RUN" PATH="$PATH" "$@" \
        >"$E2E_DIR/$name.out" 2>"$E2E_DIR/$name.err" </dev/null
    local status=$?
    [ "$status" -eq 0 ] || fail "$name: exit code $status"
    [ "$(cat "$E2E_DIR/$name.err")" = "$line" ] ||
        fail "$name said \"$(cat "$E2E_DIR/$name.err")\", not \"$line\""
}

[ "$EMBERVEIL_RUNNER" = native ] || fail "the idle watcher is native only"

expect_one_line bad_delay \
    'Debug: --on-idle takes a whole number of seconds from 1 to 86400, not "0"' \
    "$SAVER" --on-idle 0
# No bus where the runtime folder has none and no address is given.
expect_one_line no_bus "Debug: No session bus to watch the session's idle time on" \
    "$SAVER" --on-idle "$DELAY"
# A session bus without GNOME's compositor.
expect_one_line no_monitor \
    "Debug: No idle monitor on the session bus (org.gnome.Mutter.IdleMonitor): --on-idle needs a GNOME session" \
    dbus-run-session -- "$SAVER" --on-idle "$DELAY"

start_mutter
start_input
press_key
start_client watcher "$SAVER" --on-idle "$DELAY"
wait_for_saver "$INPUT_MS"
expect_fire_on_monitors moving
# The saver ignores the pointer's motion; mutter counts it, and the session goes idle once more
# while the saver runs: still one saver.
move_pointer
sleep 0.5
idle_ms=$(in_session gdbus call --session --dest org.gnome.Mutter.IdleMonitor \
    --object-path /org/gnome/Mutter/IdleMonitor/Core \
    --method org.gnome.Mutter.IdleMonitor.GetIdletime | sed -E 's/.*uint64 ([0-9]+).*/\1/')
[ "$idle_ms" -lt 1000 ] || fail "mutter did not count the pointer's motion: idle for $idle_ms ms"
sleep $((DELAY + 2))
[ "$(saver_of_watcher)" = "$SAVER_PID" ] || fail "the watcher ran savers $(saver_of_watcher)"
two_saver_windows || fail "the saver's windows are $(saver_windows | tr '\n' ' ')"
end_saver

# The key was the user's: the next idle period starts the saver again.
wait_for_saver "$INPUT_MS"
expect_fire_on_monitors
end_saver

# While idle is inhibited the session may stay idle as long as it likes.
start_client session_manager "$SESSION_MANAGER" 8
wait_until 10 "the session manager's stand-in did not start" grep -q ready "$E2E_DIR/session_manager.out"
press_key
inhibited_from=$INPUT_MS
ticks=$(cpu_ticks "$watcher_pid")
sleep $((DELAY + 4))
[ -z "$(saver_of_watcher)" ] || fail "the saver started while idle was inhibited"
used=$(($(cpu_ticks "$watcher_pid") - ticks))
log "the watcher used $used ticks of processor time while idle was inhibited"
[ "$used" -le 5 ] || fail "the watcher used $used ticks of processor time while idle was inhibited"
kill "$session_manager_pid"
released=$(now_ms)
wait_for_saver "$inhibited_from"
log "the saver started $(($(now_ms) - released)) ms after nothing inhibited idle"
expect_fire_on_monitors
end_saver

# The watcher ends with the session, quietly.
kill "$MUTTER_PID"
MUTTER_PID=
wait_exit "$watcher_pid" 10
[ "$EXIT_STATUS" -eq 0 ] || fail "the watcher ended with exit code $EXIT_STATUS"
[ ! -s "$E2E_DIR/watcher.err" ] || fail "the watcher said: $(cat "$E2E_DIR/watcher.err")"
log "ok"
