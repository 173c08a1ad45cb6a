#!/usr/bin/env bash
# The X11 screen-saver daemon's conventions, natively: --help and --version never need a display;
# in the hack modes keys and buttons do not end the saver, several run at once, and SIGTERM,
# SIGINT, SIGHUP, the window's destruction and the X server's end all end it quietly with exit
# code 0. --fps writes the frame rate in white into the bottom-left corner, which holds no white
# without it.
source "$(dirname "$0")/lib.sh"
start_display

# A signal ends the saver at once, the others at its next call to the server, after the frame in
# hand. The limit leaves room for the frames of a loaded machine, where three savers drawing the
# whole screen share two cores with the rest of its work.
end_limit=3000

# Help and version are printed without a display, so they cannot blank the screen.
for line in "--help" "-h"; do
    DISPLAY=:bogus run_saver help "$line"
    wait_exit "$help_pid" 10
    [ "$EXIT_STATUS" -eq 0 ] || fail "\"$line\" gave exit code $EXIT_STATUS"
    no_message_shown help
    for word in /s /p /c --root --window-id --window --fps --delay --help --version --on-idle \
        XSCREENSAVER_WINDOW 'Exit status'; do
        grep -q -- "$word" "$E2E_DIR/help.out" || fail "\"$line\" does not mention $word"
    done
done
DISPLAY=:bogus run_saver version --version
wait_exit "$version_pid" 10
grep -qx 'Emberveil [0-9.]*' "$E2E_DIR/version.out" || fail "--version printed: $(cat "$E2E_DIR/version.out")"

# Without XSCREENSAVER_WINDOW, --root draws into the root window, where several savers run at once
# as the daemon runs one per monitor; set but empty, it counts as unset. Each termination signal
# ends one.
unset XSCREENSAVER_WINDOW
for signal in TERM INT; do
    run_saver "$signal" --root
done
XSCREENSAVER_WINDOW= run_saver HUP --root
wait_for_fire 20
screenshot "$E2E_DIR/root.png"
sleep 0.5
screenshot "$E2E_DIR/root_later.png"
expect_fire_on_screen "$E2E_DIR/root.png" "$E2E_DIR/root_later.png"
for signal in TERM INT HUP; do
    pid_var="${signal}_pid"
    running "${!pid_var}" || fail "the saver for SIG$signal did not run beside the others"
    start=$(now_ms)
    kill -"$signal" "${!pid_var}"
    expect_quiet_end "$signal" "$end_limit" "$start"
done

# The first figures come once a second has been measured, so the corner is watched until they do.
read -r width height < <(screen_size | tr 'x' ' ')
corner="180x80+0+$((height - 80))"
white_without=$(count_pixels "$E2E_DIR/root.png" "$corner" 255,255,255 3%)
run_saver fps --root -fps
deadline=$((SECONDS + 30))
until screenshot "$E2E_DIR/fps.png" &&
    white_with=$(count_pixels "$E2E_DIR/fps.png" "$corner" 255,255,255 3%) &&
    [ "$white_with" -ge 300 ]; do
    [ "$SECONDS" -lt "$deadline" ] || break
    sleep 0.5
done
convert "$E2E_DIR/root.png" "$E2E_DIR/fps.png" -crop "$corner" +repage +append \
    "$E2E_DIR/fps_corner_off_on.png"
log "white pixels in the bottom-left corner: $white_without without --fps, $white_with with it"
[ "$white_without" -eq 0 ] || fail "without --fps the corner holds $white_without white pixels"
[ "$white_with" -ge 300 ] || fail "with -fps the corner holds only $white_with white pixels"
start=$(now_ms)
kill "$fps_pid"
expect_quiet_end fps "$end_limit" "$start"

# --window: an ordinary 1280x720 window with the saver's icon that keys and buttons leave alone,
# Escape held over several frames included. Destroyed from outside, it ends the saver without an X
# error message.
run_saver windowed -window
wait_for_window Emberveil
geometry=$(window_geometry Emberveil)
[ "${geometry%%+*}" = 1280x720 ] || fail "the window is $geometry"
window=$(xwininfo -name Emberveil | awk '/Window id:/ {print $4}')
has_icon -id "$window" || fail "the --window window has no icon"
# Held over several frames, since a tap falls between two of the loop's looks at the key.
xdotool mousemove 200 200 click 1 key a keydown Escape sleep 0.5 keyup Escape
sleep 0.5
running "$windowed_pid" || fail "a key or a button ended the --window saver"
start=$(now_ms)
xdotool windowclose "$window"
expect_quiet_end windowed "$end_limit" "$start"

# The X server going away ends the saver quietly too, timed from the server's own end.
run_saver orphaned --root
sleep 1
kill "$E2E_XVFB_PID"
wait "$E2E_XVFB_PID"
start=$(now_ms)
E2E_XVFB_PID=
expect_quiet_end orphaned "$end_limit" "$start"
log "ok"
