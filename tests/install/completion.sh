#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# bash completes options and the current folder's goal names, which it asks of the program.
# Usage: completion.sh PROGRAM COMPLETION_SCRIPT
set -eu
program=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/bin"
ln -s "$program" "$dir/bin/ordalune"
printf 'File Version : 1\r\nUser : Pat\r\nEssay,02:00,01:30\r\nEssay plan,01:00,01:00\r\nGym,00:45,00:45\r\n' >"$dir/Ordalune.cdf"
cd "$dir"
export PATH="$dir/bin:$PATH"
unset DBUS_SESSION_BUS_ADDRESS
source "$2"
complete_words() {
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMPREPLY=()
    _ordalune
    printf '%s|' "${COMPREPLY[@]}"
}
names=$(complete_words ordalune --start Es)
options=$(complete_words ordalune --st)
formats=$(complete_words ordalune --export-history j)
[[ "$names" == "Essay|Essay plan|" ]] || { echo "names: $names"; exit 1; }
[[ "$options" == "--start|--stop|--stop-all|--status|" ]] || { echo "options: $options"; exit 1; }
[[ "$formats" == "json|" ]] || { echo "formats: $formats"; exit 1; }
