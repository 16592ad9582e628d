#!/usr/bin/env bash
# Builds the benchmarks in Release into build-bench/ and runs them, printing
# the median of five repetitions of each. Extra arguments go to the benchmark
# program (for instance --benchmark_filter=painter).
# Targets on a 2-core machine: full cycle with painting the five pictures under 1 ms; the
# two computing steps at nP = 101 together under 20 us; start-up to the shown
# window under 300 ms with peak memory under 80 MB.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${AIRFOIL_BENCH_DIR:-$root/build-bench}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DAIRFOIL_BUILD_BENCH=ON -DAIRFOIL_BUILD_TESTS=OFF -DAIRFOIL_BUILD_UI=ON >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}" --target airfoil-bench

export QT_QPA_PLATFORM=offscreen
log="$build/bench.txt"
"$build/bench/airfoil-bench" --benchmark_repetitions=5 --benchmark_display_aggregates_only=true \
  --benchmark_out="$build/bench.json" --benchmark_out_format=json "$@" 2>&1 | tee "$log" |
  grep -E '^(Run on|[0-9]+ X|Load Average|-{10}|Benchmark)' || true
grep -E '_median ' "$log" | sed -E 's/_median / /; s/\/repeats:5//; s/\/iterations:[0-9]+//; s/\/manual_time//; s/\/min_time:[0-9.]+//'
echo "(median of 5 repetitions; Time is wall clock, CPU is this process's processor time; full output in $log)"
