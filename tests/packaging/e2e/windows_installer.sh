#!/usr/bin/env bash
# The Windows installer as a user runs it, silently, in a Wine prefix of its own: the saver lands
# in the system folder with its "Add or remove programs" entry, runs from there, is made the
# screen saver only when asked, and the uninstaller takes everything away again, leaving a screen
# saver the user chose since alone.
# Usage: windows_installer.sh INSTALLER
source "$(dirname "$0")/../../e2e/lib.sh"
installer=$1
start_display
export WINEPREFIX="$E2E_DIR/prefix"
"$EMBERVEIL_SCRIPTS/wine-prefix.sh" "$WINEPREFIX" || fail "no Wine prefix"

system_saver="$WINEPREFIX/drive_c/windows/system32/Emberveil.scr"
program_dir="$WINEPREFIX/drive_c/Program Files/Emberveil"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Emberveil'
desktop_key='HKCU\Control Panel\Desktop'

# reg_value KEY NAME: prints the value's data, or nothing when it does not exist.
reg_value() {
    wine reg query "$1" /v "$2" >"$E2E_DIR/reg.out" 2>/dev/null </dev/null
    tr -d '\r' <"$E2E_DIR/reg.out" | awk -v name="$2" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}

# run_to_end PROGRAM ARGUMENTS...: runs a Windows program and waits until it and everything it
# started have ended (the uninstaller hands over to a copy of itself).
run_to_end() {
    wine "$@" >"$E2E_DIR/run.out" 2>&1 </dev/null
    local status=$?
    wineserver -w
    return "$status"
}

install() { run_to_end "$installer" /S "$@" || fail "install $* gave exit code $?"; }
uninstall() { run_to_end "C:\\Program Files\\Emberveil\\Uninstall.exe" /S || fail "uninstall gave exit code $?"; }

expect_installed() {
    [ -f "$system_saver" ] || fail "no saver in the system folder"
    [ -f "$program_dir/Uninstall.exe" ] || fail "no uninstaller"
    [ "$(reg_value "$uninstall_key" DisplayName)" = Emberveil ] || fail "no uninstall entry"
    [ "$(reg_value "$uninstall_key" Publisher)" = Lumencrest ] || fail "wrong publisher"
    [ -n "$(reg_value "$uninstall_key" DisplayVersion)" ] || fail "no version"
    [ "$(reg_value "$uninstall_key" DisplayIcon)" = 'C:\windows\system32\Emberveil.scr,0' ] ||
        fail "the entry does not show the saver's icon"
    [ "$(reg_value "$uninstall_key" UninstallString)" = '"C:\Program Files\Emberveil\Uninstall.exe"' ] ||
        fail "wrong uninstall command"
    [ $(($(reg_value "$uninstall_key" EstimatedSize))) -ge 1000 ] || fail "no size"
}

expect_nothing_left() {
    [ ! -e "$system_saver" ] || fail "the saver was left behind"
    [ ! -e "$program_dir" ] || fail "the program folder was left behind"
    [ -z "$(reg_value "$uninstall_key" DisplayName)" ] || fail "the uninstall entry was left behind"
}

# A silent install changes nothing about the user's screen saver unless asked, and the installed
# saver runs from the system folder and ends on a key.
install
expect_installed
cmp -s "$system_saver" "$(dirname "$installer")/stripped/Emberveil.scr" ||
    fail "the installed saver is not the build's stripped saver"
[ -z "$(reg_value "$desktop_key" SCRNSAVE.EXE)" ] || fail "a silent install set the screen saver"
run_program installed 'C:\windows\system32\Emberveil.scr' /s
wait_for_window Emberveil
xdotool key space
wait_exit "$installed_pid" 10
[ "$EXIT_STATUS" -eq 0 ] || fail "the installed saver exited with $EXIT_STATUS"

# Installing again over it, now as the screen saver; one uninstall takes everything, the choice
# of screen saver included.
install /SETSAVER=yes
expect_installed
[ "$(reg_value "$desktop_key" SCRNSAVE.EXE)" = 'C:\windows\system32\Emberveil.scr' ] ||
    fail "/SETSAVER=yes did not set the screen saver"
[ "$(reg_value "$desktop_key" ScreenSaveActive)" = 1 ] || fail "the screen saver is not on"
cp "$program_dir/Uninstall.exe" "$E2E_DIR/prefix/drive_c/spare-uninstall.exe"
wine reg add 'HKCU\Software\Lumencrest\Emberveil' /v FireOnEveryMonitor /t REG_DWORD /d 0 /f \
    >/dev/null 2>&1 </dev/null || fail "could not write the saver's setting"
uninstall
expect_nothing_left
[ -z "$(reg_value 'HKCU\Software\Lumencrest\Emberveil' FireOnEveryMonitor)" ] ||
    fail "the saver's setting was left behind"
[ -z "$(reg_value "$desktop_key" SCRNSAVE.EXE)" ] || fail "the screen saver still points at Emberveil"

# A second uninstall finds nothing to do and does no harm.
run_to_end 'C:\spare-uninstall.exe' /S '_?=C:\Program Files\Emberveil' ||
    fail "a second uninstall gave exit code $?"
expect_nothing_left

# A screen saver the user chose after installing stays theirs.
install /SETSAVER=yes
wine reg add "$desktop_key" /v SCRNSAVE.EXE /t REG_SZ /d 'C:\windows\system32\other.scr' /f \
    >/dev/null 2>&1 </dev/null
uninstall
expect_nothing_left
[ "$(reg_value "$desktop_key" SCRNSAVE.EXE)" = 'C:\windows\system32\other.scr' ] ||
    fail "the uninstaller reset a screen saver that was not Emberveil"

# The prefix takes hundreds of megabytes; a failed run keeps it for a look.
wineserver -k
wineserver -w
rm -rf "$WINEPREFIX"
log "ok"
