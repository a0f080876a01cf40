#!/bin/sh
# kestrova-cli writes images to standard output for "-", and standard error carries nothing but
# its own messages, also on a machine without a desktop session (no XDG_RUNTIME_DIR).
# Usage: standard_streams_check.sh KESTROVA_CLI SETTINGS_FILE
cli=$1
settings=$2
scratch=$(mktemp -d) || exit 1
trap 'rm -rf "$scratch"' EXIT
unset XDG_RUNTIME_DIR KESTROVA_DEBUG
fail() {
    echo "$*" >&2
    exit 1
}
start=$("$cli" graph --settings "$settings" --svg - 2>"$scratch/svg.err" | head -c 5)
[ "$start" = "<?xml" ] || fail "graph --svg - began with '$start'"
"$cli" graph --settings "$settings" --png - 2>"$scratch/png.err" >"$scratch/graph.png" ||
    fail "graph --png - failed"
magic=$(head -c 4 "$scratch/graph.png" | od -An -c | tr -d ' ')
[ "$magic" = "211PNG" ] || fail "graph --png - wrote '$magic', not a PNG"
for stream in svg png; do
    [ -s "$scratch/$stream.err" ] && fail "graph --$stream - wrote to standard error: $(cat "$scratch/$stream.err")"
done
[ -e ./- ] && fail "a file named - was written"
exit 0
