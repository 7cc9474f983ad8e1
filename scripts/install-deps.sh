#!/usr/bin/env bash
# Installs the Debian 12 packages Nimbrel builds, tests and runs with, when any is missing.
# Runs as root or through sudo; prints nothing when everything is already there. With the
# argument "fuzz" it also installs what the fuzz targets are built with.
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config clang-format
    qt6-base-dev qt6-qpa-plugins
    libsqlite3-dev libcurl4-openssl-dev libpng-dev
    libgtest-dev libbenchmark-dev
    fonts-liberation
    desktop-file-utils
)

# `install-deps.sh fuzz`: also clang and its libFuzzer, for `make fuzz` only.
if [ "${1:-}" = fuzz ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "error: missing packages (${missing[*]}) and neither root nor sudo is available" >&2
    exit 1
fi
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
