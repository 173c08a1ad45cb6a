# Shared by the end-to-end tests: each test sources this file, gets an X display of its own and runs
# the real executables of one build on it, natively or under Wine, the same way.
#
# Environment (set by CTest): EMBERVEIL_RUNNER (native or wine), EMBERVEIL_SAVER (the saver),
# EMBERVEIL_PREVIEW_HOST (the program that lends the saver a window), EMBERVEIL_SCRIPTS (the
# repository's scripts/), EMBERVEIL_MESSAGE_READER and EMBERVEIL_WINDOW_READER (Windows only: the
# programs that read and dismiss message boxes and read other programs' windows),
# EMBERVEIL_VIRTUAL_POINTER (native only: moves and clicks a Wayland compositor's pointer),
# EMBERVEIL_SESSION_MANAGER and EMBERVEIL_REMOTE_INPUT (native only: a stand-in for GNOME's
# session manager, and a keyboard and pointer of GNOME's compositor),
# EMBERVEIL_ARTIFACTS (where screenshots and logs go), EMBERVEIL_E2E_NAME (the test's name, which
# names its folder of artifacts), EMBERVEIL_DPMS_STAND_IN (natively: the library that answers the
# X server's monitor power state from a file).
set -u

E2E_NAME=${EMBERVEIL_E2E_NAME:-$(basename "$0" .sh)}
E2E_DIR="$EMBERVEIL_ARTIFACTS/$E2E_NAME"
rm -rf "$E2E_DIR"
mkdir -p "$E2E_DIR"
E2E_XVFB_PID=
E2E_PIDS=()
# GTK would look for an accessibility bus, which the test displays do not have.
export NO_AT_BRIDGE=1
# Each test runs a display server of its own: a Wayland session around the tests must not take the
# saver's screens.
unset WAYLAND_DISPLAY
# Mesa writes its shader cache from a thread of the lowest priority, which a loaded machine
# starves: a saver's process then outlives its end by seconds. Each program compiles afresh.
export MESA_SHADER_CACHE_DISABLE=true

log() { printf '%s: %s\n' "$E2E_NAME" "$*"; }

fail() {
    printf '%s: FAIL: %s\n' "$E2E_NAME" "$*" >&2
    exit 1
}

# stop_display: ends every program started so far, then the X server (the wineserver before it).
stop_display() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill -9 "$pid" 2>/dev/null
    done
    E2E_PIDS=()
    if [ "$EMBERVEIL_RUNNER" = wine ]; then
        wineserver -k 2>/dev/null
        wineserver -w 2>/dev/null
    fi
    if [ -n "$E2E_XVFB_PID" ]; then
        kill "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
        E2E_XVFB_PID=
    fi
}
trap stop_display EXIT

# start_display [Xvfb options...]: a fresh X server of 1024x768 unless the options say otherwise.
start_display() {
    local fifo="$E2E_DIR/displayfd"
    rm -f "$fifo"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset "$@" 3>"$fifo" \
        >"$E2E_DIR/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    use_display "$fifo" "$E2E_DIR/xvfb.log"
}

# start_monitors_display PLACEMENT: an X server with two monitors, which Xvfb cannot give: Xorg's
# dummy driver (root only), with the primary monitor at 1280x1024 and a 1024x768 one placed by
# xrandr's PLACEMENT (--right-of or --left-of) beside it, and the desktop in MONITORS_DESKTOP
# colour so that a monitor left uncovered shows.
MONITORS_DESKTOP="48,112,208"
start_monitors_display() {
    [ "$(id -u)" -eq 0 ] || fail "Xorg with the dummy driver runs as root only"
    command -v Xorg >/dev/null || fail "Xorg is not installed: scripts/setup.sh installs it"
    local fifo="$E2E_DIR/displayfd"
    local config="$EMBERVEIL_SCRIPTS/../tests/support/x11/two-monitors.conf"
    rm -f "$fifo"
    mkfifo "$fifo"
    Xorg -displayfd 3 -noreset -nolisten tcp -config "$config" -logfile "$E2E_DIR/xorg.log" \
        3>"$fifo" >"$E2E_DIR/xorg.out" 2>&1 &
    E2E_XVFB_PID=$!
    use_display "$fifo" "$E2E_DIR/xorg.out"
    xrandr --output DUMMY0 --mode 1280x1024 --primary &&
        xrandr --addmode DUMMY1 1024x768 &&
        xrandr --output DUMMY1 --mode 1024x768 "$1" DUMMY0 ||
        fail "xrandr could not set up the monitors"
    # The driver reports the second output connected only once a client has probed the outputs;
    # until then the windowing library skips its monitor.
    xrandr >/dev/null
    xsetroot -solid "rgb:$(printf '%02x/%02x/%02x' ${MONITORS_DESKTOP//,/ })"
}

# monitor_geometry NAME: prints "WIDTHxHEIGHT+X+Y" of the monitor with this output name.
monitor_geometry() {
    xrandr --listmonitors | awk -v name="$1" '$NF == name {print $3}' | sed -E 's#/[0-9]+##g'
}

# monitor_area NAME: prints "WIDTH HEIGHT X Y" of the monitor.
monitor_area() {
    monitor_geometry "$1" | sed -E 's/^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$/\1 \2 \3 \4/'
}

# use_display FIFO LOG: takes the display number the server wrote to FIFO, waits until it answers
# and, under Wine, gives the test a fresh wineserver for it.
use_display() {
    local fifo=$1 server_log=$2 number
    read -r -t 20 number <"$fifo" || fail "the X server did not start: $(cat "$server_log")"
    rm -f "$fifo"
    export DISPLAY=":$number"
    local tries=0
    until xdpyinfo >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || fail "display $DISPLAY does not answer"
        running "$E2E_XVFB_PID" || fail "the X server ended: $(cat "$server_log")"
        sleep 0.1
    done
    [ "$tries" -eq 0 ] || log "display $DISPLAY answered after $tries tries"
    if [ "$EMBERVEIL_RUNNER" = wine ]; then
        # A wineserver belongs to the display it first met: each test gets a fresh one of its own.
        export WINEPREFIX="$EMBERVEIL_ARTIFACTS/wine-prefix" WINEDEBUG=-all
        "$EMBERVEIL_SCRIPTS/wine-prefix.sh" "$WINEPREFIX" || fail "no Wine prefix"
        wineserver -k 2>/dev/null
        wineserver -w 2>/dev/null
    fi
}

# make_runtime_folder PROGRAM...: a compositor and its clients (sway refuses root) run as nobody
# where the test runs as root, in a runtime folder RUN of their own that holds copies of the
# programs, which nobody may not reach where they were built. Sets as_user, the command line in
# front of whatever runs as that user.
make_runtime_folder() {
    RUN=$(mktemp -d)
    as_user=()
    if [ "$(id -u)" -eq 0 ]; then
        chown 65534:65534 "$RUN"
        as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    fi
    [ $# -eq 0 ] || cp "$@" "$RUN/"
}

# The command line in front of every client of a compositor: its user and its environment, the
# compositor's only.
SESSION=()

# in_session COMMAND...: runs a client of the compositor.
in_session() { "${SESSION[@]}" "$@"; }

# start_client NAME COMMAND...: starts a client of the compositor in the background, as
# run_program does; the programs in front of it exec it, so that its pid is the one kept.
start_client() {
    local name=$1
    shift
    "${SESSION[@]}" "$@" >"$E2E_DIR/$name.out" 2>"$E2E_DIR/$name.err" </dev/null &
    E2E_PIDS+=("$!")
    printf -v "${name}_pid" '%s' "$!"
}

# run_program NAME PROGRAM [ARGUMENTS...]: starts a program of this build in the background. Its
# output lands in $E2E_DIR/NAME.out and NAME.err; its pid in the variable NAME_pid.
run_program() {
    local name=$1 program=$2
    shift 2
    if [ "$EMBERVEIL_RUNNER" = wine ]; then
        wine "$program" "$@" >"$E2E_DIR/$name.out" 2>"$E2E_DIR/$name.err" </dev/null &
    else
        "$program" "$@" >"$E2E_DIR/$name.out" 2>"$E2E_DIR/$name.err" </dev/null &
    fi
    local pid=$!
    E2E_PIDS+=("$pid")
    printf -v "${name}_pid" '%s' "$pid"
}

# start_host: a fresh preview host (EMBERVEIL_PREVIEW_HOST: a program of another process with a
# window and a pane in it, see its usage) on standard input from a pipe of the test's own; sets pane.
start_host() {
    local fifo="$E2E_DIR/host.in"
    exec 5>&-
    rm -f "$fifo"
    mkfifo "$fifo"
    exec 5<>"$fifo"
    # The last host's lines must not be taken for this one's before it has started writing.
    rm -f "$E2E_DIR/host.out"
    if [ "$EMBERVEIL_RUNNER" = wine ]; then
        wine "$EMBERVEIL_PREVIEW_HOST" <&5 >"$E2E_DIR/host.out" 2>"$E2E_DIR/host.err" &
    else
        "$EMBERVEIL_PREVIEW_HOST" <&5 >"$E2E_DIR/host.out" 2>"$E2E_DIR/host.err" &
    fi
    E2E_PIDS+=("$!")
    local tries=0
    until grep -q '^pane ' "$E2E_DIR/host.out" 2>/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -lt 200 ] || fail "the host gave no pane: $(cat "$E2E_DIR/host.err")"
        sleep 0.1
    done
    pane=$(awk '/^pane / {print $2; exit}' "$E2E_DIR/host.out" | tr -d '\r')
}

# ask_host COMMAND: sends a command and prints the host's answer.
ask_host() {
    local before
    before=$(wc -l <"$E2E_DIR/host.out")
    echo "$1" >&5
    local tries=0
    until [ "$(wc -l <"$E2E_DIR/host.out")" -gt "$before" ]; do
        tries=$((tries + 1))
        [ "$tries" -lt 500 ] || fail "the host did not answer \"$1\""
        sleep 0.02
    done
    tail -n 1 "$E2E_DIR/host.out" | tr -d '\r'
}

run_saver() {
    local name=$1
    shift
    run_program "$name" "$EMBERVEIL_SAVER" "$@"
}

running() { kill -0 "$1" 2>/dev/null; }

# wait_exit PID SECONDS: waits for the program to end and sets EXIT_STATUS; fails on a timeout.
wait_exit() {
    local pid=$1 seconds=$2 waited=0
    while running "$pid"; do
        if [ "$waited" -ge $((seconds * 10)) ]; then
            fail "process $pid still running after ${seconds}s"
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    wait "$pid"
    EXIT_STATUS=$?
}

# collect_messages NAME SECONDS: waits for the program started as NAME to end and writes every
# message it showed, one "<caption>: <text>" line each, to $E2E_DIR/NAME.messages. Under Wine the
# modal boxes are read and dismissed one by one; natively they are the lines on standard error.
collect_messages() {
    local name=$1 seconds=$2
    local pid_var="${name}_pid"
    local pid=${!pid_var}
    local messages="$E2E_DIR/$name.messages"
    : >"$messages"
    if [ "$EMBERVEIL_RUNNER" = wine ]; then
        local deadline=$((SECONDS + seconds))
        while running "$pid" && [ "$SECONDS" -lt "$deadline" ]; do
            wine "$EMBERVEIL_MESSAGE_READER" 500 >>"$messages" 2>/dev/null </dev/null
        done
        tr -d '\r' <"$messages" >"$messages.tmp" && mv "$messages.tmp" "$messages"
    fi
    wait_exit "$pid" 10
    if [ "$EMBERVEIL_RUNNER" = native ]; then
        cp "$E2E_DIR/$name.err" "$messages"
    fi
}

# wait_until SECONDS MESSAGE COMMAND...: runs COMMAND every tenth of a second until it succeeds;
# fails with MESSAGE if it has not after SECONDS.
wait_until() {
    local seconds=$1 message=$2 tries=0
    shift 2
    until "$@"; do
        tries=$((tries + 1))
        [ "$tries" -lt $((seconds * 10)) ] || fail "$message"
        sleep 0.1
    done
}

# wait_for_window TITLE [SECONDS]: waits until a window with this title is mapped.
wait_for_window() {
    local title=$1 seconds=${2:-20} tries=0
    until xwininfo -name "$title" 2>/dev/null | grep -q 'Map State: IsViewable'; do
        tries=$((tries + 1))
        [ "$tries" -lt $((seconds * 10)) ] || fail "no window \"$title\" after ${seconds}s"
        sleep 0.1
    done
}

# close_about PID: closes the About window as a keyboard user would (Wine: WM_CLOSE, which the
# system menu's Close sends; GTK: Escape, with the pointer over the window so that it has the
# focus) and expects its program to end with exit code 0.
close_about() {
    if [ "$EMBERVEIL_RUNNER" = wine ]; then
        wine "$EMBERVEIL_WINDOW_READER" About close >/dev/null 2>&1 </dev/null ||
            fail "no About window to close"
    else
        local x y
        IFS=+ read -r _ x y <<<"$(window_geometry About)"
        xdotool mousemove "$((x + 200))" "$((y + 100))" key Escape
    fi
    wait_exit "$1" 10
    [ "$EXIT_STATUS" -eq 0 ] || fail "closing the About window gave exit code $EXIT_STATUS"
}

# has_icon -name TITLE | -id WINDOW: whether the window carries an icon for the desktop to show;
# a window that is not there fails the test.
has_icon() {
    xwininfo "$@" >/dev/null 2>&1 || fail "no window $*"
    xprop "$@" _NET_WM_ICON | grep -q '^_NET_WM_ICON(CARDINAL) = '
}

count_windows() { xwininfo -root -tree | grep -c "\"$1\"" || true; }

# window_geometry TITLE | -id WINDOW: prints "WIDTHxHEIGHT+X+Y" of the window.
window_geometry() {
    local which=(-name "$1")
    [ "$1" = -id ] && which=("$@")
    xwininfo "${which[@]}" | awk '
        /Absolute upper-left X:/ {x = $NF}
        /Absolute upper-left Y:/ {y = $NF}
        /^ *Width:/ {w = $NF}
        /^ *Height:/ {h = $NF}
        END {printf "%sx%s+%s+%s\n", w, h, x, y}'
}

screen_size() { xdpyinfo | awk '/dimensions:/ {print $2; exit}'; }

# screenshot FILE: the whole X screen, or the window E2E_SHOT_WINDOW names where the X server
# keeps no picture of its screen (XWayland); a .ppm file is written several times faster than a
# .png.
screenshot() { import -window "${E2E_SHOT_WINDOW:-root}" "$1"; }

# region_mean FILE GEOMETRY: prints the mean brightness (0-255) of a region such as 100x50+10+10.
region_mean() {
    convert "$1" -crop "$2" +repage -colorspace Gray -format "%[fx:int(255*mean)]" info:
}

# region_rgb FILE GEOMETRY: prints the mean "R G B" (0-255) of a region.
region_rgb() {
    convert "$1" -crop "$2" +repage \
        -format "%[fx:int(255*mean.r)] %[fx:int(255*mean.g)] %[fx:int(255*mean.b)]" info:
}

# fire_area [WIDTH HEIGHT X Y]: prints the part of the screen a fire is expected in: the given one,
# or the whole screen.
fire_area() {
    if [ $# -ge 4 ]; then
        echo "$@"
    else
        echo "$(screen_size | tr 'x' ' ') 0 0"
    fi
}

# wait_for_fire SECONDS [WIDTH HEIGHT X Y]: waits until the bottom centre of the screen (or of the
# given part of it) is white-hot, as it is once the first frame is shown, and fails if it is not
# after SECONDS. A loaded machine may take a few seconds for the first frame.
wait_for_fire() {
    local seconds=$1 width height x y probe="$E2E_DIR/probe.ppm"
    local deadline=$(($(now_ms) + seconds * 1000))
    shift
    read -r width height x y < <(fire_area "$@")
    until screenshot "$probe" &&
        [ "$(region_mean "$probe" "80x2+$((x + width / 2 - 40))+$((y + height - 2))")" -ge 230 ]; do
        [ "$(now_ms)" -lt "$deadline" ] || fail "no fire on the screen after $seconds s"
        sleep 0.3
    done
}

# expect_fire_on_screen FIRST SECOND [WIDTH HEIGHT X Y]: two screenshots, half a second apart,
# show the fire on the whole screen (or in the given part of it): white-hot at the bottom centre,
# orange just above, dark in the upper corners, and moving.
expect_fire_on_screen() {
    local first=$1 second=$2 width height x y
    shift 2
    read -r width height x y < <(fire_area "$@")
    # The flames are white only in the last rows of the screen, then turn yellow, orange and red.
    local bottom_centre red green blue upper_left upper_right changed
    bottom_centre=$(region_mean "$first" "80x2+$((x + width / 2 - 40))+$((y + height - 2))")
    read -r red green blue < <(region_rgb "$first" "80x6+$((x + width / 2 - 40))+$((y + height - 16))")
    upper_left=$(region_mean "$first" "120x120+$x+$y")
    upper_right=$(region_mean "$first" "120x120+$((x + width - 120))+$y")
    log "brightness: bottom centre $bottom_centre, upper corners $upper_left and $upper_right"
    log "colour just above the bottom: $red $green $blue"
    [ "$bottom_centre" -ge 230 ] || fail "the bottom centre is not white-hot ($bottom_centre)"
    [ "$red" -gt "$green" ] && [ "$green" -gt "$blue" ] && [ "$red" -ge 150 ] ||
        fail "the flames above the bottom are not orange ($red $green $blue)"
    [ "$upper_left" -le 40 ] || fail "the upper left corner is not dark ($upper_left)"
    [ "$upper_right" -le 40 ] || fail "the upper right corner is not dark ($upper_right)"

    local area="${width}x${height}+$x+$y"
    convert "$first" -crop "$area" +repage "$E2E_DIR/area_first.ppm"
    convert "$second" -crop "$area" +repage "$E2E_DIR/area_second.ppm"
    changed=$(compare -metric AE -fuzz 2% "$E2E_DIR/area_first.ppm" "$E2E_DIR/area_second.ppm" \
        null: 2>&1 || true)
    changed=${changed%% *}
    log "$changed pixels changed in half a second"
    [ "${changed%.*}" -ge $((width * height / 100)) ] || fail "the picture hardly moves ($changed pixels)"
}

# expect_window_failure NAME: the program started as NAME showed the library's errors captioned
# "Error", then "Failed to open window" captioned "Debug", and nothing else.
expect_window_failure() {
    local messages="$E2E_DIR/$1.messages"
    grep -q '^Error: .' "$messages" || fail "$1: no library error was shown: $(cat "$messages")"
    [ "$(tail -n 1 "$messages")" = "Debug: Failed to open window" ] ||
        fail "$1: the last message was not the window failure: $(cat "$messages")"
    if grep -v -e '^Error: .' -e '^Debug: Failed to open window$' "$messages"; then
        fail "$1: unexpected messages"
    fi
}

# ended_within PID MILLISECONDS START: the process ends no later than MILLISECONDS after START
# (from now_ms); sets EXIT_STATUS.
ended_within() {
    local pid=$1 limit=$2 start=$3 elapsed
    while running "$pid"; do
        [ $(($(now_ms) - start)) -le $((limit + 5000)) ] || fail "process $pid still running"
        sleep 0.02
    done
    elapsed=$(($(now_ms) - start))
    wait "$pid"
    EXIT_STATUS=$?
    [ "$elapsed" -le "$limit" ] || fail "process $pid took $elapsed ms to end, more than $limit"
    log "ended after $elapsed ms"
}

# now_ms: milliseconds since the epoch, read without starting a program, which on a loaded
# machine would itself take a while.
now_ms() { echo $((${EPOCHREALTIME//[!0-9]/} / 1000)); }

# no_message_shown NAME: the program started as NAME has no message box open (Wine) or has
# written no message (native).
no_message_shown() {
    if [ "$EMBERVEIL_RUNNER" = wine ]; then
        if wine "$EMBERVEIL_MESSAGE_READER" 300 >"$E2E_DIR/$1.box" 2>/dev/null </dev/null; then
            fail "$1 showed a message: $(cat "$E2E_DIR/$1.box")"
        fi
    elif [ -s "$E2E_DIR/$1.err" ]; then
        fail "$1 said: $(cat "$E2E_DIR/$1.err")"
    fi
}

# expect_quiet_end NAME MILLISECONDS START: the program started as NAME ends with exit code 0
# within MILLISECONDS of START (from now_ms) and has shown no message. A message box would hold it
# under Wine: once the time is up, one is looked for before anything else is said.
expect_quiet_end() {
    local pid_var="${1}_pid"
    local pid=${!pid_var}
    while running "$pid" && [ $(($(now_ms) - $3)) -le "$2" ]; do
        sleep 0.02
    done
    running "$pid" && no_message_shown "$1"
    ended_within "$pid" "$2" "$3"
    [ "$EXIT_STATUS" -eq 0 ] || fail "$1 ended with exit code $EXIT_STATUS"
    no_message_shown "$1"
}

# count_pixels FILE GEOMETRY "R,G,B" FUZZ: how many pixels of the region lie within FUZZ (a
# percentage of the colour distance) of the colour.
count_pixels() {
    convert "$1" -crop "$2" +repage -alpha off -fuzz "$4" -transparent "rgb($3)" -alpha extract \
        -negate -format "%[fx:round(mean*w*h)]" info:
}
