#!/usr/bin/env bash
# Builds the benchmarks in release mode into build-bench/ and prints their figures, each against a
# baseline measured in the same run. Pass "quick" to shorten the one-minute CPU measurement.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/deps.sh"
ordalune_install_deps
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DORDALUNE_BUILD_TESTS=OFF -DORDALUNE_BUILD_BENCH=ON >/dev/null
cmake --build "$root/build-bench" >/dev/null
seconds=60
[[ "${1:-}" == quick ]] && seconds=10
echo "== Goal file: load and save (ms, median) =="
"$root/build-bench/bench/bench_goalfile"
echo
echo "== Start-up, memory and CPU at work =="
"$root/build-bench/bench/bench_startup" "$root/build-bench/bench/startup_probe" "$seconds" 2>/dev/null
