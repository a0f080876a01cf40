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
    libpugixml-dev
    fonts-liberation2
    fontconfig
    locales
    desktop-file-utils
    appstream
    dpkg-dev
    lintian
    file
    clang-14
    libclang-rt-14-dev
    clang-format
    clang-tidy
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

# The tests read numbers under a comma-decimal locale; it is made here when missing.
generate_comma_locale() {
    if locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
        return 0
    fi
    echo "Generating the de_DE.UTF-8 locale"
    "${run_as_root[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8 ||
        echo "de_DE.UTF-8 could not be generated; the comma-locale tests will be skipped" >&2
}

run_as_root=()
if [ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null 2>&1; then
    run_as_root=(sudo)
fi

if [ ${#missing[@]} -eq 0 ]; then
    generate_comma_locale
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    if [ ${#run_as_root[@]} -eq 0 ]; then
        echo "These packages are missing and this user cannot install them: ${missing[*]}" >&2
        exit 1
    fi
fi
"${run_as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${run_as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
generate_comma_locale
