#!/usr/bin/env bash
# Only one saver runs without a switch or in preview; "/s" is never held back.
source "$(dirname "$0")/lib.sh"
start_display

run_saver first
wait_for_window Emberveil

run_saver second
wait_exit "$second_pid" 10
[ "$EXIT_STATUS" -eq 0 ] || fail "second instance exited with $EXIT_STATUS"

run_saver preview /p 12345
wait_exit "$preview_pid" 10
[ "$EXIT_STATUS" -eq 0 ] || fail "second preview-style instance exited with $EXIT_STATUS"
[ ! -s "$E2E_DIR/preview.err" ] || fail "second preview said: $(cat "$E2E_DIR/preview.err")"
[ "$(count_windows Emberveil)" -eq 1 ] || fail "a held-back instance opened a window"

run_saver explicit /s
tries=0
until [ "$(count_windows Emberveil)" -ge 2 ]; do
    tries=$((tries + 1))
    [ "$tries" -lt 200 ] || fail "\"/s\" did not open its window while another instance runs"
    running "$explicit_pid" || fail "\"/s\" ended while another instance runs"
    sleep 0.1
done

running "$first_pid" || fail "the first instance ended"
log "ok"
