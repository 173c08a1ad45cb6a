#!/usr/bin/env bash
# Command 1: sets everything up, builds both platforms and starts the native saver full-screen.
# Without a display it runs the saver in a virtual one, saves a screenshot under build/ and ends it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" linux windows
saver="$root/build/linux/app/emberveil"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "Starting the saver on $DISPLAY: any key or mouse button ends it."
    exec "$saver" /s
fi

shot="$root/build/screenshot.png"
echo "No display found: running the saver in a virtual 1280x720 display for 4 seconds."
xvfb-run -a -s '-screen 0 1280x720x24 -noreset' bash -c '
    "$1" /s &
    saver=$!
    sleep 4
    import -window root "$2"
    xdotool key space
    wait "$saver"
' run-saver "$saver" "$shot"
echo "Screenshot of the running saver: $shot"
