#!/usr/bin/env bash
# "/c" and "/c:<n>" show the About window, also while another saver holds the single-instance
# name: centred, the product name black and the maker's lines blue on light green, the picture at
# (142, 55), a button that opens the maker's site once per click and leaves the window open.
# Closing the window ends the saver with exit code 0. On Windows the executable carries its
# shell resources and its application manifest, whose common controls 6 the About window uses.
# Arguments: the link the button opens, the picture's bitmap file, the project version, the
# application manifest.
source "$(dirname "$0")/lib.sh"
link=$1
picture=$2
version=$3
manifest=$4

# The link goes to a recorder instead of a browser: under Wine through its browser setting,
# natively through the desktop's default handler for https addresses.
opened="$E2E_DIR/opened.txt"
recorder="$E2E_DIR/recorder.sh"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$opened" >"$recorder"
chmod +x "$recorder"
use_recorder() {
    : >"$opened"
    if [ "$EMBERVEIL_RUNNER" = wine ]; then
        wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ /d "$recorder" /f \
            >"$E2E_DIR/reg.log" 2>&1 </dev/null || fail "cannot set Wine's browser"
        return
    fi
    export XDG_DATA_HOME="$E2E_DIR/data" XDG_CONFIG_HOME="$E2E_DIR/config"
    mkdir -p "$XDG_DATA_HOME/applications" "$XDG_CONFIG_HOME"
    printf '[Desktop Entry]\nType=Application\nName=Recorder\nExec=%s %%u\nMimeType=%s\n' \
        "$recorder" "x-scheme-handler/https;" >"$XDG_DATA_HOME/applications/recorder.desktop"
    printf '[Default Applications]\nx-scheme-handler/https=recorder.desktop\n' \
        >"$XDG_CONFIG_HOME/mimeapps.list"
}

read_window() {
    wine "$EMBERVEIL_WINDOW_READER" About "$1" </dev/null 2>&1 | tr -d '\r'
}

lines_opened() { wc -l <"$opened"; }

wait_for_links() {
    local tries=0
    until [ "$(lines_opened)" -ge "$1" ]; do
        tries=$((tries + 1))
        [ "$tries" -lt 200 ] || fail "$(lines_opened) links opened, expected $1"
        sleep 0.1
    done
}

click() { xdotool mousemove "$((client_x + $1))" "$((client_y + $2))" click 1; }

# An odd screen size in both directions: the halves are truncated. Configuration skips the
# single-instance rule, so it starts while a switch-less saver runs.
start_display -screen 0 1365x767x24
run_saver holder
wait_for_window Emberveil
run_saver about /c:1234
wait_for_window About
kill -9 "$holder_pid"
geometry=$(window_geometry About)
[ "$geometry" = "400x300+482+233" ] || fail "on 1365x767 the window is $geometry"
close_about "$about_pid"
stop_display

start_display
use_recorder
run_saver about /c
wait_for_window About
geometry=$(window_geometry About)
[ "$geometry" = "400x300+312+234" ] || fail "on 1024x768 the window is $geometry"
if [ "$EMBERVEIL_RUNNER" = wine ]; then
    read_window describe >"$E2E_DIR/window.txt"
    read -r _ client_x client_y _ < <(grep '^client ' "$E2E_DIR/window.txt")
    grep -qx 'style caption=1 closebox=1 minimizebox=0 maximizebox=0 sizingborder=0' \
        "$E2E_DIR/window.txt" || fail "frame: $(grep '^style' "$E2E_DIR/window.txt")"
    [ "$(grep '^control ' "$E2E_DIR/window.txt")" = "control 10 Static 20 150 380 80 style 50010000
control 30 Static 100 20 280 20 style 50010000
control 10 Button 150 210 100 32 style 50000000" ] || fail "controls: $(cat "$E2E_DIR/window.txt")"
    # The manifest brings version 6 of the common controls from the side-by-side store, which the
    # saver would not load at all without it.
    read_window controls-library >"$E2E_DIR/controls.txt"
    grep -Eq '^comctl32 assembly 6\.[0-9.]+ ' "$E2E_DIR/controls.txt" ||
        fail "no common controls 6 in the About window's process: $(cat "$E2E_DIR/controls.txt")"
else
    client_x=312 client_y=234
fi

sleep 0.5
screenshot "$E2E_DIR/screen.png"
convert "$E2E_DIR/screen.png" -crop "$geometry" +repage "$E2E_DIR/about.png"
at() { printf '%dx%d+%d+%d' "$3" "$4" "$((client_x + $1))" "$((client_y + $2))"; }
[ "$(region_rgb "$E2E_DIR/screen.png" "$(at 10 60 100 60)")" = "177 232 179" ] ||
    fail "background is $(region_rgb "$E2E_DIR/screen.png" "$(at 10 60 100 60)")"
convert "$E2E_DIR/screen.png" -crop "$(at 142 55 110 83)" +repage "$E2E_DIR/picture.png"
differing=$(compare -metric AE "$E2E_DIR/picture.png" "$picture" null: 2>&1)
[ "$differing" = 0 ] || fail "$differing pixels of the picture differ from the bitmap"
black=$(count_pixels "$E2E_DIR/screen.png" "$(at 100 20 280 20)" 0,0,0 10%)
[ "$black" -ge 100 ] || fail "the product name has $black black pixels"
blue=$(count_pixels "$E2E_DIR/screen.png" "$(at 20 150 380 80)" 0,51,255 10%)
[ "$blue" -ge 500 ] || fail "the about text has $blue blue pixels"

# The statics send nothing; each click on the button opens the link once.
click 240 30
click 60 160
click 200 226
wait_for_links 1
click 200 226
wait_for_links 2
sleep 1
[ "$(cat "$opened")" = "$link"$'\n'"$link" ] || fail "opened: $(cat "$opened")"
running "$about_pid" || fail "the window closed after a click on its button"
wait_for_window About 1
close_about "$about_pid"

if [ "$EMBERVEIL_RUNNER" = wine ]; then
    # The executable's shell resources: two icon groups of six images, the display name as
    # string 1 (its block holds strings 0 to 15, each counted in UTF-16) and the version.
    for group in 102 113; do
        wrestool -x --type=14 --name="$group" -o "$E2E_DIR/$group.ico" "$EMBERVEIL_SAVER"
        icons=$(icotool -l "$E2E_DIR/$group.ico" | cut -d ' ' -f 3-5 | sort | tr '\n' ' ')
        [ "$icons" = "$(printf -- '--width=%s --height=%s --bit-depth=%s ' \
            16 16 32 16 16 4 16 16 8 32 32 32 32 32 4 32 32 8)" ] || fail "icon group $group: $icons"
    done
    strings=$(wrestool -x --raw --type=6 --name=1 "$EMBERVEIL_SAVER" | od -An -v -tu2 | xargs)
    [[ "$strings" == "0 9 69 109 98 101 114 118 101 105 108 "* ]] || fail "strings: $strings"
    version_text=$(wrestool -x --raw --type=16 "$EMBERVEIL_SAVER" | tr -d '\0')
    for value in "CompanyNameLumencrest" "ProductNameEmberveil" "ProductVersion$version"; do
        grep -aq "$value" <<<"$version_text" || fail "the version resource lacks $value"
    done
    # The application manifest is the project's file as resource 1 of type 24, where Windows looks
    # for it, and declares no DPI awareness, which would make the About window's own call fail.
    wrestool -x --raw --type=24 --name=1 "$EMBERVEIL_SAVER" >"$E2E_DIR/manifest.xml"
    cmp -s "$E2E_DIR/manifest.xml" "$manifest" || fail "the manifest resource is not $manifest"
    [ "$(xmllint --xpath 'count(//*[starts-with(local-name(), "dpiAware")])' "$manifest")" = 0 ] ||
        fail "the manifest declares DPI awareness"
else
    # Without the About program beside it or installed, the saver says so and ends with 0.
    mkdir -p "$E2E_DIR/alone"
    cp "$EMBERVEIL_SAVER" "$E2E_DIR/alone/"
    EMBERVEIL_SAVER="$E2E_DIR/alone/emberveil" run_saver alone /c
    wait_exit "$alone_pid" 10
    [ "$EXIT_STATUS" -eq 0 ] || fail "a missing About program gave exit code $EXIT_STATUS"
    grep -q '^Error!: Cannot start .*emberveil-about: No such file or directory$' \
        "$E2E_DIR/alone.err" || fail "a missing About program showed: $(cat "$E2E_DIR/alone.err")"
fi
log "ok"
