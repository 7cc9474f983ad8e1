#!/usr/bin/env bash
# The main window in three application looks, for the README: the default (Visual Studio
# 2008), Office 2007 blue and Windows 7, saved in docs/ by scripts/screenshot.sh under the
# offscreen platform.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/screenshot.sh" --look 210 "$root/docs/look-vs2008.png" 1100 700
"$root/scripts/screenshot.sh" --look 215 "$root/docs/look-office2007-blue.png" 1100 700
"$root/scripts/screenshot.sh" --look 219 "$root/docs/look-windows7.png" 1100 700
