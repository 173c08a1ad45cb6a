#!/usr/bin/env bash
# The full-screen saver covers the screen with its icon on the window, ignores pointer motion and
# the wheel, and ends with exit code 0 on a key press, Escape held over several frames, a mouse
# click or another program taking the keyboard focus. Natively the first X server has no RandR, as
# some remote servers: the one monitor keeps one window for good, and a key still ends the saver
# within a second; a screen locker still locks over the saver; while the X server reports its
# monitors switched off, the saver draws nothing and uses next to no processor time, draws again
# soon after they come back (power saving disabled counts as on, whatever level the server
# reports), and still ends on a key.
source "$(dirname "$0")/lib.sh"
if [ "$EMBERVEIL_RUNNER" = native ]; then
    start_display -extension RANDR
else
    start_display
fi

run_saver keyed /s
wait_for_window Emberveil
geometry=$(window_geometry Emberveil)
[ "$geometry" = "$(screen_size)+0+0" ] || fail "window is $geometry, screen is $(screen_size)"
has_icon -name Emberveil || fail "the full-screen window has no icon"

xdotool mousemove 10 10
sleep 0.3
xdotool mousemove 700 500 mousemove 300 200
xdotool click 4 click 5 click 4
# The saver has looked at the monitors a few times by now.
sleep 3
running "$keyed_pid" || fail "pointer motion or the wheel ended the saver"
[ "$(count_windows Emberveil)" -eq 1 ] || fail "$(count_windows Emberveil) windows for one monitor"

start=$(now_ms)
xdotool key a
ended_within "$keyed_pid" 1000 "$start"
[ "$EXIT_STATUS" -eq 0 ] || fail "a key press gave exit code $EXIT_STATUS"
stop_display
start_display

run_saver escaped /s
wait_for_window Emberveil
sleep 0.5
xdotool keydown Escape sleep 0.5 keyup Escape
wait_exit "$escaped_pid" 10
[ "$EXIT_STATUS" -eq 0 ] || fail "holding Escape gave exit code $EXIT_STATUS"

run_saver clicked /s
wait_for_window Emberveil
sleep 0.5
xdotool click 1
wait_exit "$clicked_pid" 10
[ "$EXIT_STATUS" -eq 0 ] || fail "a mouse click gave exit code $EXIT_STATUS"

# Another program that takes the keyboard focus, as one that pops up a window does, ends the saver
# at once: nothing typed at the fire may reach a window hidden under it. What is typed after the
# saver has gone reaches that program.
start_host
run_saver robbed /s
wait_for_fire 30
[ "$(ask_host focus)" = focused ] || fail "the host could not take the keyboard focus"
ended_within "$robbed_pid" 2000 "$(now_ms)"
[ "$EXIT_STATUS" -eq 0 ] || fail "losing the focus gave exit code $EXIT_STATUS"
xdotool key a
[ "$(ask_host keys)" = "keys 1" ] || fail "the program with the focus did not get the key typed"
if [ "$EMBERVEIL_RUNNER" = native ]; then
    # A screen locker started while the saver runs takes the keyboard and shows above the fire; once
    # it has gone, a key ends the saver.
    run_saver locked /s
    wait_for_fire 30
    i3lock -n -c 00ff00 >"$E2E_DIR/i3lock.out" 2>&1 &
    locker_pid=$!
    E2E_PIDS+=("$locker_pid")
    lock_shown() {
        screenshot "$E2E_DIR/locked.ppm" &&
            [ "$(count_pixels "$E2E_DIR/locked.ppm" "$(screen_size)+0+0" 0,255,0 3%)" -ge \
                $(($(screen_size | tr x '*') * 9 / 10)) ]
    }
    wait_until 10 "the locker does not show above the fire" lock_shown
    sleep 1
    lock_shown || fail "the fire came back over the locker"
    running "$locker_pid" || fail "the locker gave up: $(cat "$E2E_DIR/i3lock.out")"
    kill "$locker_pid"
    wait "$locker_pid" 2>/dev/null
    running "$locked_pid" || fail "the saver ended under the locker"
    xdotool key a
    wait_exit "$locked_pid" 10
    [ "$EXIT_STATUS" -eq 0 ] || fail "a key after the locker gave exit code $EXIT_STATUS"

    # cpu_ticks PID SECONDS: the processor time, in hundredths of a second, that the process uses
    # over the next SECONDS.
    cpu_ticks() {
        local before
        before=$(awk '{print $14 + $15}' "/proc/$1/stat")
        sleep "$2"
        echo $(($(awk '{print $14 + $15}' "/proc/$1/stat") - before))
    }
    # same_picture FIRST SECOND: whether two screenshots are alike to the pixel.
    same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = 0 ]; }

    power="$E2E_DIR/dpms"
    echo on >"$power"
    export LD_PRELOAD="$EMBERVEIL_DPMS_STAND_IN" EMBERVEIL_DPMS_STATE="$power"
    run_saver dark /s
    unset LD_PRELOAD EMBERVEIL_DPMS_STATE
    wait_for_fire 30
    echo off >"$power"
    sleep 1.5
    screenshot "$E2E_DIR/dark.ppm"
    ticks=$(cpu_ticks "$dark_pid" 2)
    screenshot "$E2E_DIR/dark-later.ppm"
    log "processor time over 2 s with the monitors off: $ticks/100 s"
    [ "$ticks" -le 4 ] || fail "the saver works on with the monitors off: $ticks/100 s in 2 s"
    same_picture "$E2E_DIR/dark.ppm" "$E2E_DIR/dark-later.ppm" ||
        fail "frames were drawn with the monitors off"
    # Power saving switched off brings the monitors back, whatever level the server still reports.
    echo off disabled >"$power"
    start=$(now_ms)
    until screenshot "$E2E_DIR/lit.ppm" && ! same_picture "$E2E_DIR/dark.ppm" "$E2E_DIR/lit.ppm"; do
        [ $(($(now_ms) - start)) -le 2500 ] || fail "no frame 2.5 s after the monitors came back"
    done
    log "drawing again $(($(now_ms) - start)) ms after the monitors came back"
    echo off >"$power"
    sleep 1.5
    start=$(now_ms)
    xdotool key a
    ended_within "$dark_pid" 1000 "$start"
    [ "$EXIT_STATUS" -eq 0 ] || fail "a key press with the monitors off gave exit code $EXIT_STATUS"
fi
log "ok"
