#!/bin/bash
# Measures whole runs of velmo that show one quote and end ("Jo" 0, a text
# on the command line), under Xvfb: the median of RUNS runs, from start to
# exit, and from start to the start of the card program it runs, beside
# the same for the card program started bare. The card programs beside it
# are stand-ins that note when they start and end at once, so only velmo's
# own start-up is measured.
#
#   tools/measure-viewer-once.sh [build-dir] [runs]
set -eu
BUILD="$(cd "${1:-build}" && pwd)"
RUNS="${2:-15}"
[ -x "$BUILD/suite/velmo" ] || { echo "no $BUILD/suite/velmo; build first" >&2; exit 1; }

. "$(dirname "$0")/benchdisplay.sh"
start_bench_display 1920x1080

mkdir -p "$WORK/suite" "$WORK/config/Velmo"
cp -r "$BUILD/suite/velmo" "$BUILD/suite/modules" "$WORK/suite/"
for card in tambwin mirwin dastor; do
    printf '#!/bin/bash\necho "$EPOCHREALTIME" >>"%s/card-start"\n' "$WORK" >"$WORK/suite/$card"
    chmod +x "$WORK/suite/$card"
done
printf '[INI]\r\nJo=0\r\n' >"$WORK/config/Velmo/Velmo.conf"
export XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK"
cd "$WORK"

: >"$WORK/times"
: >"$WORK/card-times"
: >"$WORK/bare-times"
card_started() { # the moment the stand-in noted, once it has
    while [ ! -s "$WORK/card-start" ]; do sleep 0.001; done
    cat "$WORK/card-start"
    rm -f "$WORK/card-start"
}
ms() { awk -v s="$1" -v e="$2" 'BEGIN { printf "%.2f\n", (e - s) * 1000 }'; }
for i in $(seq 1 "$RUNS"); do
    start=$EPOCHREALTIME
    "$WORK/suite/velmo" "一期一会,いちごいちえ" 2>>"$WORK/stderr" || echo "run $i: velmo ended with $?" >&2
    end=$EPOCHREALTIME
    ms "$start" "$end" >>"$WORK/times"
    ms "$start" "$(card_started)" >>"$WORK/card-times"
    start=$EPOCHREALTIME
    "$WORK/suite/tambwin" "-s" "一期一会,いちごいちえ"
    ms "$start" "$(card_started)" >>"$WORK/bare-times"
done
summary() { # what, file
    sort -n "$2" | awk -v what="$1" '{ v[NR] = $1 } END {
        printf "%s: median %.1f ms, min %.1f ms, max %.1f ms (%d runs)\n", what, v[int((NR + 1) / 2)], v[1], v[NR], NR }'
}
summary "velmo showing one quote and ending" "$WORK/times"
summary "from velmo's start to its card program's" "$WORK/card-times"
summary "from the card program's own start, started bare" "$WORK/bare-times"
