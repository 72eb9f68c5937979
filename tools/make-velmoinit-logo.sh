#!/bin/sh
# Draws the logo of velmoinit's about page into resources/viewer_properties/:
# the viewer's crescent and speech mark over the word VELMO, on a night-blue
# card with a gold frame. Needs ImageMagick and the DejaVu fonts; the PNG is
# kept in the repository, so this only runs when the picture changes.
set -e
cd "$(dirname "$0")/../resources/viewer_properties"
IM=convert
command -v magick >/dev/null 2>&1 && IM="magick"
FONT=/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf

$IM -size 320x320 xc:none \
    -fill '#1c2f6b' -stroke '#e8c547' -strokewidth 10 -draw 'roundrectangle 10,10 310,310 36,36' \
    -stroke none -fill '#e8c547' -draw 'circle 140,120 140,44' \
    -fill '#1c2f6b' -draw 'circle 168,104 168,40' \
    -fill '#ffffff' -draw 'roundrectangle 170,128 250,176 14,14' \
    -draw 'polygon 182,172 172,204 206,172' \
    -fill '#f4e7b0' -font "$FONT" -pointsize 64 -gravity south -annotate +0+36 'VELMO' \
    -resize 80x80 PNG32:logo.png
