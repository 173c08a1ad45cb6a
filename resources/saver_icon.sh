#!/usr/bin/env bash
# Makes resources/saver.ico, the executable's icon: the window icon's flame
# (tools/make_icon_table.py) at 32 x 32 and 16 x 16, each at 4, 8 and 32 bits per pixel. The
# palette images keep one entry for the transparent ground.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 "$root/tools/make_icon_table.py" --pam >"$work/flame.pam"
images=()
for size in 32 16; do
    convert "$work/flame.pam" -filter Box -resize "${size}x${size}" PNG32:"$work/$size-32.png"
    for bits in 4 8; do
        convert "$work/$size-32.png" -channel A -threshold 50% +channel +dither \
            -colors $(((1 << bits) - 1)) PNG8:"$work/$size-$bits.png"
        images+=(-b "$bits" "$work/$size-$bits.png")
    done
    images+=(-b 32 "$work/$size-32.png")
done
icotool -c -o "$root/resources/saver.ico" "${images[@]}"
