#!/usr/bin/env bash
# Runs a program of the Windows build under Wine with the build's private prefix. Wine's output
# goes through a file: the background processes of a freshly started wineserver would otherwise
# hold the caller's pipe open after the program has ended.
set -u
scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX="${WINEPREFIX:-$scripts/../build/wine-prefix}"
export WINEDEBUG=-all
"$scripts/wine-prefix.sh" "$WINEPREFIX" || exit 1

output=$(mktemp)
wine "$@" >"$output" 2>&1 </dev/null
status=$?
cat "$output"
rm -f "$output"
exit "$status"
