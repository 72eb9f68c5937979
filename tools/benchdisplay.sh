# Sourced by the start-up measurements: a scratch folder $WORK and a screen
# of its own, an Xvfb display of the given size (WxH) on a number nobody
# uses, exported as DISPLAY; both go when the script ends.
#
#   . tools/benchdisplay.sh; start_bench_display 1920x1080
WORK=$(mktemp -d)
XVFB_PID=""
cleanup() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT INT TERM

start_bench_display() { # WxH
    number=90
    while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
        number=$((number + 1))
    done
    # -noreset: as on a desktop, where some client is always connected, the
    # server does not reset between runs (a reset would slow the next start
    # by tens of milliseconds).
    Xvfb ":$number" -screen 0 "${1}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$number"
    waited=0
    until xdpyinfo >/dev/null 2>&1 || [ "$waited" -gt 50 ]; do sleep 0.1; waited=$((waited + 1)); done
}
