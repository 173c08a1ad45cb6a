#!/usr/bin/env bash
# The full-screen saver covers the screen with its icon on the window, ignores pointer motion and
# the wheel, and ends with exit code 0 on a key press, Escape held over several frames or a mouse
# click.
source "$(dirname "$0")/lib.sh"
start_display

run_saver keyed /s
wait_for_window Emberveil
geometry=$(window_geometry Emberveil)
[ "$geometry" = "$(screen_size)+0+0" ] || fail "window is $geometry, screen is $(screen_size)"
has_icon -name Emberveil || fail "the full-screen window has no icon"

xdotool mousemove 10 10
sleep 0.3
xdotool mousemove 700 500 mousemove 300 200
xdotool click 4 click 5 click 4
sleep 1
running "$keyed_pid" || fail "pointer motion or the wheel ended the saver"

xdotool key a
wait_exit "$keyed_pid" 10
[ "$EXIT_STATUS" -eq 0 ] || fail "a key press gave exit code $EXIT_STATUS"

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
log "ok"
