#!/usr/bin/env bash
# The running saver shows the fire: white-hot at the bottom centre, dark in the upper corners, and
# moving; a key press still ends it with exit code 0.
source "$(dirname "$0")/lib.sh"
start_display

run_saver saver /s
wait_for_window Emberveil
wait_for_fire 20
screenshot "$E2E_DIR/first.png"
sleep 0.5
screenshot "$E2E_DIR/second.png"
running "$saver_pid" || fail "the saver ended on its own"
expect_fire_on_screen "$E2E_DIR/first.png" "$E2E_DIR/second.png"

xdotool key Return
wait_exit "$saver_pid" 10
[ "$EXIT_STATUS" -eq 0 ] || fail "a key press gave exit code $EXIT_STATUS"
log "ok"
