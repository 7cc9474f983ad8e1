#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that every C++ source of the repository is in a CMake source list: with the files
# listed by name, a new file left out of its list would otherwise not be built, or tested,
# at all. A file counts as listed when the nearest CMakeLists.txt above it names it, by its
# path from that CMakeLists.txt's folder. ctest runs it as CheckSources.
set -euo pipefail
cd "$(dirname "$0")/.."

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    files=$(git ls-files --cached --others --exclude-standard -- '*.cpp')
else
    files=$(find . -path ./build -prune -o -name '*.cpp' -print | sed 's#^\./##')
fi

missing=0
for file in $files; do
    [ -f "$file" ] || continue
    dir=$(dirname "$file")
    while [ "$dir" != "." ] && [ ! -f "$dir/CMakeLists.txt" ]; do
        dir=$(dirname "$dir")
    done
    relative=${file#"$dir"/}
    [ "$dir" = "." ] && relative=$file
    # The words of the list file, one a line, without comments.
    words=$(sed 's/#.*//' "$dir/CMakeLists.txt" | tr -s ' \t()"' '\n')
    if ! grep -qxF -- "$relative" <<<"$words"; then
        echo "$file: in no source list of $dir/CMakeLists.txt"
        missing=$((missing + 1))
    fi
done

if [ "$missing" -gt 0 ]; then
    echo "$missing source file(s) would not be built"
    exit 1
fi
echo "sources: every C++ source is in a list"
