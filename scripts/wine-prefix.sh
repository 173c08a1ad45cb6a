#!/usr/bin/env bash
# Creates the Wine prefix at $1 once: no Mono or Gecko prompts, and windows left unmanaged so that
# destroying a window does not wait for a window manager that the test displays do not have.
set -eu
prefix=$1
[ -f "$prefix/.emberveil-ready" ] && exit 0

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.emberveil-ready" ] && exit 0

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
log="$prefix.log"
wineboot -i >"$log" 2>&1 </dev/null
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >>"$log" 2>&1 </dev/null
wineserver -w
touch "$prefix/.emberveil-ready"
