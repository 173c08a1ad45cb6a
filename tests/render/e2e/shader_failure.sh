#!/usr/bin/env bash
# A shader that does not compile shows its log, then names the stage, both captioned "Debug", and
# the process ends with exit code 0; after a vertex failure no fragment shader is ever created.
# Usage: shader_failure.sh PROBE
source "$(dirname "$0")/../../e2e/lib.sh"
probe=$1
start_display

# run_probe MODE: runs the probe to its end and leaves its messages and output in $messages and
# $created.
run_probe() {
    local name=${1//-/_}
    run_program "$name" "$probe" "$1"
    collect_messages "$name" 30
    [ "$EXIT_STATUS" -eq 0 ] || fail "$1: exit code $EXIT_STATUS"
    messages=$(cat "$E2E_DIR/$name.messages")
    created=$(tr -d '\r' <"$E2E_DIR/$name.out")
}

# expect_log_then MODE LAST: the first box holds a compile log, the second and last is LAST.
expect_log_then() {
    local first_line last_line boxes
    first_line=$(printf '%s\n' "$messages" | head -n 1)
    last_line=$(printf '%s\n' "$messages" | tail -n 1)
    boxes=$(printf '%s\n' "$messages" | grep -c '^Debug: ')
    [ "$boxes" -eq 2 ] || fail "$1: $boxes boxes: $messages"
    case $first_line in
    "Debug: "?*) ;;
    *) fail "$1: first box is not a compile log: $messages" ;;
    esac
    [ "$first_line" != "$2" ] || fail "$1: no compile log before \"$2\""
    printf '%s\n' "$messages" | grep -q -i error || fail "$1: the log holds no error: $messages"
    [ "$last_line" = "$2" ] || fail "$1: last box: $last_line"
}

run_probe vertex
expect_log_then vertex "Debug: Vertex shader compilation error"
printf '%s\n' "$messages" | grep -q undeclared_name || fail "vertex: log does not name the fault"
[ "$created" = "created vertex" ] || fail "vertex: shaders created: $created"

run_probe fragment
expect_log_then fragment "Debug: Fragment shader compilation error"
[ "$created" = $'created vertex\ncreated fragment' ] || fail "fragment: shaders created: $created"

run_probe empty-log
[ "$messages" = $'Debug: The shader compiler gave no log.\nDebug: Vertex shader compilation error' ] ||
    fail "empty-log: $messages"
[ "$created" = "created vertex" ] || fail "empty-log: shaders created: $created"

run_probe missing
expect_log_then missing "Debug: Vertex shader compilation error"
[ "$created" = "created vertex" ] || fail "missing: shaders created: $created"
log "ok"
