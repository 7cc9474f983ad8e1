#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks every #include "..." of the program's folders against the layers of
# docs/ARCHITECTURE.md: a folder includes only itself and the layers below it, and the
# lower half includes no Qt header. Prints each breach and fails when there is one.
# Run from anywhere; ctest runs it as CheckLayers.
set -euo pipefail
cd "$(dirname "$0")/.."

# Breaches known and allowed for now, "file include" one a line. Each line is work left to
# do: empty this list as the code comes into line, never add to it lightly.
ALLOWED_FOR_NOW='
'

# What a folder may include, as an extended regular expression over the include path.
# The lower platform is platform/ without the Qt part of platform/ui (its core is Qt-free).
lower_platform='platform/([^u][^/]*/|u[^i][^/]*/|ui/core/|[^/]+$)'
# Views and curves handle commands by identifier, and the stored look is one; the
# identifiers are one header.
command_ids='resources/Resource\.h$'

allowed_for() {
    case "$1" in
    platform/ui/core/*) echo "^${lower_platform}" ;;
    platform/ui/*) echo "^platform/" ;;
    platform/*) echo "^${lower_platform}" ;;
    settings/*) echo "^(${lower_platform}|settings/|${command_ids})" ;;
    # The colour dialog's window belongs with the other windows, in the top layer.
    views/qt/*) echo "^(platform/|settings/|views/|fractals/|resources/|dialogs/|app/)" ;;
    views/*) echo "^(${lower_platform}|settings/|views/|${command_ids})" ;;
    fractals/*) echo "^(${lower_platform}|settings/|views/|fractals/|${command_ids})" ;;
    # The update check's logic: the lower half, the string table and the command identifiers.
    dialogs/core/*) echo "^(${lower_platform}|settings/|resources/(Resource|StringTable)\.h$|dialogs/core/)" ;;
    # app/, dialogs/ and resources/ are one layer, the top one (nimbrel_app).
    resources/* | dialogs/* | app/*) echo "^(platform/|settings/|views/|fractals/|resources/|dialogs/|app/)" ;;
    tools/render/*) echo "^(${lower_platform}|settings/|views/|fractals/|tools/render/)" ;;
    *) echo "" ;;
    esac
}

# The lower half builds without Qt; only the colour dialog's window, in views/qt/, is Qt.
# The update check's logic in dialogs/core/ is Qt-free too.
qt_free() {
    case "$1" in
    platform/ui/core/*) return 0 ;;
    platform/ui/*) return 1 ;;
    views/qt/*) return 1 ;;
    dialogs/core/*) return 0 ;;
    dialogs/core/*) return 0 ;;
    platform/* | settings/* | views/* | fractals/* | tools/render/*) return 0 ;;
    *) return 1 ;;
    esac
}

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    files=$(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
else
    files=$(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sed 's#^\./##')
fi

breaches=0
for file in $files; do
    pattern=$(allowed_for "$file")
    [ -n "$pattern" ] || continue
    [ -f "$file" ] || continue
    while IFS= read -r include; do
        if [[ "$include" =~ $pattern ]]; then
            continue
        fi
        if grep -qxF "$file $include" <<<"$ALLOWED_FOR_NOW"; then
            continue
        fi
        echo "$file: includes $include, a layer it may not reach"
        breaches=$((breaches + 1))
    done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' "$file")
    if qt_free "$file"; then
        while IFS= read -r include; do
            echo "$file: includes <$include> in the half without Qt"
            breaches=$((breaches + 1))
        done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*<(Q[^>]*)>.*/\1/p' "$file")
    fi
done

# A line of the allowed list that no longer happens is stale: say so, to keep the list short.
while read -r file include; do
    [ -n "$file" ] || continue
    if [ ! -f "$file" ] || ! grep -qE "^[[:space:]]*#[[:space:]]*include[[:space:]]*\"${include}\"" "$file"; then
        echo "note: '$file $include' is allowed for now but no longer happens; drop it from the list"
    fi
done <<<"$ALLOWED_FOR_NOW"

if [ "$breaches" -gt 0 ]; then
    echo "$breaches include(s) break the layers"
    exit 1
fi
echo "layers: every include keeps to its layer"
