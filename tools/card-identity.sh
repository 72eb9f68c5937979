#!/bin/sh
# Renders a fixed set of cards (tambwin's titles, "-s" texts, rotated,
# proportional and non-antialiased faces; mirwin's and dastor's episodes,
# texts, settings and quote lines; ordinary and odd screen sizes) into a
# folder, or checks that a build renders the same bytes as a folder
# recorded earlier. Used to prove a change to composition leaves every card
# as it was.
#
#   tools/card-identity.sh record DIR [build-dir]
#   tools/card-identity.sh check  DIR [build-dir]
set -eu
MODE="$1"
DIR="$2"
BUILD="${3:-build}"
RENDER="$(cd "$BUILD" && pwd)/tools/render_card"
[ -x "$RENDER" ] || { echo "no $RENDER; build first" >&2; exit 1; }
mkdir -p "$DIR"
DIR="$(cd "$DIR" && pwd)"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT INT TERM
export XDG_RUNTIME_DIR="$WORK"
cd "$WORK"

# tambwin.ini: height, width, escapement, orientation, weight, italic,
# underline, strike-out, charset, precisions, quality, pitch, face.
ini() { # name, escapement, quality, face
    printf '0\r\n0\r\n%s\r\n0\r\n0\r\n0\r\n0\r\n0\r\n128\r\n0\r\n0\r\n%s\r\n1\r\n%s' "$2" "$3" "$4" > "$1.ini"
}
ini default 0 0 IPAGothic
ini rotated 900 0 IPAGothic
ini tilted 150 0 IPAMincho
ini proportional 0 0 IPAPGothic
ini latin 0 0 'DejaVu Sans'
ini jagged 0 3 IPAGothic

# mirwin.ini: face, size, vertical and horizontal offset.
printf 'IPAGothic\r\n+40\r\n 100 \r\n-100 \r\n' > corner.ini
printf '\r\n-20\r\n-100 \r\n 100 \r\n' > small.ini
: > none.ini
printf '一\r\n二番目の話\r\n三\r\n' > quotes.vmf

LONG='とても長い一行目の題名がここに続いてゆきますよ,second line that runs on and on and on and on,るび,ruby two,三行目'
FOREIGN='AéB€😀한 Ωψ,星環国,ÅÄÖ,ñ,→∀'

failed=0
count=0
case_() { # label, ini, tambwin arguments...
    label=$1 settings=$2
    shift 2
    card_ tambwin "$label" --ini "$settings.ini" -- "$@"
}

card_() { # program, label, render_card options... -- arguments...
    program=$1 label=$2
    shift 2
    for size in 640x480 1024x768 1366x768 1920x1080 3840x2160 1x1 7x3000; do
        out="$label-$size.png"
        if [ "$MODE" = record ]; then
            "$RENDER" --card "$program" --size "$size" --time 1 -o "$DIR/$out" "$@"
        else
            "$RENDER" --card "$program" --size "$size" --time 1 -o "$out" "$@"
            if ! cmp -s "$out" "$DIR/$out"; then
                echo "DIFFERENT: $out"
                failed=1
            fi
        fi
        count=$((count + 1))
    done
}

case_ title12 default 12
case_ title22 default 22
case_ title1 default 1
case_ long default -s "$LONG"
case_ foreign default -s "$FOREIGN"
case_ rotated rotated 22
case_ tilted tilted -s "$FOREIGN"
case_ proportional proportional -s "$LONG"
case_ latin latin -s "$FOREIGN"
case_ jagged jagged 22
case_ jaggedforeign jagged -s "$FOREIGN"
card_ mirwin mirwin12 --ini none.ini -- 12
card_ mirwin mirwinrandom --ini small.ini --
card_ mirwin mirwincorner --ini corner.ini -- "$LONG"
card_ mirwin mirwinforeign --ini none.ini -- "$FOREIGN"
card_ dastor dastortext -- "砂は流れ,夜は明ける"
card_ dastor dastorquote --quotes quotes.vmf --
card_ dastor dastorlong -- "$LONG"

if [ "$MODE" = record ]; then
    echo "recorded $count cards in $DIR"
elif [ $failed = 0 ]; then
    echo "$count cards identical to $DIR"
fi
exit $failed
