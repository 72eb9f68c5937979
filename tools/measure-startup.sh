#!/bin/sh
# Races a title-card program (tambwin, mirwin or dastor) against a plain
# image viewer (feh -F) showing a PNG of the very same card, under Xvfb,
# and prints the median time from start to first frame of each and their
# ratio. Both are timed from outside by tools/first_frame_watch: from the
# start of the process until the screen shows the card.
#
# Runs are interleaved (viewer, card with an empty card cache, card with
# the cache filled by the run before), so a busy machine slows all alike.
# tambwin keeps finished cards in its cache; "cold" is its run with an
# empty cache, "warm" a cache hit. At the end, the peak memory of one run
# of each (GNU time).
#
#   tools/measure-startup.sh [build-dir] [runs] [WxH] [program [arguments...]]
#
# Without arguments tambwin and mirwin show episode 12 and dastor a fixed
# line. Needs feh, GNU time and the watcher (tools/install-deps.sh --bench).
set -eu
BUILD="$(cd "${1:-build}" && pwd)"
RUNS="${2:-9}"
SIZE="${3:-1920x1080}"
PROGRAM_NAME="${4:-tambwin}"
[ $# -gt 4 ] && shift 4 || set --
if [ $# -eq 0 ]; then
    case "$PROGRAM_NAME" in
        tambwin|mirwin) set -- 12 ;;
        dastor) set -- "砂は流れ,夜は明ける" ;;
    esac
fi
PROGRAM="$BUILD/suite/$PROGRAM_NAME"
WATCH="$BUILD/tools/first_frame_watch"
RENDER="$BUILD/tools/render_card"
for tool in "$PROGRAM" "$WATCH" "$RENDER"; do
    [ -x "$tool" ] || { echo "no $tool; build first (tools/install-deps.sh --bench for the watcher)" >&2; exit 1; }
done
command -v feh >/dev/null || { echo "no feh (tools/install-deps.sh --bench)" >&2; exit 1; }

. "$(dirname "$0")/benchdisplay.sh"
start_bench_display "$SIZE"

# A fresh user: no settings (the programs read them from the current
# folder in the build layout), no sound server, an empty cache.
cd "$WORK"
export XDG_RUNTIME_DIR="$WORK" XDG_CONFIG_HOME="$WORK/config" XDG_CACHE_HOME="$WORK/cache"
"$RENDER" --card "$PROGRAM_NAME" --size "$SIZE" -o "$WORK/card.png" -- "$@"

first_frame() { # linger-ms, command...
    linger=$1
    shift
    "$WATCH" "$WORK/card.png" --linger "$linger" -- "$@" 2>>"$WORK/stderr" | sed -n 's/^first frame after \([0-9.]*\) ms$/\1/p'
}

: >"$WORK/feh" ; : >"$WORK/cold" ; : >"$WORK/warm"
i=1
while [ "$i" -le "$RUNS" ]; do
    feh_ms=$(first_frame 0 feh -F "$WORK/card.png")
    rm -rf "$XDG_CACHE_HOME"
    # The cold run lingers, so the card it composed reaches the cache.
    cold_ms=$(first_frame 1500 "$PROGRAM" "$@")
    # The card just stored is written out first, as it long is when a user
    # starts the card again.
    sync
    warm_ms=$(first_frame 0 "$PROGRAM" "$@")
    echo "run $i: feh ${feh_ms:-?} ms, $PROGRAM_NAME cold ${cold_ms:-?} ms, warm ${warm_ms:-?} ms"
    [ -n "$feh_ms" ] && echo "$feh_ms" >>"$WORK/feh"
    [ -n "$cold_ms" ] && echo "$cold_ms" >>"$WORK/cold"
    [ -n "$warm_ms" ] && echo "$warm_ms" >>"$WORK/warm"
    i=$((i + 1))
done

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)] }'; }
FEH=$(median "$WORK/feh")
COLD=$(median "$WORK/cold")
WARM=$(median "$WORK/warm")
[ -n "$FEH" ] && [ -n "$COLD" ] && [ -n "$WARM" ] || { echo "some runs showed no first frame" >&2; exit 1; }
awk -v f="$FEH" -v c="$COLD" -v w="$WARM" -v n="$RUNS" -v p="$PROGRAM_NAME" -v s="$SIZE" 'BEGIN {
    printf "first frame at %s, median of %d interleaved runs: feh %.1f ms, %s cold %.1f ms (ratio %.2f), warm %.1f ms (ratio %.2f)\n", s, n, f, p, c, c / f, w, w / f
}'

# Peak memory of one whole run each; the card ends by itself.
peak_kb() { /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1; }
rm -rf "$XDG_CACHE_HOME"
echo "peak memory at $SIZE: feh $(peak_kb timeout 2 feh -F "$WORK/card.png") KiB," \
     "$PROGRAM_NAME cold $(peak_kb "$PROGRAM" "$@") KiB, warm $(peak_kb "$PROGRAM" "$@") KiB"
