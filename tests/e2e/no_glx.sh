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
# then the library cannot even start, every later library call reports that it is not
# initialised, and the window failure still ends the run.
if [ "$EMBERVEIL_RUNNER" = native ]; then
    DISPLAY=:bogus WAYLAND_DISPLAY=emberveil-no-compositor XDG_RUNTIME_DIR="$E2E_DIR" \
        run_saver nodisplay /s
    collect_messages nodisplay 30
    [ "$EXIT_STATUS" -eq 0 ] || fail "without a display: exit code $EXIT_STATUS"
    messages="$E2E_DIR/nodisplay.messages"
    [ "$(head -n 1 "$messages")" = "Debug: No Wayland compositor and no X server to draw on" ] ||
        fail "the first message did not say that there is no display: $(cat "$messages")"
    grep -q '^Debug: Failed to initialize GLFW$' "$messages" || fail "no start-up failure: $(cat "$messages")"
    grep -q '^Error: The GLFW library is not initialized$' "$messages" ||
        fail "later calls did not report the library as not initialised: $(cat "$messages")"
    [ "$(tail -n 1 "$messages")" = "Debug: Failed to open window" ] ||
        fail "the last message was not the window failure: $(cat "$messages")"
fi
log "ok"
