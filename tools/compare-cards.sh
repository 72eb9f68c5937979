#!/bin/sh
# Renders pairs of tambwin command lines that must give the same card and
# compares the PNG files byte for byte.
#
#   tools/compare-cards.sh [build-dir] [WxH]
set -eu
BUILD="${1:-build}"
SIZE="${2:-640x480}"
RENDER="$(cd "$BUILD" && pwd)/tools/render_card"
[ -x "$RENDER" ] || { echo "no $RENDER; build first" >&2; exit 1; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT INT TERM
export XDG_RUNTIME_DIR="$WORK"
cd "$WORK" # no tambwin.ini here: the default font, as on a fresh install

render() { # out, tambwin arguments...
    out=$1
    shift
    "$RENDER" --size "$SIZE" --time 1 -o "$out" -- "$@"
}

failed=0
check() { # label, then the two command lines separated by "=="
    label=$1
    shift
    left=""
    for a in "$@"; do
        shift
        [ "$a" = "==" ] && break
        left="$left $a"
    done
    # shellcheck disable=SC2086
    render a.png $left
    render b.png "$@"
    if cmp -s a.png b.png; then
        echo "same:      tambwin$left  ==  tambwin $*"
    else
        echo "DIFFERENT: tambwin$left  vs  tambwin $* ($label)"
        failed=1
    fi
}

check "rest of the number ignored" 12abc == 12
render a.png "7 8"; render b.png 7
if cmp -s a.png b.png; then echo "same:      tambwin '7 8'  ==  tambwin 7"; else echo "DIFFERENT: '7 8' vs 7"; failed=1; fi
check "plus sign" +5 == 5
check "wrap-around" 4294967297 == 1
check "empty field" -s a,,b == -s a,b
render a.png 12; render b.png 13
if cmp -s a.png b.png; then echo "SAME: 12 and 13 must differ"; failed=1; else echo "different: tambwin 12  vs  tambwin 13 (as it should)"; fi
exit $failed
