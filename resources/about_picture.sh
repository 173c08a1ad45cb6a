#!/usr/bin/env bash
# Makes resources/about_picture.bmp, the About window's picture: a frame of the saver rendered by
# the project's own render-frame, its lower middle (where the flames burn) shrunk to 110 x 83 and
# written as an uncompressed 24-bit BMP. Needs the native build and an X display:
#   xvfb-run -a bash resources/about_picture.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$root/build/linux/tools/render-frame/render-frame" --size 1280x720 --time 8 \
    --out "$work/frame.png" >/dev/null
convert "$work/frame.png" -crop 440x332+420+388 +repage -filter Box -resize '110x83!' \
    -type TrueColor BMP3:"$root/resources/about_picture.bmp"
