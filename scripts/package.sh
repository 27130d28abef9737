#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package ordalune-tracker into dist/ from a clean copy of the tree, installing
# what the build needs, and checks it with lintian. Then: sudo apt install ./dist/<file>.deb
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/deps.sh"
ordalune_install_deps
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
tools=(dpkg-dev debhelper fakeroot lintian)
missing=()
for pkg in "${tools[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'ok installed' || missing+=("$pkg")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# A clean tree: what git holds, without the build folders of this one.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
src="$work/ordalune-tracker-1.1"
mkdir -p "$src"
if git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
    git -C "$root" ls-files -z | (cd "$root" && xargs -0 cp --parents -t "$src")
else
    tar -C "$root" --exclude='./build*' --exclude=./dist --exclude=./.git -cf - . | tar -C "$src" -xf -
fi
(cd "$src" && dpkg-buildpackage -b -us -uc)
mkdir -p "$root/dist"
mv "$work"/*.deb "$root/dist/"
deb=$(ls -t "$root"/dist/ordalune-tracker_1.1-1_*.deb | head -n 1)
echo "Built $deb"
lintian --info "$deb" || true
