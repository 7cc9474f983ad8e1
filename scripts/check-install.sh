#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks that every file a desktop expects is
# there: the two programs, the desktop entry, the icon at each size and as SVG, the man pages.
set -euo pipefail
build=${1:?usage: check-install.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
expected=(
    bin/nimbrel bin/nimbrel-render
    share/applications/nimbrel.desktop
    share/icons/hicolor/scalable/apps/nimbrel.svg
    share/man/man1/nimbrel.1 share/man/man1/nimbrel-render.1
)
for size in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/nimbrel.png")
done
status=0
for file in "${expected[@]}"; do
    if [ ! -s "$prefix/$file" ]; then
        echo "missing after install: $file" >&2
        status=1
    fi
done
for program in nimbrel nimbrel-render; do
    [ -x "$prefix/bin/$program" ] || { echo "not executable: bin/$program" >&2; status=1; }
done
# The entry's icon and program are the ones installed.
grep -qx 'Icon=nimbrel' "$prefix/share/applications/nimbrel.desktop" || status=1
grep -qx 'Exec=nimbrel' "$prefix/share/applications/nimbrel.desktop" || status=1
exit $status
