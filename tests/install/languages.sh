#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry and the AppStream data in German and French: each text a user reads there
# has its translation beside it (release notes are left in English, as is usual). Usage:
# languages.sh DESKTOP-FILE METAINFO-FILE
desktop=$1
metainfo=$(sed '/<releases>/q' "$2")
english=$(echo "$metainfo" | grep -cE '<(summary|p|li)>')
for lang in de fr; do
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$lang\]=" "$desktop" || { echo "$desktop: no $key[$lang]"; exit 1; }
    done
    translated=$(echo "$metainfo" | grep -cE "<(summary|p|li) xml:lang=\"$lang\">")
    [ "$translated" -eq "$english" ] || { echo "$2: $translated of $english texts in $lang"; exit 1; }
done
