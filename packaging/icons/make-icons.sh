#!/usr/bin/env bash
# Draws the icon's hicolor sizes from its scalable form with rsvg-convert (Debian's package
# librsvg2-bin) into this folder, one PNG a size, as the build installs them.
#
# usage: packaging/icons/make-icons.sh
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" ../io.github.quintel.Quintel.svg \
        --output "io.github.quintel.Quintel-$size.png"
done
