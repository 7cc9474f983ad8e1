#!/usr/bin/env bash
# Saves a picture of the started main window: scripts/screenshot.sh [--look N] FILE.png
# [WIDTH HEIGHT] (1280 x 800 by default; N an application look, 205 to 219). It builds
# nimbrel-screenshot in BUILD (build/release) when needed and runs it on Qt's offscreen
# platform with a fresh settings store, so the picture shows the program as first started
# (in the look given) and the user's own settings are left alone.
set -euo pipefail
look=()
if [ $# -ge 2 ] && [ "$1" = "--look" ]; then
    look=(--look "$2")
    shift 2
fi
if [ $# -ne 1 ] && [ $# -ne 3 ]; then
    echo "usage: $0 [--look N] FILE.png [WIDTH HEIGHT]" >&2
    exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD:-$root/build/release}"
out="$(realpath -m "$1")"
shift

[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target nimbrel-screenshot

settings="$(mktemp -d)"
trap 'rm -rf "$settings"' EXIT
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$settings" "$build/nimbrel-screenshot" \
    ${look[@]+"${look[@]}"} "$out" "$@"
echo "saved $out"
