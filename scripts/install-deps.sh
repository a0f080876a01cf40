#!/usr/bin/env bash
# Installs the Debian packages Kestrova needs to build, test and run.
# Does nothing when every package is already present.
set -euo pipefail

packages=(
    cmake
    g++
    make
    ninja-build
    pkg-config
    qt6-base-dev
    qt6-svg-dev
    libgl-dev
    libgtest-dev
    libgmock-dev
    libbenchmark-dev
    fonts-liberation2
    fontconfig
    desktop-file-utils
    appstream
    dpkg-dev
    file
    clang-14
    libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
run_as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
        run_as_root=(sudo)
    else
        echo "These packages are missing and this user cannot install them: ${missing[*]}" >&2
        exit 1
    fi
fi
"${run_as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${run_as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
