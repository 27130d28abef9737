#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Counts work rather than timing it, so a busy machine cannot hide a heavier tick:
#   - instructions executed in a minute of ticking (callgrind), the program with 1,000 goals and
#     three clocks running against the bare window repainting three rectangles a second; the
#     program's minute is counted after a minute of ticking, once the glyphs its times use are
#     mostly cached, as in a copy that has run a while;
#   - instructions executed from exec to the first paint, the program with 1,000 goals against
#     the bare window of its size;
#   - the peak of allocated memory from start to the first paint (massif), the program against
#     the bare window.
# Usage: instructions.sh BENCH-DIR [SECONDS]; the program runs on a session bus of its own.
set -euo pipefail
bin=$(cd "$1" && pwd)
seconds=${2:-60}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
{
    printf 'File Version : 1\r\nUser : Bench\r\n'
    for ((i = 0; i < 1000; ++i)); do
        printf 'Goal number %d,, with a comma,%d:00,%d:30\r\n' "$i" $((i % 9 + 1)) $((i % 9))
    done
} >Ordalune.cdf
export QT_QPA_PLATFORM=offscreen

# The second dump of each run holds the ticking seconds alone.
ticking() { awk '/^totals:/ { print $2 }' "$1".2; }
dbus-run-session -- valgrind -q --tool=callgrind --callgrind-out-file="$work/prog" \
    "$bin/startup_probe" -m cpu "$seconds" 60 >/dev/null 2>&1
valgrind -q --tool=callgrind --callgrind-out-file="$work/bare" "$bin/bare_probe" tick "$seconds" >/dev/null 2>&1
prog=$(ticking prog)
bare=$(ticking bare)
per_minute() { echo $(($1 * 60 / seconds)); }
awk -v p="$(per_minute "$prog")" -v b="$(per_minute "$bare")" 'BEGIN {
    r = p / b
    printf "%-46s %12.2f M %10.2f M %8.2fx  %-8s %s\n", "instructions per minute of ticking", p / 1e6, b / 1e6, r,
           "<= 1.30x", (r <= 1.30 ? "ok" : "OVER")
}'

# Instructions from exec to the first paint, beside the timed start-up row, which the machine's
# speed moves: on the window's thread, and on every thread. The program reads the font
# configuration on a thread of its own while Qt starts; the bare window reads it on its only one.
# Each probe dumps its counts at the paint (the dump ".1"): what exit does is not start-up.
to_paint() { # NAME PROBE ARGS...: the window thread's count, then every thread's
    local name=$1
    shift
    dbus-run-session -- valgrind -q --tool=callgrind --separate-threads=yes \
        --callgrind-out-file="$work/$name.thread" "$@" >"$work/$name.painted" 2>/dev/null
    dbus-run-session -- valgrind -q --tool=callgrind --callgrind-out-file="$work/$name.all" "$@" >/dev/null 2>&1
    awk '/^totals:/ { print $2 }' "$work/$name.thread.1-01" "$work/$name.all.1" | tr '\n' ' '
}
read -r prog_window prog_all <<<"$(to_paint prog "$bin/startup_probe")"
size=$(awk '/^painted / { print $2; exit }' "$work/prog.painted")
read -r bare_window bare_all <<<"$(to_paint bare "$bin/bare_probe" "${size:-1000x700}")"
start_row() {
    awk -v what="$1" -v p="$2" -v b="$3" 'BEGIN {
        printf "%-46s %12.2f M %10.2f M %8.2fx  %s\n", what, p / 1e6, b / 1e6, p / b, "(time: <= 1.20x)"
    }'
}
start_row "instructions to the first paint, window thread" "$prog_window" "$bare_window"
start_row "instructions to the first paint, all threads" "$prog_all" "$bare_all"

# Peak heap, useful bytes and the allocator's own, over the run to the first paint.
peak() { awk -F= '/^mem_heap_B=/ { h = $2 } /^mem_heap_extra_B=/ { if (h + $2 > m) m = h + $2 } END { print m }' "$1"; }
dbus-run-session -- valgrind -q --tool=massif --massif-out-file="$work/prog.massif" \
    "$bin/startup_probe" >/dev/null 2>&1
valgrind -q --tool=massif --massif-out-file="$work/bare.massif" "$bin/bare_probe" 1000x700 >/dev/null 2>&1
awk -v p="$(peak prog.massif)" -v b="$(peak bare.massif)" 'BEGIN {
    d = (p - b) / 1048576
    printf "%-46s %10.2f MiB %8.2f MiB %+7.2f MiB  %-8s %s\n", "peak heap to the first paint", p / 1048576, b / 1048576, d,
           "<= +1.5", (d <= 1.5 ? "ok" : "OVER")
}'
