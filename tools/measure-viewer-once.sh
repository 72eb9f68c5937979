#!/bin/bash
# Measures whole runs of velmo that show one quote and end ("Jo" 0, a text
# on the command line), under Xvfb: the median of RUNS runs, from start to
# exit. The card programs beside it are stand-ins that end at once, so
# only velmo's own start-up is measured.
#
#   tools/measure-viewer-once.sh [build-dir] [runs]
set -eu
BUILD="$(cd "${1:-build}" && pwd)"
RUNS="${2:-15}"
[ -x "$BUILD/suite/velmo" ] || { echo "no $BUILD/suite/velmo; build first" >&2; exit 1; }

. "$(dirname "$0")/benchdisplay.sh"
start_bench_display 1920x1080

mkdir -p "$WORK/suite" "$WORK/config/Velmo"
cp "$BUILD/suite/velmo" "$WORK/suite/"
for card in tambwin mirwin dastor; do
    printf '#!/bin/sh\nexit 0\n' >"$WORK/suite/$card"
    chmod +x "$WORK/suite/$card"
done
printf '[INI]\r\nJo=0\r\n' >"$WORK/config/Velmo/Velmo.conf"
export XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK"
cd "$WORK"

: >"$WORK/times"
for i in $(seq 1 "$RUNS"); do
    start=$EPOCHREALTIME
    "$WORK/suite/velmo" "一期一会,いちごいちえ" 2>>"$WORK/stderr" || echo "run $i: velmo ended with $?" >&2
    end=$EPOCHREALTIME
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f\n", (e - s) * 1000 }' >>"$WORK/times"
done
sort -n "$WORK/times" | awk '{ v[NR] = $1 } END {
    printf "velmo showing one quote and ending: median %.1f ms, min %.1f ms, max %.1f ms (%d runs)\n", v[int((NR + 1) / 2)], v[1], v[NR], NR }'
