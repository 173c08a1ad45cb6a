#!/usr/bin/env bash
# A model that cannot be read shows "Failed to load mesh" captioned "Debug" and ends the process
# with exit code 0.
# Usage: mesh_failure.sh PROBE
source "$(dirname "$0")/../../e2e/lib.sh"
probe=$1
start_display

run_program probe "$probe"
collect_messages probe 30
[ "$EXIT_STATUS" -eq 0 ] || fail "exit code $EXIT_STATUS: $(cat "$E2E_DIR/probe.out")"
# Natively the messages are the lines on standard error, where the reader also names the line it
# could not read; the box is the only message.
messages=$(grep -v -e '^- ' -e '^$' -e '^model line ' "$E2E_DIR/probe.messages" || true)
[ "$messages" = "Debug: Failed to load mesh" ] || fail "messages: $messages"
log "ok"
