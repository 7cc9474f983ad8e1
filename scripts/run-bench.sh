#!/usr/bin/env bash
# Runs the benchmark programs of BUILD_DIR: the others first, then the raster benchmark
# (JSON into BUILD_DIR/bench/*.json), ending with one line per paint case (primitives, ms
# per paint, primitives per second) and one line per stream of the raster benchmark: the
# raster surface's and QPainter's rates and their ratio.
# Usage: scripts/run-bench.sh BUILD_DIR
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
build_dir=$1
bench="$build_dir/bench/RasterBench"
if [ ! -x "$bench" ]; then
    echo "error: $bench not found; build the RasterBench target first" >&2
    exit 1
fi
json="$build_dir/bench/raster-bench.json"
paint_json="$build_dir/bench/paint-bench.json"

for program in "$build_dir"/bench/*; do
    name=$(basename "$program")
    if [ -f "$program" ] && [ -x "$program" ] && [ "$name" != RasterBench ] &&
        [ "$name" != PaintBench ]; then
        "$program" --benchmark_out="$build_dir/bench/$name.json" --benchmark_out_format=json
    fi
done

# One line per paint case: CPU time per paint (the benchmark's unit is ms).
if [ -x "$build_dir/bench/PaintBench" ]; then
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
        "$build_dir/bench/PaintBench" --benchmark_out="$paint_json" \
        --benchmark_out_format=json --benchmark_min_time=0.2 >/dev/null
    awk '
        /"name":/ { name = $0; sub(/.*"name": *"/, "", name); sub(/".*/, "", name) }
        /"cpu_time":/ { ms = $0; sub(/.*"cpu_time": */, "", ms); sub(/,.*/, "", ms) }
        /"items_per_second":/ { rate = $0; sub(/.*"items_per_second": */, "", rate); sub(/,.*/, "", rate) }
        # The counters come after the rate in each entry.
        /"primitives":/ {
            count = $0
            sub(/.*"primitives": */, "", count)
            sub(/,.*/, "", count)
            printf "%-62s %10d primitives %9.2f ms %8.1f M primitives/s\n", name, count, ms,
                rate / 1e6
        }
    ' "$paint_json"
fi

# QPainter needs no window for an image, but Qt still wants a platform when it loads one.
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
    "$bench" --benchmark_out="$json" --benchmark_out_format=json \
    --benchmark_min_time=0.5 --benchmark_repetitions=3 --benchmark_report_aggregates_only=true

# Benchmark names are STREAM/PAINTER; the median of the repetitions is compared. The JSON
# writer puts each field on its own line, which is all this needs.
awk '
    /"name":/ {
        name = $0
        sub(/.*"name": *"/, "", name)
        sub(/".*/, "", name)
    }
    /"aggregate_name":/ { aggregate = $0; sub(/.*"aggregate_name": *"/, "", aggregate); sub(/".*/, "", aggregate) }
    /"items_per_second":/ {
        rate = $0
        sub(/.*"items_per_second": */, "", rate)
        sub(/,.*/, "", rate)
        if (aggregate == "median") {
            sub(/_median$/, "", name)
            split(name, part, "/")
            if (!(part[1] in seen)) {
                seen[part[1]] = 1
                order[++count] = part[1]
            }
            rates[part[1], part[2]] = rate + 0
        }
        aggregate = ""
    }
    END {
        print ""
        for (i = 1; i <= count; ++i) {
            stream = order[i]
            raster = rates[stream, "raster"] / 1e6
            qpainter = rates[stream, "qpainter"] / 1e6
            ratio = qpainter > 0 ? raster / qpainter : 0
            printf "%s: raster %.1f M/s, QPainter %.2f M/s, ratio %.1f\n", stream, raster,
                qpainter, ratio
        }
    }
' "$json"
