#!/bin/sh
# Draws the desktop icons of the programs with menu entries into
# packaging/icons/ in the hicolor theme's layout (16 to 256 pixels), each
# from the generator of the program's own icon. The PNGs are kept in the
# repository, so this only runs when the pictures change.
set -e
cd "$(dirname "$0")/.."
ICONS="$(pwd)/packaging/icons"
sh tools/make-viewer-icons.sh "$ICONS" titlecard-suite-velmo
for size in 16 32 48 64 128 256; do
    dir="$ICONS/${size}x${size}/apps"
    mkdir -p "$dir"
    python3 tools/make_icon.py "$dir/titlecard-suite-tambinit.png" "$size"
    python3 tools/make_moon_icon.py "$dir/titlecard-suite-mirinit.png" "$size"
done
