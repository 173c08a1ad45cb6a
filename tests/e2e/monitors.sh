#!/usr/bin/env bash
# On a display with two monitors the full-screen saver draws a fire of its own on each, at each
# monitor's size, and leaves none of the desktop showing; pointer motion within and across the
# monitors leaves it running, and a key ends it with exit code 0 within a second. Under Wine the
# second monitor also sits left of the primary, at negative Windows coordinates, and the user's
# setting turns it black. Natively a monitor switched off while the saver runs, the second or the
# primary, leaves it running on the other.
source "$(dirname "$0")/lib.sh"

# monitor_area NAME: prints "WIDTH HEIGHT X Y" of the monitor.
monitor_area() {
    monitor_geometry "$1" | sed -E 's/^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$/\1 \2 \3 \4/'
}

# expect_covered NAME FILE: no pixel of the desktop colour inside the monitor.
expect_covered() {
    local width height x y desktop
    read -r width height x y < <(monitor_area "$1")
    desktop=$(count_pixels "$2" "${width}x${height}+$x+$y" "$MONITORS_DESKTOP" 3%)
    [ "$desktop" -eq 0 ] || fail "$desktop pixels of the desktop show on $1"
}

# start_covering NAME: starts the full-screen saver and waits until both monitors show its frames.
start_covering() {
    run_saver "$1" /s
    local pid_var="${1}_pid"
    wait_for_fire 30 $(monitor_area DUMMY0)
    wait_for_fire 10 $(monitor_area DUMMY1)
    running "${!pid_var}" || fail "$1 ended: $(cat "$E2E_DIR/$1.out" "$E2E_DIR/$1.err")"
}

# expect_key_ends NAME: a key press ends the saver with exit code 0 within a second.
expect_key_ends() {
    local pid_var="${1}_pid" start
    start=$(now_ms)
    xdotool key a
    ended_within "${!pid_var}" 1000 "$start"
    [ "$EXIT_STATUS" -eq 0 ] || fail "a key press gave exit code $EXIT_STATUS"
}

# fire_on_both PLACEMENT: the saver covers both monitors, each with its own fire, ignores motion
# across them and ends on a key.
fire_on_both() {
    start_monitors_display "$1"
    local name="${1#--}"
    name="${name%-of}"
    start_covering "$name"
    screenshot "$E2E_DIR/$name.png"
    sleep 0.5
    screenshot "$E2E_DIR/$name-later.png"
    local monitor
    for monitor in DUMMY0 DUMMY1; do
        log "$monitor at $(monitor_geometry "$monitor")"
        expect_fire_on_screen "$E2E_DIR/$name.png" "$E2E_DIR/$name-later.png" \
            $(monitor_area "$monitor")
        expect_covered "$monitor" "$E2E_DIR/$name.png"
    done
    local pid_var="${name}_pid"
    xdotool mousemove 100 100 sleep 0.2 mousemove 1500 300 sleep 0.2 mousemove 2000 700 \
        sleep 0.2 mousemove 600 500 click 4 click 5
    sleep 0.5
    running "${!pid_var}" || fail "pointer motion across the monitors ended the saver"
    expect_key_ends "$name"
    stop_display
}

fire_on_both --right-of

if [ "$EMBERVEIL_RUNNER" = wine ]; then
    fire_on_both --left-of

    # One fire only: the other monitor is black, yet covered and ending the saver on input.
    start_monitors_display --right-of
    wine reg add 'HKCU\Software\Lumencrest\Emberveil' /v FireOnEveryMonitor /t REG_DWORD /d 0 \
        /f >/dev/null 2>&1 || fail "could not write the setting"
    run_saver single /s
    wait_for_fire 30 $(monitor_area DUMMY0)
    sleep 1
    screenshot "$E2E_DIR/single.png"
    read -r width height x y < <(monitor_area DUMMY1)
    brightness=$(region_mean "$E2E_DIR/single.png" "${width}x${height}+$x+$y")
    [ "$brightness" -eq 0 ] || fail "the second monitor is not black ($brightness)"
    expect_covered DUMMY1 "$E2E_DIR/single.png"
    running "$single_pid" || fail "the saver with one fire ended"
    start=$(now_ms)
    xdotool mousemove $((x + width / 2)) $((y + height / 2)) click 1
    ended_within "$single_pid" 1000 "$start"
    [ "$EXIT_STATUS" -eq 0 ] || fail "a click on the black monitor gave exit code $EXIT_STATUS"
    wine reg delete 'HKCU\Software\Lumencrest\Emberveil' /f >/dev/null 2>&1
else
    # A monitor switched off while the saver runs, the second or the primary: the saver goes on
    # on the other, wherever the desktop moves it.
    for gone in DUMMY1 DUMMY0; do
        [ "$gone" = DUMMY1 ] && kept=DUMMY0 || kept=DUMMY1
        start_monitors_display --right-of
        start_covering "off$gone"
        pid_var="off${gone}_pid"
        xrandr --output "$gone" --off
        sleep 1
        running "${!pid_var}" || fail "switching $gone off ended the saver"
        screenshot "$E2E_DIR/off$gone.png"
        sleep 0.5
        screenshot "$E2E_DIR/off$gone-later.png"
        expect_fire_on_screen "$E2E_DIR/off$gone.png" "$E2E_DIR/off$gone-later.png" \
            $(monitor_area "$kept")
        read -r width height x y < <(monitor_area "$kept")
        xdotool mousemove $((x + width / 2)) $((y + height / 2))
        expect_key_ends "off$gone"
        no_message_shown "off$gone"
        stop_display
    done
fi
log "ok"
