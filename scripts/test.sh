#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds a debug build with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-test/ and runs every test offscreen. ctest's summary is the last thing printed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/deps.sh"
ordalune_install_deps

cmake -S "$root" -B "$root/build-test" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DORDALUNE_SANITIZE=ON -DORDALUNE_WERROR=ON -DORDALUNE_BUILD_TESTS=ON
cmake --build "$root/build-test"

# Each test brings its own environment (offscreen, the sanitizers' options): see tests/CMakeLists.txt.
cd "$root/build-test"
ctest --output-on-failure -j"$(nproc)"
