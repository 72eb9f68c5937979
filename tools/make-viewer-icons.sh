#!/bin/sh
# Draws the quote viewer's notification-area icons (running and paused, 32x32
# and 16x16) into resources/viewer/; `make-viewer-icons.sh FOLDER NAME` draws
# the running one as desktop icon NAME.png into FOLDER/<size>x<size>/apps/
# instead (FOLDER absolute). Needs ImageMagick; the PNGs are kept in the
# repository, so this only runs when the pictures change.
set -e
cd "$(dirname "$0")/../resources/viewer"
IM=convert
command -v magick >/dev/null 2>&1 && IM="magick"

# Running: a night-blue disc with a crescent moon and a gold speech mark,
# laid out on a 128-pixel grid and drawn $1 times as large.
running() {
$IM -size $((128 * $1))x$((128 * $1)) xc:none -affine "$1,0,0,$1,0,0" \
    -fill '#1c2f6b' -stroke '#e8c547' -strokewidth 6 -draw 'circle 64,64 64,6' \
    -stroke none -fill '#e8c547' -draw 'circle 54,60 54,22' \
    -fill '#1c2f6b' -draw 'circle 68,52 68,20' \
    -fill '#ffffff' -draw 'roundrectangle 60,74 104,100 8,8' \
    -draw 'polygon 66,98 62,114 80,98' \
    "$2"
}
# With a folder named, only the desktop icon in the hicolor theme's sizes.
if [ $# -gt 0 ]; then
    running 2 running-256.png
    for size in 16 32 48 64 128 256; do
        mkdir -p "$1/${size}x${size}/apps"
        $IM running-256.png -resize "${size}x${size}" "PNG32:$1/${size}x${size}/apps/$2.png"
    done
    rm -f running-256.png
    exit 0
fi
running 1 running-128.png
# Paused: the same disc in grey with two pause bars.
$IM -size 128x128 xc:none \
    -fill '#5a5f6b' -stroke '#c0c4cc' -strokewidth 6 -draw 'circle 64,64 64,6' \
    -stroke none -fill '#e6e6e6' -draw 'roundrectangle 40,34 56,94 4,4' \
    -draw 'roundrectangle 72,34 88,94 4,4' \
    paused-128.png
for name in running paused; do
    $IM "$name-128.png" -resize 32x32 "PNG32:$name-32.png"
    $IM "$name-128.png" -resize 16x16 "PNG32:$name-16.png"
    rm -f "$name-128.png"
done
