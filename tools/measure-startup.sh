#!/bin/sh
# Measures the time from starting tambwin to its first painted frame under
# Xvfb. tambwin reports the moment of its first frame on stderr when
# TAMBWIN_REPORT_FIRST_FRAME is set; each run is ended after that report.
#
#   tools/measure-startup.sh [build-dir] [runs] [WxH]
set -eu
BUILD="${1:-build}"
RUNS="${2:-5}"
SIZE="${3:-1920x1080}"
TAMBWIN="$BUILD/suite/tambwin"
[ -x "$TAMBWIN" ] || { echo "no $TAMBWIN; build first" >&2; exit 1; }

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
    DISPLAY=":$DISPLAY_NUMBER" TAMBWIN_REPORT_FIRST_FRAME=1 XDG_RUNTIME_DIR="$WORK" \
        "$TAMBWIN" 12 2>"$err" &
    pid=$!
    waited=0
    while ! grep -q "first frame" "$err" 2>/dev/null && [ "$waited" -lt 100 ]; do
        sleep 0.05
        waited=$((waited + 1))
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    frame=$(sed -n 's/^tambwin first frame \([0-9]*\)$/\1/p' "$err" | head -n 1)
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
    { v[NR] = $1 } END { printf "startup to first frame at '"$SIZE"': median %d ms, min %d ms, max %d ms (%d runs)\n", v[int((NR + 1) / 2)], v[1], v[NR], NR }'
