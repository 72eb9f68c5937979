#!/bin/sh
# Brings the English translation sources up to date with the code: every
# text a folder marks for translation (tr, QT_TR_NOOP, translate) lands in
# resources/translations/<folder>_en.ts, new ones unfinished, gone ones
# dropped. Write the English of the unfinished ones, then build.
# With --check, changes nothing and fails when a text has no English.
set -e
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
FOLDERS="shared widgets titlecard titlecard_config viewer viewer_properties second_config second_card third_card"
target=resources/translations
if [ "$1" = "--check" ]; then
    target=$(mktemp -d)
    trap 'rm -rf "$target"' EXIT
    cp resources/translations/*_en.ts "$target"/
fi
for folder in $FOLDERS; do
    "$LUPDATE" -silent -locations none -no-obsolete -source-language ja_JP -target-language en_US \
        "$folder" -ts "$target/${folder}_en.ts"
done
[ "$1" = "--check" ] || exit 0
# Each message without English, as "file: source"; and a text two folders
# share (one context, one source) given two Englishes, of which the
# translation file can keep only one.
missing=$(python3 - "$target" <<'PY'
import sys, glob, os, xml.etree.ElementTree as ET
english = {}
for path in sorted(glob.glob(os.path.join(sys.argv[1], "*_en.ts"))):
    for context in ET.parse(path).iter("context"):
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            if translation is None or translation.get("type") == "unfinished" or not (translation.text or "").strip():
                print(os.path.basename(path) + ": " + source)
                continue
            key = (context.findtext("name"), source)
            if english.setdefault(key, translation.text) != translation.text:
                print(os.path.basename(path) + ": " + source + " (another English elsewhere)")
PY
)
if [ -n "$missing" ]; then
    echo "Texts without one English (run tools/update-translations.sh and translate them):"
    echo "$missing"
    exit 1
fi
echo "Every text has its English."
