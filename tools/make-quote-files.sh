#!/bin/sh
# Builds the viewer's quote files (Shift-JIS, CR LF) from their UTF-8
# sources in resources/viewer/src/. The .vmf files are kept in the
# repository; run this after editing a source.
set -e
cd "$(dirname "$0")/../resources/viewer"
for source in src/*.txt; do
    name="$(basename "$source" .txt).vmf"
    # Every line gets CR LF, the last one included.
    sed -e 's/\r$//' -e 's/$/\r/' "$source" | iconv -f UTF-8 -t CP932 > "$name.tmp"
    mv "$name.tmp" "$name"
done
