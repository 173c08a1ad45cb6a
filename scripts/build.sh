#!/usr/bin/env bash
# Configures and builds the given presets (default: the native and the Windows build). Quick when
# nothing changed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
presets=("$@")
[ "${#presets[@]}" -gt 0 ] || presets=(linux windows)
for preset in "${presets[@]}"; do
    echo "build: $preset"
    mkdir -p build
    cmake --preset "$preset" >"build/$preset-configure.log" 2>&1 || {
        cat "build/$preset-configure.log" >&2
        exit 1
    }
    cmake --build --preset "$preset" --parallel 2
done
