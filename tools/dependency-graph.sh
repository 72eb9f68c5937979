#!/bin/sh
# Draws the suite's library and program dependencies (our targets and the
# Qt modules they link) from CMake's --graphviz output into
# docs/dependencies.svg. Needs graphviz (dot). With --check it draws into a
# scratch file instead and fails when the committed picture differs.
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
cat > "$WORK/CMakeGraphVizOptions.cmake" <<'OPTIONS'
set(GRAPHVIZ_GRAPH_NAME "suite")
set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)
set(GRAPHVIZ_GENERATE_DEPENDERS FALSE)
set(GRAPHVIZ_CUSTOM_TARGETS FALSE)
# Tests, tools, generated resource objects and Qt's own plumbing.
set(GRAPHVIZ_IGNORE_TARGETS "^test_;_helper$;^bench_;^render_card$;^first_frame_watch$;^PkgConfig::XCB_DAMAGE$;xcb;_resources_;^Threads;^Wrap;^OpenGL;^Qt6::Platform;^Qt6::Test;^Qt6::Gui$;^Qt6::moc$;^Qt6::rcc$;^Qt::;demo")
OPTIONS
cmake -S "$ROOT" -B "$WORK" --graphviz="$WORK/suite.dot" >/dev/null
# CMake numbers the nodes over every target, the ignored ones too: named
# by their labels instead, a new test or tool leaves the picture as it is.
awk 'NR == FNR { if (match($0, /^ *"node[0-9]+" \[ label = "[^"]*"/)) {
         split(substr($0, RSTART, RLENGTH), part, "\"")
         name[part[2]] = part[4]
     }
     next }
     { for (id in name) gsub("\"" id "\"", "\"" name[id] "\""); print }' \
    "$WORK/suite.dot" "$WORK/suite.dot" >"$WORK/named.dot"
mv "$WORK/named.dot" "$WORK/suite.dot"
if [ "$1" = "--check" ]; then
    dot -Tsvg "$WORK/suite.dot" -o "$WORK/suite.svg"
    if ! cmp -s "$WORK/suite.svg" "$ROOT/docs/dependencies.svg"; then
        echo "docs/dependencies.svg is out of date: run sh tools/dependency-graph.sh" >&2
        exit 1
    fi
    echo "docs/dependencies.svg is up to date"
    exit 0
fi
dot -Tsvg "$WORK/suite.dot" -o "$ROOT/docs/dependencies.svg"
echo "$ROOT/docs/dependencies.svg"
