#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds a release build into build/ and starts the program in the
# caller's current directory, where its goal file lives. Arguments go to the program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/deps.sh"
ordalune_install_deps

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORDALUNE_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build"
exec "$root/build/ordalune" "$@"
