#!/usr/bin/env bash
# Without GLX no context can be made: the library's errors are shown with the caption "Error", then
# "Failed to open window" with the caption "Debug", and the process still exits with code 0.
source "$(dirname "$0")/lib.sh"
start_display -extension GLX

run_saver saver /s
collect_messages saver 60
[ "$EXIT_STATUS" -eq 0 ] || fail "exit code $EXIT_STATUS"

messages="$E2E_DIR/saver.messages"
grep -q '^Error: .' "$messages" || fail "no library error was shown: $(cat "$messages")"
[ "$(tail -n 1 "$messages")" = "Debug: Failed to open window" ] ||
    fail "the last message was not the window failure: $(cat "$messages")"
if grep -v -e '^Error: .' -e '^Debug: Failed to open window$' "$messages"; then
    fail "unexpected messages"
fi
log "ok"
