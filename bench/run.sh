#!/usr/bin/env bash
# Builds the benchmarks in release mode into build-bench/ and prints their figures.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/deps.sh"
ordalune_install_deps
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DORDALUNE_BUILD_TESTS=OFF -DORDALUNE_BUILD_BENCH=ON >/dev/null
cmake --build "$root/build-bench" >/dev/null
echo "== Goal file: load and save (ms, median) =="
"$root/build-bench/bench/bench_goalfile"
