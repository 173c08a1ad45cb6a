#!/usr/bin/env bash
# Runs a program of the Windows build under Wine with the build's private prefix. Wine's output
# goes through a file: the background processes of a freshly started wineserver would otherwise
# hold the caller's pipe open after the program has ended.
#
# With EMBERVEIL_WINE_TIMEOUT set (the tests set it), a program still running after that many
# seconds is stopped with status 124, after the windows on the display have been listed: a modal
# box nobody answers is the usual reason, and its caption names it.
set -u
scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX="${WINEPREFIX:-$scripts/../build/wine-prefix}"
export WINEDEBUG=-all
"$scripts/wine-prefix.sh" "$WINEPREFIX" || exit 1

limit=${EMBERVEIL_WINE_TIMEOUT:-0}
output=$(mktemp)
if [ "$limit" -le 0 ]; then
    # In the foreground, so that an interrupt from the terminal reaches the program.
    wine "$@" >"$output" 2>&1 </dev/null
    status=$?
else
    wine "$@" >"$output" 2>&1 </dev/null &
    program=$!
    ticks=0
    while kill -0 "$program" 2>/dev/null && [ "$ticks" -lt $((limit * 5)) ]; do
        sleep 0.2
        ticks=$((ticks + 1))
    done
    if kill -0 "$program" 2>/dev/null; then
        {
            echo "wine-run: $1 still running after ${limit} s; the named windows on ${DISPLAY:-no display}:"
            xwininfo -root -tree 2>/dev/null | grep -v '(has no name)' | grep '"' | head -n 40
        } >>"$output"
        kill "$program" 2>/dev/null
        wineserver -k 2>/dev/null
        wait "$program"
        status=124
    else
        wait "$program"
        status=$?
    fi
fi
cat "$output"
rm -f "$output"
exit "$status"
