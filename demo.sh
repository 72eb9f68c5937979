#!/bin/sh
# Installs what is missing, builds the suite and runs its main job: the
# quote viewer velmo from the suite folder with default settings, which
# shows one random quote of the day as a full-screen title card and then
# stays resident in the notification area.
# Without a display it runs under Xvfb, saves a screenshot of the card and
# prints the screenshot's path.
set -e
cd "$(dirname "$0")"
sh tools/build.sh tambwin tambinit velmo
ROOT="$(pwd)"
SUITE="$ROOT/build/suite"
OUT="$ROOT/build/demo"
mkdir -p "$OUT"
# A settings store of the demo's own, so default settings apply and the
# user's own settings are never touched.
rm -rf "$OUT/config"
mkdir -p "$OUT/config"
export XDG_CONFIG_HOME="$OUT/config"

if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then
    echo "Starting velmo; end it from its notification-area menu (ヴェルモの終了)."
    cd "$SUITE" && exec ./velmo
fi

SHOT="$OUT/velmo-card.png"
rm -f "$SHOT"
# The programs' own messages go to a log beside the screenshot.
xvfb-run -a -s "-screen 0 1280x720x24" sh -c '
    cd "$1"
    ./velmo &
    VELMO=$!
    sleep 2.5
    import -window root "$2"
    # Let the card end by itself before the display goes away.
    for i in $(seq 50); do pgrep -f "^$1/tambwin" >/dev/null || break; sleep 0.2; done
    kill -TERM $VELMO 2>/dev/null || true
    wait $VELMO 2>/dev/null || true
' demo "$SUITE" "$SHOT" 2>"$OUT/programs.log"
[ -s "$SHOT" ] || { echo "No screenshot was taken; see $OUT/programs.log" >&2; exit 1; }
echo "Screenshot of the card: $SHOT"
