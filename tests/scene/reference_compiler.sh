#!/usr/bin/env bash
# The shader texts, cut at their first '~' as the saver loads them, compile with Khronos'
# reference compiler: drivers other than Mesa are stricter, and a shader only Mesa accepts would
# show users a compile-error box.
# Usage: reference_compiler.sh SHADER_TEXT...
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for text in "$@"; do
    stage=${text##*.}
    cut="$work/$(basename "$text")"
    awk 'BEGIN { RS = "~" } NR == 1 { printf "%s", $0 }' "$text" >"$cut"
    grep -q '^#version 140' "$cut" || { echo "$text: no #version 140 line"; status=1; }
    if ! glslangValidator -S "$stage" "$cut"; then
        echo "$text: the reference compiler refused it"
        status=1
    fi
done
exit "$status"
