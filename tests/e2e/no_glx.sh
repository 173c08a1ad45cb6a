#!/usr/bin/env bash
# Without GLX no context can be made: the library's errors are shown with the caption "Error", then
# "Failed to open window" with the caption "Debug", and the process still exits with code 0.
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
fi
log "ok"
