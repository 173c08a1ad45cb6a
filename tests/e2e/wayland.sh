#!/usr/bin/env bash
# On a Wayland compositor with layer shell (sway, headless, no X server) the full-screen saver
# covers both outputs, the second at scale 2 in its own pixels, each with a fire of its own over
# the background and the bar; an output added while it runs is covered too. Pointer motion and
# the wheel leave it running; a click on the second output ends it with exit code 0, as does a
# key, but not a key that was already held as it started and is let go, unless that is Escape,
# which ends it at once; a keyboard that appears mid-run has its first key end it. It inhibits no
# idle, so a later timeout of the idle daemon still fires while it runs, and a program that was
# full screen before it is full screen after it. The idle daemon starts it, kept to the first
# output by --main-monitor-only, and a second switch-less saver of the same session ends at once.
source "$(dirname "$0")/lib.sh"

BACKGROUND="32,64,128"
BAR="255,0,255"

make_runtime_folder "$EMBERVEIL_SAVER" "$EMBERVEIL_VIRTUAL_POINTER"
SAVER="$RUN/$(basename "$EMBERVEIL_SAVER")"
POINTER="$RUN/$(basename "$EMBERVEIL_VIRTUAL_POINTER")"

# sway ends the bar and the background it started when it exits; the rest is ended by pid.
stop_session() {
    if [ "${#SESSION[@]}" -gt 0 ]; then
        in_session swaymsg exit >/dev/null 2>&1
        sleep 0.5
    fi
    stop_display
    rm -rf "$RUN"
}
trap stop_session EXIT

start_sway() {
    cat >"$RUN/sway.conf" <<CONFIG
xwayland disable
output HEADLESS-1 resolution 1280x720 position 0 0 bg #204080 solid_color
output HEADLESS-2 resolution 1024x768 scale 2 position 1280 0 bg #204080 solid_color
output HEADLESS-3 resolution 800x600 position 1792 0 bg #204080 solid_color
bar {
    position top
    status_command echo status
    colors {
        background #ff00ff
    }
}
CONFIG
    "${as_user[@]}" env -i HOME="$RUN" XDG_RUNTIME_DIR="$RUN" PATH="$PATH" \
        WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        sway -c "$RUN/sway.conf" >"$E2E_DIR/sway.log" 2>&1 </dev/null &
    E2E_PIDS+=("$!")
    local tries=0 swaysock wayland
    until swaysock=$(ls "$RUN"/sway-ipc.*.sock 2>/dev/null) &&
        wayland=$(ls "$RUN"/wayland-? 2>/dev/null | head -n 1) && [ -n "$wayland" ] &&
        SESSION=("${as_user[@]}" env -i HOME="$RUN" XDG_RUNTIME_DIR="$RUN" PATH="$PATH"
            WAYLAND_DISPLAY="$wayland" SWAYSOCK="$swaysock" MESA_SHADER_CACHE_DISABLE=true) &&
        in_session swaymsg -t get_version >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || fail "sway did not start: $(cat "$E2E_DIR/sway.log")"
        sleep 0.1
    done
    in_session swaymsg create_output >/dev/null || fail "no second output"
}

# shoot OUTPUT FILE
shoot() { in_session grim -o "$1" - >"$2"; }

# wait_for_output_fire OUTPUT SECONDS: until the bottom centre of the output is white-hot.
wait_for_output_fire() {
    local deadline=$(($(now_ms) + $2 * 1000)) probe="$E2E_DIR/probe.png" width height
    until shoot "$1" "$probe" && read -r width height < <(identify -format '%w %h\n' "$probe") &&
        [ "$(region_mean "$probe" "80x2+$((width / 2 - 40))+$((height - 2))")" -ge 230 ]; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "no fire on $1 after $2 s"
        sleep 0.3
    done
}

# expect_output_fire OUTPUT WIDTH HEIGHT: two shots of the output show a moving fire at the
# output's size in pixels, and neither the background nor the bar.
expect_output_fire() {
    local first="$E2E_DIR/$1.png" second="$E2E_DIR/$1-later.png" size
    shoot "$1" "$first"
    sleep 0.5
    shoot "$1" "$second"
    size=$(identify -format '%wx%h' "$first")
    [ "$size" = "$2x$3" ] || fail "$1 was shot at $size, not $2x$3"
    expect_fire_on_screen "$first" "$second" "$2" "$3" 0 0
    local background bar
    background=$(count_pixels "$first" "$2x$3+0+0" "$BACKGROUND" 3%)
    bar=$(count_pixels "$first" "$2x$3+0+0" "$BAR" 10%)
    [ "$background" -eq 0 ] || fail "$background pixels of the background show on $1"
    [ "$bar" -eq 0 ] || fail "$bar pixels of the bar show on $1"
}

# expect_own_pixels OUTPUT: the fire on an output of scale 2 is drawn in the output's pixels, not
# at its logical size and enlarged, which would repeat every pixel twice each way.
expect_own_pixels() {
    local shot="$E2E_DIR/$1.png" enlarged="$E2E_DIR/$1-enlarged.png" size changed
    convert "$shot" -sample 50% -sample 200% "$enlarged"
    changed=$(compare -metric AE -fuzz 1% "$shot" "$enlarged" null: 2>&1 || true)
    changed=${changed%% *}
    size=$(identify -format '%w*%h' "$shot")
    log "$changed pixels differ from the frame at half size, enlarged"
    [ "${changed%.*}" -ge $((size / 200)) ] || fail "$1 shows a frame drawn at half its size"
}

# expect_ended_by NAME START: the saver started as NAME ends within 2 s of START with code 0.
expect_ended_by() {
    local pid_var="${1}_pid"
    ended_within "${!pid_var}" 2000 "$2"
    [ "$EXIT_STATUS" -eq 0 ] || fail "$1 ended with exit code $EXIT_STATUS"
}

fullscreen_mode() {
    in_session swaymsg -t get_tree | tr -d ' \n' |
        grep -o '"fullscreen_mode":[0-9],[^{]*"app_id":"emberveil-e2e"' | cut -d: -f2 | cut -d, -f1
}

[ "$EMBERVEIL_RUNNER" = native ] || fail "the Wayland mode is native only"
start_sway

# A full-screen terminal stands in for a program the saver must leave as it was.
start_client terminal foot --fullscreen --app-id=emberveil-e2e cat
terminal_full_screen() { [ "$(fullscreen_mode)" = 1 ]; }
wait_until 10 "the terminal did not go full screen" terminal_full_screen

start_client saver "$SAVER" /s
wait_for_output_fire HEADLESS-1 30
wait_for_output_fire HEADLESS-2 10
expect_output_fire HEADLESS-1 1280 720
expect_output_fire HEADLESS-2 1024 768
expect_own_pixels HEADLESS-2
convert "$E2E_DIR/HEADLESS-1.png" "$E2E_DIR/HEADLESS-2.png" -background '#404040' -splice 16x0 \
    +append -chop 16x0 -resize 1152x "$E2E_DIR/wayland.png"
if in_session swaymsg -t get_tree | grep -q '"inhibit_idle": true'; then
    fail "idle is inhibited while the saver runs"
fi

# The desktop is 1280+512 by 720 in layout coordinates; the second output's centre is at 1536,192.
in_session "$POINTER" move 640 360 1792 720 || fail "no pointer"
in_session "$POINTER" move 1536 192 1792 720
sleep 0.5
running "$saver_pid" || fail "pointer motion or the wheel ended the saver"
in_session "$POINTER" click 1536 192 1792 720
expect_ended_by saver "$(now_ms)"
terminal_full_screen || fail "the terminal is no longer full screen"

# A key held as the saver takes the keyboard ends nothing when it is let go (wtype's first key is
# Escape: x takes it). A keyboard that appears while the saver runs has its first key end it.
covered() { shoot "$1" "$E2E_DIR/cover.png" && [ "$(count_pixels "$E2E_DIR/cover.png" \
    "$(identify -format '%wx%h' "$E2E_DIR/cover.png")+0+0" "$BACKGROUND" 3%)" -eq 0 ]; }
start_client holder wtype x -P b -s 10000 -p b
sleep 0.5
start_client held "$SAVER" /s
wait_until 20 "the saver did not cover HEADLESS-1" covered HEADLESS-1
running "$holder_pid" || fail "the key was let go before the saver had the keyboard"
wait_exit "$holder_pid" 20
sleep 0.5
running "$held_pid" || fail "letting go of a key held as the saver started ended it"
in_session wtype -s 20 a
expect_ended_by held "$(now_ms)"

# Escape held as the saver takes the keyboard ends it while still held.
start_client escaper wtype -P Escape -s 10000 -p Escape
sleep 0.5
start_client escaped "$SAVER" /s
ended_within "$escaped_pid" 8000 "$(now_ms)"
[ "$EXIT_STATUS" -eq 0 ] || fail "Escape held as the saver started gave exit code $EXIT_STATUS"
running "$escaper_pid" || fail "Escape was let go before the saver ended"
kill "$escaper_pid"
wait "$escaper_pid" 2>/dev/null

start_client switchless "$SAVER"
wait_for_output_fire HEADLESS-1 30
in_session swaymsg create_output >/dev/null || fail "no third output"
wait_for_output_fire HEADLESS-3 10
expect_output_fire HEADLESS-3 800 600
start_client second "$SAVER"
wait_exit "$second_pid" 5
[ "$EXIT_STATUS" -eq 0 ] || fail "a second saver of the session exited with $EXIT_STATUS"
in_session wtype -s 800 a
expect_ended_by switchless "$(now_ms)"

# The idle daemon starts the saver kept to the main monitor after 2 s: the first output shows the
# fire, the others black. The daemon's timeout 3 s later fires while the saver runs.
saver_line="$SAVER /s --main-monitor-only"
start_client idle swayidle \
    timeout 2 "$saver_line & echo \$! >$RUN/idle.pid; wait \$!; echo \$? >$RUN/idle.exit" \
    timeout 5 "touch $RUN/later"
wait_for_output_fire HEADLESS-1 30
sleep 1
for output in HEADLESS-2 HEADLESS-3; do
    black="$E2E_DIR/$output-black.png"
    shoot "$output" "$black"
    brightness=$(region_mean "$black" "$(identify -format '%wx%h' "$black")+0+0")
    [ "$brightness" -eq 0 ] || fail "$output is not black under --main-monitor-only ($brightness)"
done
wait_until 10 "the idle daemon's later timeout did not fire while the saver ran" test -e "$RUN/later"
[ ! -e "$RUN/idle.exit" ] || fail "the saver the idle daemon started has ended"
E2E_PIDS+=("$(cat "$RUN/idle.pid")")
in_session wtype -s 800 a
wait_until 5 "a key did not end the saver the idle daemon started" test -e "$RUN/idle.exit"
[ "$(cat "$RUN/idle.exit")" = 0 ] ||
    fail "the saver the idle daemon started exited with $(cat "$RUN/idle.exit")"
log "ok"
