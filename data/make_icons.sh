#!/usr/bin/env bash
# Writes the hicolor icons from the board's 32 x 32 icon, scaled with
# nearest-neighbour sampling so that the pixel art stays crisp.
# Needs ImageMagick; the results are kept in the repository.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    convert ../resources/pictures/board.png -filter point -resize "${size}x${size}" \
        -define png:exclude-chunks=date,time "icons/quorvane-${size}.png"
done
