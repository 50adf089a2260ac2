#!/usr/bin/env bash
# Builds the core's benchmarks (Release, in build/bench) and runs them. Arguments go to Google
# Benchmark, e.g. --benchmark_filter=Save; without any, each benchmark runs five times and
# reports its mean, median and spread.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${build_packages[@]}" libbenchmark-dev

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_TESTS=OFF \
    -DQUORVANE_BENCH=ON >/dev/null
cmake --build build/bench -j2 --target quorvane_bench
[ $# -gt 0 ] || set -- --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
exec build/bench/bench/quorvane_bench "$@"
