#!/usr/bin/env bash
# The Debian package as a user would get it: its control fields and files, lintian's verdict,
# and the saver unpacked from it, run by the real X11 screen-saver daemon.
# Usage: debian_package.sh PACKAGE UNSTRIPPED_SAVER VERSION
source "$(dirname "$0")/../../e2e/lib.sh"
package=$1
unstripped=$2
version=$3
[ -f "$package" ] || fail "no package at $package"

field() { dpkg-deb -f "$package" "$1"; }
[ "$(field Package)" = emberveil ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "architecture $(field Architecture)"
[ "$(field Section)" = x11 ] || fail "section $(field Section)"
[ "$(field Priority)" = optional ] || fail "priority $(field Priority)"
[ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ] || fail "no maintainer or description"
# The dependencies come from the libraries the saver really links.
for library in libc6 libx11-6 libglew2.2 libopengl0 libstdc++6 libgtk-3-0 libwayland-client0 \
    libegl1 libsystemd0; do
    field Depends | grep -q "$library" || fail "no dependency on $library: $(field Depends)"
done

expected="./etc/xdg/autostart/emberveil-idle.desktop
./usr/bin/emberveil -> ../libexec/xscreensaver/emberveil
./usr/libexec/xscreensaver/emberveil
./usr/libexec/xscreensaver/emberveil-about
./usr/share/doc/emberveil/changelog.gz
./usr/share/doc/emberveil/copyright
./usr/share/man/man6/emberveil.6.gz
./usr/share/xscreensaver/config/emberveil.xml"
files=$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ { $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' | sort)
[ "$files" = "$expected" ] || fail "the package holds:
$files"
# An administrator's edits to the autostart entry survive upgrades.
[ "$(dpkg-deb -I "$package" conffiles)" = /etc/xdg/autostart/emberveil-idle.desktop ] ||
    fail "the autostart entry is not a conffile"

lintian --tag-display-limit 0 "$package" >"$E2E_DIR/lintian.out" 2>&1
grep -v 'running with root privileges' "$E2E_DIR/lintian.out"
if grep -q '^E: ' "$E2E_DIR/lintian.out"; then
    fail "lintian found errors"
fi

root="$E2E_DIR/root"
dpkg -x "$package" "$root"
saver="$root/usr/libexec/xscreensaver/emberveil"
# Stripped in the package, with the symbols kept in the build tree for debugging.
readelf -S "$saver" | grep -q '\.symtab' && fail "the packaged saver is not stripped"
readelf -S "$unstripped" | grep -q '\.debug_info' || fail "the build tree's saver has no debug information"
[ "$(readlink -f "$root/usr/bin/emberveil")" = "$(readlink -f "$saver")" ] || fail "the link in bin is broken"

config="$root/usr/share/xscreensaver/config/emberveil.xml"
xmllint --noout "$config" || fail "the settings file does not parse"
[ "$(xmllint --xpath 'string(/screensaver/@name)' "$config")" = emberveil ] || fail "settings name"
[ "$(xmllint --xpath 'string(/screensaver/@gl)' "$config")" = yes ] || fail "not marked as GL"
[ "$(xmllint --xpath 'string(/screensaver/command/@arg)' "$config")" = --root ] || fail "no --root"
# The settings tool offers the frame rate as the daemon's own GL modes do: a checkbox to show it
# and a slider for the pause between frames.
[ "$(xmllint --xpath 'string(/screensaver/boolean[@id="showfps"][@_label="Show frame rate"]/@arg-set)' \
    "$config")" = --fps ] || fail "no \"Show frame rate\" checkbox for --fps"
slider=$(xmllint --xpath 'string(/screensaver/number[@id="delay"][@type="slider"][@_label="Frame rate"]
    [@low="0"][@high="100000"][@default="30000"][@convert="invert"]/@arg)' "$config")
[ "$slider" = "--delay %" ] || fail "no \"Frame rate\" slider for --delay: \"$slider\""
[ -n "$(xmllint --xpath 'normalize-space(/screensaver/_description)' "$config")" ] ||
    fail "no description"

# GNOME sessions, and only they, start the idle watcher with the entry's command, which the
# packaged saver takes as the watcher's: without a session bus it says so.
entry="$root/etc/xdg/autostart/emberveil-idle.desktop"
grep -qx 'OnlyShowIn=GNOME;' "$entry" || fail "the autostart entry is not for GNOME alone"
command=$(sed -n 's/^Exec=emberveil //p' "$entry")
[ -n "$command" ] || fail "the autostart entry does not run emberveil: $(grep '^Exec=' "$entry")"
# shellcheck disable=SC2086
watcher=$(env -i XDG_RUNTIME_DIR="$E2E_DIR" timeout 10 "$saver" $command 2>&1) ||
    fail "the autostart entry's \"emberveil $command\" ended with exit code $?"
[ "$watcher" = "Debug: No session bus to watch the session's idle time on" ] ||
    fail "the autostart entry's \"emberveil $command\" said: $watcher"

EMBERVEIL_E2E_NAME=debian_package_daemon bash "$(dirname "$0")/../../e2e/xscreensaver.sh" "$saver" ||
    fail "the unpacked saver did not run under the daemon"
log "ok"
