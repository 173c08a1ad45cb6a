#!/usr/bin/env bash
# Command lines the saver does not understand never crash it: each ends in a defined mode with
# exit code 0.
source "$(dirname "$0")/lib.sh"
start_display

# No recognised switch: the full-screen saver runs and a key ends it.
for line in "/x" "////" "/S" "-s" "/ /"; do
    # shellcheck disable=SC2086
    run_saver unknown $line
    wait_for_window Emberveil
    sleep 0.3
    xdotool key space
    wait_exit "$unknown_pid" 10
    [ "$EXIT_STATUS" -eq 0 ] || fail "\"$line\" gave exit code $EXIT_STATUS"
done

# A preview with a missing, non-numeric or huge handle gets no window and says so.
for line in "/p" "/p abc" "/p 99999999999999999999999"; do
    # shellcheck disable=SC2086
    run_saver preview $line
    collect_messages preview 30
    [ "$EXIT_STATUS" -eq 0 ] || fail "\"$line\" gave exit code $EXIT_STATUS"
    expect_window_failure preview
done

# Configuration reads the number after "/c:" but has no use for it: even one too large for a
# handle shows the About window.
run_saver configure /c:99999999999999999999999
wait_for_window About
close_about "$configure_pid"
log "ok"
