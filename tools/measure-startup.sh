#!/bin/sh
# Measures the time from starting a title-card program (tambwin, mirwin or
# dastor) to its first painted frame under Xvfb. A card program reports the
# moment of its first frame on stderr when <PROGRAM>_REPORT_FIRST_FRAME is
# set (TAMBWIN_REPORT_FIRST_FRAME...); each run is ended after that report.
#
#   tools/measure-startup.sh [build-dir] [runs] [WxH] [program [arguments...]]
#
# Without arguments tambwin and mirwin show episode 12 and dastor a random
# line of its quote file.
set -eu
BUILD="${1:-build}"
RUNS="${2:-5}"
SIZE="${3:-1920x1080}"
PROGRAM_NAME="${4:-tambwin}"
[ $# -gt 4 ] && shift 4 || set --
if [ $# -eq 0 ]; then
    case "$PROGRAM_NAME" in
        tambwin|mirwin) set -- 12 ;;
    esac
fi
PROGRAM="$BUILD/suite/$PROGRAM_NAME"
[ -x "$PROGRAM" ] || { echo "no $PROGRAM; build first" >&2; exit 1; }
REPORT_VARIABLE="$(echo "$PROGRAM_NAME" | tr '[:lower:]' '[:upper:]')_REPORT_FIRST_FRAME"

WORK=$(mktemp -d)
XVFB_PID=""
cleanup() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT INT TERM

# A display number nobody uses.
DISPLAY_NUMBER=90
while [ -e "/tmp/.X11-unix/X$DISPLAY_NUMBER" ] || [ -e "/tmp/.X$DISPLAY_NUMBER-lock" ]; do
    DISPLAY_NUMBER=$((DISPLAY_NUMBER + 1))
done
Xvfb ":$DISPLAY_NUMBER" -screen 0 "${SIZE}x24" -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
sleep 1

now_ms() { date +%s%3N; }

results=""
i=1
while [ "$i" -le "$RUNS" ]; do
    err="$WORK/run$i.err"
    start=$(now_ms)
    env DISPLAY=":$DISPLAY_NUMBER" "$REPORT_VARIABLE=1" XDG_RUNTIME_DIR="$WORK" \
        "$PROGRAM" "$@" 2>"$err" &
    pid=$!
    waited=0
    while ! grep -q "first frame" "$err" 2>/dev/null && [ "$waited" -lt 100 ]; do
        sleep 0.05
        waited=$((waited + 1))
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    frame=$(sed -n "s/^$PROGRAM_NAME first frame \\([0-9]*\\)\$/\\1/p" "$err" | head -n 1)
    if [ -z "$frame" ]; then
        echo "run $i: no first frame reported" >&2
    else
        ms=$((frame - start))
        echo "run $i: first frame after $ms ms"
        results="$results $ms"
    fi
    i=$((i + 1))
done

[ -n "$results" ] || exit 1
echo "$results" | tr ' ' '\n' | sed '/^$/d' | sort -n | awk '
    { v[NR] = $1 } END { printf "'"$PROGRAM_NAME"' startup to first frame at '"$SIZE"': median %d ms, min %d ms, max %d ms (%d runs)\n", v[int((NR + 1) / 2)], v[1], v[NR], NR }'
