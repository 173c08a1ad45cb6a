#!/usr/bin/env bash
# Without GLX no context can be made: the library's errors are shown with the caption "Error", then
# "Failed to open window" with the caption "Debug", and the process still exits with code 0.
# Natively, without an X server, the saver says first what is missing, and ends at once on a
# Wayland compositor without layer shell.
source "$(dirname "$0")/lib.sh"
start_display -extension GLX

run_saver saver /s
collect_messages saver 60
[ "$EXIT_STATUS" -eq 0 ] || fail "exit code $EXIT_STATUS"

expect_window_failure saver

# Natively, with neither a Wayland compositor nor an X server to reach, the saver says so first;
# then the library cannot even start, and each library call the saver still makes reports that it
# is not initialised, one box each: the one read of the monitors, the window's hints (the defaults
# and the saver's five) and the window itself. The window failure ends the run.
if [ "$EMBERVEIL_RUNNER" = native ]; then
    DISPLAY=:bogus WAYLAND_DISPLAY=emberveil-no-compositor XDG_RUNTIME_DIR="$E2E_DIR" \
        run_saver nodisplay /s
    collect_messages nodisplay 30
    [ "$EXIT_STATUS" -eq 0 ] || fail "without a display: exit code $EXIT_STATUS"
    expected="$E2E_DIR/nodisplay.expected"
    {
        echo "Debug: No Wayland compositor and no X server to draw on"
        echo "Error: X11: Failed to open display :bogus"
        echo "Debug: Failed to initialize GLFW"
        for _ in 1 2 3 4 5 6 7 8; do echo "Error: The GLFW library is not initialized"; done
        echo "Debug: Failed to open window"
    } >"$expected"
    diff "$expected" "$E2E_DIR/nodisplay.messages" >&2 ||
        fail "without a display the messages were not the start-up failure's (above)"

    # A compositor without layer shell (weston, headless) and no X server: one line that says so.
    # weston runs as nobody, as a session's compositor would not run as root.
    make_runtime_folder
    trap 'stop_display; rm -rf "$RUN"' EXIT
    "${as_user[@]}" env -i HOME="$RUN" XDG_RUNTIME_DIR="$RUN" PATH="$PATH" \
        weston --backend=headless-backend.so --socket=wes-0 --use-pixman \
        >"$E2E_DIR/weston.log" 2>&1 </dev/null &
    E2E_PIDS+=("$!")
    wait_until 10 "weston did not start: $(cat "$E2E_DIR/weston.log")" test -S "$RUN/wes-0"
    DISPLAY= WAYLAND_DISPLAY="$RUN/wes-0" run_saver noshell /s
    collect_messages noshell 30
    [ "$EXIT_STATUS" -eq 0 ] || fail "on weston: exit code $EXIT_STATUS"
    [ "$(cat "$E2E_DIR/noshell.messages")" = "Debug: The Wayland compositor offers no layer shell, and there is no X server to draw on" ] ||
        fail "on weston the saver said: $(cat "$E2E_DIR/noshell.messages")"
fi
log "ok"
