#!/usr/bin/env bash
# Runs each fuzz target of a fuzz build for a bounded time on its seeds from tests/data.
# New inputs the fuzzer finds stay in BUILD_DIR/fuzz-corpus; the seeds are never changed.
# Usage: scripts/run-fuzz.sh BUILD_DIR [SECONDS_PER_TARGET]
set -euo pipefail

build=${1:?usage: run-fuzz.sh BUILD_DIR [SECONDS_PER_TARGET]}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)

run() {
    local target=$1 seeds=$2
    local corpus="$build/fuzz-corpus/$target"
    mkdir -p "$corpus" "$build/fuzz-seeds/$target"
    shift 2
    cp "$@" "$build/fuzz-seeds/$target/"
    echo "== $target: $seconds s"
    "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/fuzz-" "$corpus" "$build/fuzz-seeds/$target"
}

run FuzzTraceReader traces "$root"/tests/data/gdi-reference/*.trace
run FuzzSettingsString settings "$root"/tests/data/settings-strings/*
