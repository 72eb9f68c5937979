#!/bin/sh
# Formats each manual page as man does for a reader and fails on any
# warning of the formatter (a bad macro, a line that cannot be broken...).
# Usage: check-manual-pages.sh MAN PAGE...
man=$1
shift
status=0
for page in "$@"; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 "$man" --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then
        printf '%s:\n%s\n' "$page" "$warnings"
        status=1
    fi
done
exit $status
