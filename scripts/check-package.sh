#!/usr/bin/env bash
# Builds the Debian package from a configured and built build directory (default build/release),
# leaves it in BUILD_DIR/package, checks it with lintian (errors and warnings fail), then unpacks
# it into a temporary directory with dpkg-deb -x and checks that it holds the desktop files and
# that its kestrova-cli runs from there, image files included.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-build/release}")
rm -rf "$build_dir/package"
(cd "$build_dir" && cpack -G DEB -B "$build_dir/package" >/dev/null)
deb=$(ls "$build_dir"/package/*.deb)
echo "Built $deb"
dpkg-deb --field "$deb" Package Version Depends
if command -v lintian >/dev/null 2>&1; then
    status=0
    report=$(lintian --fail-on error,warning "$deb" 2>&1) || status=$?
    grep -v 'running with root privileges' <<<"$report" || true
    if [ "$status" -ne 0 ]; then
        echo "lintian finds errors or warnings in $deb" >&2
        exit 1
    fi
    echo "lintian finds no error or warning."
else
    echo "lintian is not installed: the package is not checked by it." >&2
fi

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked/root"
for file in usr/bin/kestrova usr/bin/kestrova-cli usr/share/man/man1/kestrova-cli.1.gz \
    usr/share/man/man1/kestrova.1.gz usr/share/doc/kestrova/copyright \
    usr/share/doc/kestrova/changelog.gz \
    usr/share/applications/org.kestrova.kestrova.desktop \
    usr/share/metainfo/org.kestrova.kestrova.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/org.kestrova.kestrova.svg; do
    if [ ! -f "$unpacked/root/$file" ]; then
        echo "The package lacks $file" >&2
        exit 1
    fi
done

# The desktop program's print library lies beside the image library, where both programs look.
image_module=$(find "$unpacked/root" -name kestrova-image.so)
if [ ! -f "$(dirname "$image_module")/kestrova-print.so" ]; then
    echo "The package lacks kestrova-print.so beside kestrova-image.so" >&2
    exit 1
fi

# From an empty current directory, so that the start-up races are used.
mkdir "$unpacked/here"
cd "$unpacked/here"
"$unpacked/root/usr/bin/kestrova-cli" --help >/dev/null
"$unpacked/root/usr/bin/kestrova-cli" table | tee "$unpacked/table.txt"
grep -q '5000 m       18:07' "$unpacked/table.txt"
# It finds its image library where the package put it.
"$unpacked/root/usr/bin/kestrova-cli" graph --png graph.png
[ "$(head -c 4 graph.png | od -An -c | tr -d ' ')" = "211PNG" ]
echo "The package's kestrova-cli runs."
