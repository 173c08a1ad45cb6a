#!/usr/bin/env bash
# The running saver shows the fire: white-hot at the bottom centre, dark in the upper corners, and
# moving; a key press still ends it with exit code 0.
source "$(dirname "$0")/lib.sh"
start_display

run_saver saver /s
wait_for_window Emberveil
sleep 2
screenshot "$E2E_DIR/first.png"
sleep 0.5
screenshot "$E2E_DIR/second.png"
running "$saver_pid" || fail "the saver ended on its own"

read -r width height < <(screen_size | tr 'x' ' ')
# The flames are white only in the last rows of the screen, then turn yellow, orange and red.
bottom_centre=$(region_mean "$E2E_DIR/first.png" "80x2+$((width / 2 - 40))+$((height - 2))")
read -r red green blue < <(region_rgb "$E2E_DIR/first.png" "80x6+$((width / 2 - 40))+$((height - 16))")
upper_left=$(region_mean "$E2E_DIR/first.png" "120x120+0+0")
upper_right=$(region_mean "$E2E_DIR/first.png" "120x120+$((width - 120))+0")
log "brightness: bottom centre $bottom_centre, upper corners $upper_left and $upper_right"
log "colour just above the bottom: $red $green $blue"
[ "$bottom_centre" -ge 230 ] || fail "the bottom centre is not white-hot ($bottom_centre)"
[ "$red" -gt "$green" ] && [ "$green" -gt "$blue" ] && [ "$red" -ge 150 ] ||
    fail "the flames above the bottom are not orange ($red $green $blue)"
[ "$upper_left" -le 40 ] || fail "the upper left corner is not dark ($upper_left)"
[ "$upper_right" -le 40 ] || fail "the upper right corner is not dark ($upper_right)"

changed=$(compare -metric AE -fuzz 2% "$E2E_DIR/first.png" "$E2E_DIR/second.png" null: 2>&1 || true)
changed=${changed%% *}
log "$changed pixels changed in half a second"
[ "${changed%.*}" -ge $((width * height / 100)) ] || fail "the picture hardly moves ($changed pixels)"

xdotool key Return
wait_exit "$saver_pid" 10
[ "$EXIT_STATUS" -eq 0 ] || fail "a key press gave exit code $EXIT_STATUS"
log "ok"
