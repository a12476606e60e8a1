#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTLX_BENCH=ON >/dev/null
cmake --build build-bench --target tremaluxor_bench tremaluxor_bench_stampa
build-bench/bench/tremaluxor_bench "$@"
build-bench/bench/tremaluxor_bench_stampa "$@"
