#!/usr/bin/env bash
# Installs what is missing, builds a debug build with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-test/ and runs every test offscreen. ctest's summary is the last thing printed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/deps.sh"
ordalune_install_deps

cmake -S "$root" -B "$root/build-test" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DORDALUNE_SANITIZE=ON -DORDALUNE_WERROR=ON -DORDALUNE_BUILD_TESTS=ON
cmake --build "$root/build-test"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/support/lsan.supp:print_suppressions=0}
cd "$root/build-test"
ctest --output-on-failure -j"$(nproc)"
