#!/usr/bin/env bash
# On a display with two monitors the full-screen saver draws a fire of its own on each, at each
# monitor's size, and leaves none of the desktop showing; pointer motion within and across the
# monitors leaves it running, and a key ends it with exit code 0 within a second. Under Wine the
# second monitor also sits left of the primary, at negative Windows coordinates, and the user's
# setting turns it black. The saver follows the desktop while it runs: a monitor connected gets a
# window and ends the saver on a click, monitors moved or switched to another mode (the primary to
# the other's) are covered again, a monitor switched off, the second (left of the primary) or the
# primary, takes its window along and leaves the saver running on the other, and with no monitor
# left the saver ends with exit code 0.
source "$(dirname "$0")/lib.sh"

# expect_covered NAME FILE: no pixel of the desktop colour inside the monitor.
expect_covered() {
    local width height x y desktop
    read -r width height x y < <(monitor_area "$1")
    desktop=$(count_pixels "$2" "${width}x${height}+$x+$y" "$MONITORS_DESKTOP" 3%)
    [ "$desktop" -eq 0 ] || fail "$desktop pixels of the desktop show on $1"
}

# saver_windows and monitor_layouts: the geometries of the saver's shown windows and of the
# monitors, sorted, one "WIDTHxHEIGHT+X+Y" a line.
saver_windows() {
    local window
    for window in $(xdotool search --onlyvisible --name '^Emberveil$'); do
        window_geometry -id "$window"
    done | sort
}
monitor_layouts() { xrandr --listmonitors | awk 'NR > 1 {print $3}' | sed -E 's#/[0-9]+##g' | sort; }

# expect_one_window_per_monitor SECONDS: within SECONDS every monitor has exactly one window of
# the saver, which covers exactly that monitor, and there is no other.
expect_one_window_per_monitor() {
    local deadline=$(($(now_ms) + $1 * 1000))
    until [ "$(saver_windows)" = "$(monitor_layouts)" ]; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "after $1 s the saver's windows are" \
            "$(saver_windows | tr '\n' ' ')for the monitors $(monitor_layouts | tr '\n' ' ')"
        sleep 0.3
    done
}

# expect_fire_on_monitors NAME MONITOR...: the saver started as NAME covers each monitor with a
# window of its own, showing a fire of its own, and is still running.
expect_fire_on_monitors() {
    local name=$1 monitor
    shift
    expect_one_window_per_monitor 15
    for monitor in "$@"; do
        wait_for_fire 10 $(monitor_area "$monitor")
    done
    screenshot "$E2E_DIR/$name.ppm"
    sleep 0.5
    screenshot "$E2E_DIR/$name-later.ppm"
    for monitor in "$@"; do
        log "$monitor at $(monitor_geometry "$monitor")"
        expect_fire_on_screen "$E2E_DIR/$name.ppm" "$E2E_DIR/$name-later.ppm" \
            $(monitor_area "$monitor")
        expect_covered "$monitor" "$E2E_DIR/$name.ppm"
    done
    local pid_var="${name%%-*}_pid"
    running "${!pid_var}" || fail "$name ended: $(cat "$E2E_DIR/${name%%-*}.err")"
}

# start_covering NAME: starts the full-screen saver and waits until both monitors show its frames.
start_covering() {
    run_saver "$1" /s
    wait_for_fire 30 $(monitor_area DUMMY0)
    expect_one_window_per_monitor 15
    wait_for_fire 10 $(monitor_area DUMMY1)
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
    expect_fire_on_monitors "$name" DUMMY0 DUMMY1
    # The picture of the README.
    convert "$E2E_DIR/$name.ppm" "$E2E_DIR/$name.png"
    local pid_var="${name}_pid"
    xdotool mousemove 100 100 sleep 0.2 mousemove 1500 300 sleep 0.2 mousemove 2000 700 \
        sleep 0.2 mousemove 600 500 click 4 click 5
    sleep 0.5
    running "${!pid_var}" || fail "pointer motion across the monitors ended the saver"
    expect_key_ends "$name"
    stop_display
}

# follow_the_desktop: the desktop changes under the running saver, which covers it again each
# time; a click on the monitor that joined ends it.
follow_the_desktop() {
    start_monitors_display --right-of
    xrandr --output DUMMY1 --off
    run_saver follow /s
    wait_for_fire 30 $(monitor_area DUMMY0)
    expect_one_window_per_monitor 15
    xrandr --output DUMMY1 --mode 1024x768 --right-of DUMMY0 && xrandr >/dev/null
    expect_fire_on_monitors follow-joined DUMMY0 DUMMY1
    xrandr --output DUMMY1 --left-of DUMMY0
    expect_fire_on_monitors follow-moved DUMMY0 DUMMY1
    # The primary takes the other monitor's mode: each draws a moving fire at its own new size,
    # however alike their frames are.
    xrandr --output DUMMY0 --mode 1024x768 || fail "xrandr could not change the mode"
    expect_fire_on_monitors follow-modes DUMMY0 DUMMY1
    local width height x y start
    read -r width height x y < <(monitor_area DUMMY1)
    start=$(now_ms)
    xdotool mousemove $((x + width / 2)) $((y + height / 2)) click 1
    ended_within "$follow_pid" 1000 "$start"
    [ "$EXIT_STATUS" -eq 0 ] || fail "a click on the joined monitor gave exit code $EXIT_STATUS"
    no_message_shown follow
    stop_display
}

# switch_off GONE KEPT PLACEMENT: GONE switched off takes its window along and the saver goes on
# on KEPT, wherever the desktop moves it; a key then ends it.
switch_off() {
    local gone=$1 kept=$2 name="off$1"
    start_monitors_display "$3"
    start_covering "$name"
    xrandr --output "$gone" --off
    expect_fire_on_monitors "$name-one" "$kept"
    local width height x y
    read -r width height x y < <(monitor_area "$kept")
    xdotool mousemove $((x + width / 2)) $((y + height / 2))
    expect_key_ends "$name"
    no_message_shown "$name"
    stop_display
}

# switch_all_off: with every monitor switched off the saver ends by itself, with exit code 0.
switch_all_off() {
    start_monitors_display --right-of
    start_covering dark
    local start
    start=$(now_ms)
    xrandr --output DUMMY0 --off --output DUMMY1 --off
    ended_within "$dark_pid" 5000 "$start"
    [ "$EXIT_STATUS" -eq 0 ] || fail "the saver without monitors ended with $EXIT_STATUS"
    no_message_shown dark
    stop_display
}

# main_monitor_only: one fire only, on the primary monitor; the other is black, yet covered and
# ending the saver on input. Windows reads the user's setting, Linux a switch on the line.
main_monitor_only() {
    start_monitors_display --right-of
    local setting=(--main-monitor-only) width height x y start brightness
    if [ "$EMBERVEIL_RUNNER" = wine ]; then
        setting=()
        wine reg add 'HKCU\Software\Lumencrest\Emberveil' /v FireOnEveryMonitor /t REG_DWORD \
            /d 0 /f >/dev/null 2>&1 || fail "could not write the setting"
    fi
    run_saver single /s "${setting[@]}"
    wait_for_fire 30 $(monitor_area DUMMY0)
    expect_one_window_per_monitor 15
    sleep 1
    screenshot "$E2E_DIR/single.ppm"
    read -r width height x y < <(monitor_area DUMMY1)
    brightness=$(region_mean "$E2E_DIR/single.ppm" "${width}x${height}+$x+$y")
    [ "$brightness" -eq 0 ] || fail "the second monitor is not black ($brightness)"
    expect_covered DUMMY1 "$E2E_DIR/single.ppm"
    running "$single_pid" || fail "the saver with one fire ended"
    start=$(now_ms)
    xdotool mousemove $((x + width / 2)) $((y + height / 2)) click 1
    ended_within "$single_pid" 1000 "$start"
    [ "$EXIT_STATUS" -eq 0 ] || fail "a click on the black monitor gave exit code $EXIT_STATUS"
    if [ "$EMBERVEIL_RUNNER" = wine ]; then
        wine reg delete 'HKCU\Software\Lumencrest\Emberveil' /f >/dev/null 2>&1
    fi
    stop_display
}

fire_on_both --right-of
follow_the_desktop
# The X server shifts the primary to x = 0 when the monitor left of it goes; under Wine its Windows
# coordinates stay 0 either way.
switch_off DUMMY1 DUMMY0 --left-of
switch_off DUMMY0 DUMMY1 --right-of
switch_all_off

if [ "$EMBERVEIL_RUNNER" = wine ]; then
    fire_on_both --left-of
fi
main_monitor_only
log "ok"
