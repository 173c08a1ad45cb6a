#!/usr/bin/env bash
# Creates the Wine prefix at $1 once: no Mono or Gecko prompts, windows left unmanaged so that
# destroying a window does not wait for a window manager that the test displays do not have, and
# no crash dialog, so that a crashing program ends with a backtrace instead of waiting for a click.
# The marker names the settings' version: a prefix made with older settings is brought up to date.
set -eu
prefix=$1
marker=.emberveil-ready-2
[ -f "$prefix/$marker" ] && exit 0

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/$marker" ] && exit 0

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
log="$prefix.log"
wineboot -i >"$log" 2>&1 </dev/null
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >>"$log" 2>&1 </dev/null
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >>"$log" 2>&1 </dev/null
wineserver -w
touch "$prefix/$marker"
