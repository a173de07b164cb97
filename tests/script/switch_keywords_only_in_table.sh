#!/bin/sh
# Switch keywords are spelled in the event table (script/) only: every other source
# file takes them from there. The tests and the writers of scripts (the data
# generator, the new show) may spell them, as an author would. Comments are skipped.
# Usage: switch_keywords_only_in_table.sh SOURCE_DIR
set -eu
src=$1
table="$src/script/EventTable.h"

keywords=$(sed -n 's/^ *{"\([A-Za-z]*\)", EVENT_[A-Z_]*, ArgumentForm::Switch,.*/\1/p' "$table")
count=$(printf '%s\n' "$keywords" | grep -c .)
if [ "$count" -lt 12 ]; then
    echo "found only $count switch keywords in $table: the table's form changed?" >&2
    exit 1
fi
pattern="\"($(printf '%s\n' "$keywords" | paste -sd'|'))\""

found=$(cd "$src" && find . -path ./script -prune -o -path ./tests -prune -o -path ./generator -prune \
        -o -path ./tools/datagen -prune -o -path ./newshow -prune -o -path './build*' -prune \
        -o -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.cc' \) -print |
    xargs grep -nE "$pattern" | sed 's#//.*##' | grep -E "$pattern" || true)
if [ -n "$found" ]; then
    echo "switch keywords spelled outside the event table:" >&2
    printf '%s\n' "$found" >&2
    exit 1
fi
echo "$count switch keywords, spelled in the event table only"
