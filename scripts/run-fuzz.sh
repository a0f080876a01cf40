#!/usr/bin/env bash
# Runs every fuzz target of the fuzz build for SECONDS each (default 20), one after another, on
# its seed corpus under tests/fuzz/corpus/. New inputs go to CORPUS_DIR (default: a temporary
# directory, removed afterwards); an input that fails is saved under build/fuzz/artifacts/ and
# stops the script. Usage: scripts/run-fuzz.sh [SECONDS] [CORPUS_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
build_dir=build/fuzz
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
corpus_root=$(realpath -m "${2:-$scratch/corpus}")
artifacts=$PWD/$build_dir/artifacts
mkdir -p "$artifacts"

# The targets' own scratch directories go under the temporary directory too.
export TMPDIR=$scratch QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp

for target in ${FUZZ_TARGETS:-number_reader_fuzz format_fuzz settings_file_fuzz settings_bytes_fuzz \
    calculate_fuzz cli_arguments_fuzz race_file_fuzz gpx_fuzz tcx_fuzz fit_fuzz}; do
    corpus=$corpus_root/$target
    mkdir -p "$corpus"
    echo "== $target: $seconds s"
    # -timeout: one input that runs for 10 s counts as a hang.
    "$build_dir/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
        "$corpus" "$PWD/tests/fuzz/corpus/$target" 2>"$scratch/$target.log" ||
        { tail -n 60 "$scratch/$target.log"; exit 1; }
    grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$scratch/$target.log"
done
