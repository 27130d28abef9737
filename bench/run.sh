#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in release mode into build-bench/ and prints their figures as one table,
# each against a baseline measured in the same run, then where the memory is at the first paint.
# Pass "quick" for a short CPU measurement (5 s a run instead of 20).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/deps.sh"
ordalune_install_deps
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DORDALUNE_BUILD_TESTS=OFF -DORDALUNE_BUILD_BENCH=ON >/dev/null
cmake --build "$root/build-bench" >/dev/null
seconds=20
[[ "${1:-}" == quick ]] && seconds=5
"$root/build-bench/bench/bench_goalfile"
"$root/build-bench/bench/bench_startup" "$root/build-bench/bench" "$seconds" 2>/dev/null | tail -n +3
"$root/build-bench/bench/bench_history" "$root/build-bench/ordalune" 2>/dev/null
"$root/bench/instructions.sh" "$root/build-bench/bench" 60
echo
python3 "$root/bench/memory_map.py" "$root/build-bench/bench"
