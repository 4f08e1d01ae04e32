#!/usr/bin/env bash
# Brings the Japanese and Chinese catalogues (resources/translations/*.ts) up
# to date with the program's sources: lupdate adds every new translatable
# text as unfinished and keeps the translations already made. Texts that left
# the sources stay in the catalogue marked "vanished" (lrelease skips them)
# and come back with their translation when the text returns.
#
#   tools/translations/update-catalogues.sh
#
# Then translate the unfinished entries (Qt Linguist, or by hand: fill the
# <translation> and drop its type="unfinished") in both files. The test
# tst_catalogues names every source text that still lacks a translation.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
LUPDATE="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
cd "$ROOT"
SOURCES=(platform app model notenames document glyphs drawing layout view dialogs)
for lang in ja zh_CN; do
    file="resources/translations/velmora_${lang%%_*}.ts"
    # lupdate cannot follow Score's declaration through the subsystem files
    # that define its members; it still files their texts under "Score", so
    # its "Qualifying with unknown namespace/class" notes are left out.
    "$LUPDATE" -silent -locations none -target-language "$lang" "${SOURCES[@]}" -ts "$file" \
        2> >(grep -v "Qualifying with unknown namespace/class" >&2)
done
