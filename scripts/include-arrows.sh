#!/usr/bin/env bash
# Prints which program folder includes which, and fails when an include runs
# up the house or two folders reach each other (directly or round a loop).
# Each folder's rank: a folder may include only folders of a lower rank,
# or of its own rank where no loop results.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A rank=([main]=5 [shell]=4 [workbench]=3 [solids]=3 [circle]=3 [triangle]=3 [polygon]=3 [composite]=3
                 [controls]=2 [sheet]=2 [entry]=1 [history]=1 [pictures]=0)

edges=$(
    for folder in "${!rank[@]}"; do
        if [ "$folder" = main ]; then files=(main.cpp); else files=("$folder"/*.h "$folder"/*.cpp); fi
        for file in "${files[@]}"; do
            [ -f "$file" ] || continue
            sed -n 's/^#include "\([a-z]*\)\/.*/\1/p' "$file" | while read -r target; do
                [ "$target" != "$folder" ] && echo "$folder $target"
            done
        done
    done | sort -u
)

status=0
while read -r from to; do
    [ -n "$from" ] || continue
    if [ -z "${rank[$to]:-}" ]; then
        echo "$from -> $to   (not a folder of the program)"
        status=1
    elif [ "${rank[$to]}" -gt "${rank[$from]}" ]; then
        echo "$from -> $to   (runs up)"
        status=1
    else
        echo "$from -> $to"
    fi
done <<<"$edges"

if [ -n "$edges" ] && ! tsort <<<"$edges" >/dev/null 2>&1; then
    echo "folders include each other:"
    tsort <<<"$edges" 2>&1 >/dev/null | sed 's/^/  /'
    status=1
fi
exit $status
