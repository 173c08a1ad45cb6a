#!/usr/bin/env bash
# Usage: preview.sh SWITCH, where SWITCH is "/p" (the settings dialog's way) or "--window-id" (the
# X11 screen-saver daemon's way, natively).
#
# A host program of its own process lends a 152 x 112 pane, the saver draws the fire into it
# without a word, and ends with exit code 0 within a second once the pane is disabled (unmapped on
# X11) or destroyed or the host goes away, leaving the pane as it was, also when the pane is
# destroyed while the saver is still setting up. On Windows it draws nothing while the host's
# dialog is minimised, and draws again once it is restored. Handles that are not windows end
# through the library's errors and the window failure.
source "$(dirname "$0")/lib.sh"
switch=$1
start_display

# saver_window_argument HANDLE: the handle as the switch takes it, in hex for --window-id.
saver_window_argument() {
    if [ "$switch" = /p ]; then
        echo "$1"
    else
        printf '0x%x\n' "$1"
    fi
}

# start_preview NAME: starts the saver on the pane and waits for its report of the first frame,
# which must show the pane's size, the flames' hot base and a dark upper corner. Natively the pane
# on the screen must show them too, and input to the pane must stay with the host.
start_preview() {
    local name=$1 tries=0 report
    run_saver "$name" "$switch" "$(saver_window_argument "$pane")"
    local pid_var="${name}_pid"
    until grep -q '^Preview: ' "$E2E_DIR/$name.out" 2>/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -lt 300 ] || fail "$name drew no frame: $(cat "$E2E_DIR/$name.out" "$E2E_DIR/$name.err")"
        running "${!pid_var}" || fail "$name ended: $(cat "$E2E_DIR/$name.out" "$E2E_DIR/$name.err")"
        sleep 0.1
    done
    report=$(grep '^Preview: ' "$E2E_DIR/$name.out" | tr -d '\r')
    log "$report"
    read -r size bottom_r bottom_g bottom_b top_r top_g top_b < <(sed -E \
        's/^Preview: ([0-9]+x[0-9]+) in window [0-9-]+, first frame bottom centre ([0-9]+) ([0-9]+) ([0-9]+), top left ([0-9]+) ([0-9]+) ([0-9]+)$/\1 \2 \3 \4 \5 \6 \7/' \
        <<<"$report")
    [ "$size" = 152x112 ] || fail "$name did not draw at the pane's size: $report"
    [ "$report" = "${report/in window $pane,/}" ] && fail "$name names another window: $report"
    # The fire's colours never have more green than red or more blue than green.
    [ "$bottom_r" -ge 200 ] && [ "$bottom_r" -ge "$bottom_g" ] && [ "$bottom_g" -ge "$bottom_b" ] ||
        fail "$name has no flames at the bottom centre: $report"
    [ $((top_r + top_g + top_b)) -le 30 ] || fail "$name's upper corner is not dark: $report"
    if [ "$EMBERVEIL_RUNNER" = native ]; then
        # The pane is the host's first child, at the top left corner of the screen.
        sleep 0.5
        screenshot "$E2E_DIR/$name.png"
        read -r bottom_r bottom_g bottom_b < <(region_rgb "$E2E_DIR/$name.png" 12x2+70+110)
        log "on the screen: bottom centre $bottom_r $bottom_g $bottom_b"
        [ "$bottom_r" -ge 200 ] && [ "$bottom_r" -ge "$bottom_g" ] && [ "$bottom_g" -ge "$bottom_b" ] ||
            fail "the pane on the screen has no flames: $bottom_r $bottom_g $bottom_b"
        [ "$(region_mean "$E2E_DIR/$name.png" 19x19+0+0)" -le 10 ] ||
            fail "the pane's upper corner is not dark on the screen"
        xdotool mousemove 70 50 click 1 key a
    fi
    sleep 0.5
    running "${!pid_var}" || fail "$name ended by itself"
    no_message_shown "$name"
}

# Disabling the pane ends the preview; a second "/p" preview meanwhile is held back.
start_host
start_preview first
if [ "$switch" = /p ]; then
    run_saver second /p "$pane"
    wait_exit "$second_pid" 10
    [ "$EXIT_STATUS" -eq 0 ] || fail "a second preview exited with $EXIT_STATUS"
    [ ! -s "$E2E_DIR/second.out" ] || fail "a second preview ran: $(cat "$E2E_DIR/second.out")"
fi
start=$(now_ms)
[ "$(ask_host disable)" = disabled ] || fail "the host could not disable the pane"
ended_within "$first_pid" 1000 "$start"
[ "$EXIT_STATUS" -eq 0 ] || fail "disabling the pane gave exit code $EXIT_STATUS"
answer=$(ask_host check)
[ "$answer" = "pane intact" ] || fail "after the preview: $answer"
echo quit >&5

# Destroying the pane ends it.
start_host
start_preview destroyed
start=$(now_ms)
[ "$(ask_host destroy)" = destroyed ] || fail "the host could not destroy the pane"
expect_quiet_end destroyed 1000 "$start"

# The settings dialog destroys its pane whenever the user steps on through the list of savers,
# also while a preview is still setting up. Destroyed at a few moments after the saver first
# touches it, before the first frame as a rule, the pane's end is no failure: the saver ends
# quietly within a second.
for moment in 0 15 35; do
    start_host
    run_saver early "$switch" "$(saver_window_argument "$pane")"
    [ "$(ask_host "destroy-after-adoption $moment")" = destroyed ] ||
        fail "the saver never took up the pane: $(cat "$E2E_DIR/early.out" "$E2E_DIR/early.err")"
    start=$(now_ms)
    expect_quiet_end early 1000 "$start"
    if grep -q '^Preview: ' "$E2E_DIR/early.out"; then
        log "destroyed $moment ms after the adoption: the saver ended after its first frame"
    else
        log "destroyed $moment ms after the adoption: the saver ended before its first frame"
    fi
done

# cpu_ticks NAME SECONDS: the processor time, in hundredths of a second, that the program started
# as NAME uses over the next SECONDS.
cpu_ticks() {
    local pid_var="${1}_pid" before after
    before=$(awk '{print $14 + $15}' "/proc/${!pid_var}/stat")
    sleep "$2"
    after=$(awk '{print $14 + $15}' "/proc/${!pid_var}/stat")
    echo $((after - before))
}

# A minimised settings dialog shows no preview: the saver draws nothing, uses next to no time and
# waits for events instead, and draws again, reporting its first frame anew, once restored.
if [ "$EMBERVEIL_RUNNER" = wine ]; then
    start_host
    start_preview minimised
    drawing=$(cpu_ticks minimised 2)
    [ "$(ask_host minimize)" = minimized ] || fail "the host could not minimise its dialog"
    sleep 1
    paused=$(cpu_ticks minimised 2)
    log "processor time over 2 s: $drawing/100 s drawing, $paused/100 s minimised"
    [ "$paused" -le 4 ] && [ $((paused * 4)) -le "$drawing" ] ||
        fail "the minimised preview goes on working: $paused/100 s against $drawing/100 s"
    [ "$(grep -c '^Preview: ' "$E2E_DIR/minimised.out")" -eq 1 ] ||
        fail "the minimised preview drew: $(cat "$E2E_DIR/minimised.out")"
    [ "$(ask_host restore)" = restored ] || fail "the host could not restore its dialog"
    tries=0
    until [ "$(grep -c '^Preview: ' "$E2E_DIR/minimised.out")" -eq 2 ]; do
        tries=$((tries + 1))
        [ "$tries" -lt 30 ] || fail "no frame after the restore: $(cat "$E2E_DIR/minimised.out")"
        sleep 0.1
    done
    log "after the restore: $(tail -n 1 "$E2E_DIR/minimised.out" | tr -d '\r')"
    echo quit >&5
    wait_exit "$minimised_pid" 10
fi

# So does the host's end, which takes its windows with it.
start_host
start_preview orphaned
start=$(now_ms)
echo quit >&5
ended_within "$orphaned_pid" 1000 "$start"
[ "$EXIT_STATUS" -eq 0 ] || fail "the host's end gave exit code $EXIT_STATUS"

# Handles that are not windows.
for handle in 0 1 99999999 -5; do
    run_saver bad "$switch" "$handle"
    collect_messages bad 60
    [ "$EXIT_STATUS" -eq 0 ] || fail "$switch $handle gave exit code $EXIT_STATUS"
    expect_window_failure bad
done
log "ok"
