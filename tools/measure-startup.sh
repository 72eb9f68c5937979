#!/bin/sh
# Races every way a card comes up against a plain image viewer (feh -F)
# showing a PNG of the very same card, under Xvfb, and prints a table of
# the medians and their ratios. Both are timed from outside by
# tools/first_frame_watch: from the start of the process until the screen
# shows the card.
#
# The paths: tambwin and mirwin showing episode 12, dastor a fixed text,
# and velmo started with Jo 0 (show once and end) showing line 5 of
# tamber.vmf as a tambwin card; velmo's time runs from its own start.
# Runs are interleaved (for each path in turn: the viewer, the card with an
# empty card cache, the card with the cache filled by the run before), so
# a busy machine slows all alike. "cold" is a run with an empty cache,
# "warm" a cache hit. With PEAK_MEMORY=1, the peak memory of one run of
# each at the end (GNU time).
#
#   tools/measure-startup.sh [build-dir] [runs] [WxH] [path...]
#
# Needs feh, GNU time and the watcher (tools/install-deps.sh --bench).
set -eu
BUILD="$(cd "${1:-build}" && pwd)"
RUNS="${2:-9}"
SIZE="${3:-1920x1080}"
[ $# -gt 3 ] && shift 3 || set --
PATHS="${*:-tambwin mirwin dastor velmo}"
WATCH="$BUILD/tools/first_frame_watch"
RENDER="$BUILD/tools/render_card"
for tool in "$BUILD/suite/tambwin" "$BUILD/suite/mirwin" "$BUILD/suite/dastor" "$BUILD/suite/velmo" "$WATCH" "$RENDER"; do
    [ -x "$tool" ] || { echo "no $tool; build first (tools/install-deps.sh --bench for the watcher)" >&2; exit 1; }
done
command -v feh >/dev/null || { echo "no feh (tools/install-deps.sh --bench)" >&2; exit 1; }

. "$(dirname "$0")/benchdisplay.sh"
start_bench_display "$SIZE"

# A fresh user: no settings (the programs read them from the current
# folder in the build layout), no sound server, an empty cache.
cd "$WORK"
export XDG_RUNTIME_DIR="$WORK" XDG_CONFIG_HOME="$WORK/config" XDG_CACHE_HOME="$WORK/cache"
DASTOR_TEXT="第3話,砂は流れ,夜は明ける"

# velmo runs from a folder of its own, beside a tambwin that notes its
# process (started detached, it outlives velmo and is ended by the script)
# and then becomes the real one.
mkdir -p suite config/Velmo
cp "$BUILD/suite/velmo" "$BUILD/suite/tamber.vmf" suite/
cp -r "$BUILD/suite/modules" suite/
velmo_settings() {
    printf '[INI]\r\nJo=0\r\nSh=10\r\nMs=5\r\nOps=tamber.vmf\r\n' >config/Velmo/Velmo.conf
}
# velmo's card: the arguments it hands to tambwin, noted once.
cat >suite/tambwin <<EOF
#!/bin/sh
printf '%s\0' "\$@" >"$WORK/velmo.arguments"
EOF
chmod +x suite/tambwin
velmo_settings
"$WORK/suite/velmo" 2>>"$WORK/stderr"
waited=0
until [ -s velmo.arguments ] || [ "$waited" -gt 50 ]; do sleep 0.1; waited=$((waited + 1)); done
cat >suite/tambwin <<EOF
#!/bin/sh
echo \$\$ >"$WORK/card.pid"
exec "$BUILD/suite/tambwin" "\$@"
EOF

for path in $PATHS; do
    case "$path" in
        tambwin|mirwin) "$RENDER" --card "$path" --size "$SIZE" -o "$path.png" -- 12 ;;
        dastor) "$RENDER" --card dastor --size "$SIZE" -o dastor.png -- "$DASTOR_TEXT" ;;
        velmo) xargs -0 "$RENDER" --card tambwin --size "$SIZE" -o velmo.png -- <velmo.arguments ;;
        *) echo "unknown path $path (tambwin, mirwin, dastor or velmo)" >&2; exit 1 ;;
    esac
    : >"$path.feh"; : >"$path.cold"; : >"$path.warm"
done

end_card() { # the card velmo started, once its work after the first frame is done
    [ -s card.pid ] || return 0
    pid=$(cat card.pid)
    kill "$pid" 2>/dev/null || true
    while kill -0 "$pid" 2>/dev/null; do sleep 0.02; done
    rm -f card.pid
}

first_frame() { # path, linger-ms, command...
    png="$WORK/$1.png" linger=$2
    shift 2
    "$WATCH" "$png" --linger "$linger" -- "$@" 2>>"$WORK/stderr" | sed -n 's/^first frame after \([0-9.]*\) ms$/\1/p'
}

run_card() { # path, linger-ms
    case "$1" in
        tambwin|mirwin) first_frame "$1" "$2" "$BUILD/suite/$1" 12 ;;
        dastor) first_frame dastor "$2" "$BUILD/suite/dastor" "$DASTOR_TEXT" ;;
        velmo)
            velmo_settings
            first_frame velmo 0 "$WORK/suite/velmo"
            [ "$2" -gt 0 ] && sleep "$(awk -v ms="$2" 'BEGIN { print ms / 1000 }')"
            end_card
            ;;
    esac
}

i=1
while [ "$i" -le "$RUNS" ]; do
    line="run $i:"
    for path in $PATHS; do
        feh_ms=$(first_frame "$path" 0 feh -F "$WORK/$path.png")
        rm -rf "$XDG_CACHE_HOME"
        # The cold run lingers, so the card it composed reaches the cache.
        cold_ms=$(run_card "$path" 1500)
        # The card just stored is written out first, as it long is when a
        # user starts the card again.
        sync
        warm_ms=$(run_card "$path" 0)
        line="$line $path ${feh_ms:-?}/${cold_ms:-?}/${warm_ms:-?}"
        [ -n "$feh_ms" ] && echo "$feh_ms" >>"$path.feh"
        [ -n "$cold_ms" ] && echo "$cold_ms" >>"$path.cold"
        [ -n "$warm_ms" ] && echo "$warm_ms" >>"$path.warm"
    done
    echo "$line (feh/cold/warm ms)"
    i=$((i + 1))
done

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)] }'; }
echo "first frame at $SIZE, medians of $RUNS interleaved runs, load average $(cut -d' ' -f1-3 /proc/loadavg):"
echo "| path | feh | cold | warm | ratio cold / warm |"
echo "|---|---|---|---|---|"
for path in $PATHS; do
    FEH=$(median "$path.feh") COLD=$(median "$path.cold") WARM=$(median "$path.warm")
    if [ -z "$FEH" ] || [ -z "$COLD" ] || [ -z "$WARM" ]; then
        echo "| $path | some runs showed no first frame | | | |"
        continue
    fi
    awk -v p="$path" -v f="$FEH" -v c="$COLD" -v w="$WARM" 'BEGIN {
        printf "| %s | %.1f ms | %.1f ms | %.1f ms | %.2f / %.2f |\n", p, f, c, w, c / f, w / f }'
done

[ "${PEAK_MEMORY:-0}" = 1 ] || exit 0
# Peak memory of one whole run each; the card ends by itself.
peak_kb() { /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1; }
for path in $PATHS; do
    [ "$path" = velmo ] && continue # its card is another process
    set -- 12
    [ "$path" = dastor ] && set -- "$DASTOR_TEXT"
    rm -rf "$XDG_CACHE_HOME"
    echo "peak memory at $SIZE: feh $(peak_kb timeout 2 feh -F "$WORK/$path.png") KiB," \
         "$path cold $(peak_kb "$BUILD/suite/$path" "$@") KiB, warm $(peak_kb "$BUILD/suite/$path" "$@") KiB"
done
