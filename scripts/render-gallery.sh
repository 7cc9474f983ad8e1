#!/usr/bin/env bash
# Renders every curve at its defaults into small PNG files for the README's gallery.
# usage: render-gallery.sh NIMBREL_RENDER OUTPUT_DIR
set -euo pipefail
render=$1
out=$2
mkdir -p "$out"
for curve in $("$render" --list); do
    # A fixed clock keeps the random pictures the same from one run to the next.
    "$render" --curve "$curve" --size 320x320 --seed 1 -o "$out/$curve.png"
done
echo "gallery written to $out/"
