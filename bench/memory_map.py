#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Where the memory is at the first paint: the program with 1,000 goals against the bare window,
each mapping's resident size, as each probe copies /proc/self/smaps at its first paint.

Usage: memory_map.py BENCH-DIR [RUNS]. Prints the medians over RUNS alternating starts (5 unless
given), largest difference first; mappings of one file are added up."""
import os
import re
import statistics
import subprocess
import sys
import tempfile

MAPPING = re.compile(r"^[0-9a-f]+-[0-9a-f]+ \S+ \S+ \S+ \S+\s*(.*)$")


def resident(path, probe):
    """Resident KiB by what is mapped: a file's base name, "[heap]", "[stack]" or "anonymous"."""
    sizes = {}
    name = None
    with open(path, encoding="utf-8", errors="replace") as smaps:
        for line in smaps:
            match = MAPPING.match(line)
            if match:
                name = match.group(1) or "anonymous"
                if name.startswith("/"):
                    name = os.path.basename(name)
                if name == probe:
                    name = "the probe's own executable"
            elif line.startswith("Rss:"):
                sizes[name] = sizes.get(name, 0) + int(line.split()[1])
    return sizes


def run(binary, args, directory, out):
    """The probe's resident sizes at its first paint, and what it reported."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", ORDALUNE_BENCH_SMAPS=out)
    done = subprocess.run([binary, *args], cwd=directory, env=env, check=True, stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL, text=True)
    return resident(out, os.path.basename(binary)), done.stdout


def main():
    if len(sys.argv) < 2:
        sys.exit("usage: memory_map.py BENCH-DIR [RUNS]")
    bench = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    with tempfile.TemporaryDirectory() as work:
        with open(os.path.join(work, "Ordalune.cdf"), "w", newline="", encoding="ascii") as goals:
            goals.write("File Version : 1\r\nUser : Bench\r\n")
            for i in range(1000):
                goals.write(f"Goal number {i},, with a comma,{i % 9 + 1}:00,{i % 9}:30\r\n")
        out = os.path.join(work, "smaps")
        program, bare = [], []
        size = None
        for _ in range(runs):
            sizes, report = run(os.path.join(bench, "startup_probe"), ["-m"], work, out)
            program.append(sizes)
            # The bare window is given the program's size, as its backing store grows with it.
            size = size or report.split()[1]
            bare.append(run(os.path.join(bench, "bare_probe"), [size], work, out)[0])
    names = set().union(*program, *bare)
    median = {n: (statistics.median(r.get(n, 0) for r in program), statistics.median(r.get(n, 0) for r in bare))
              for n in names}
    total = (statistics.median(sum(r.values()) for r in program), statistics.median(sum(r.values()) for r in bare))
    print(f"{'resident at the first paint (KiB)':44} {'program':>9} {'bare':>9} {'over':>9}")
    print(f"{'all mappings':44} {total[0]:9.0f} {total[1]:9.0f} {total[0] - total[1]:+9.0f}")
    for name, (p, b) in sorted(median.items(), key=lambda item: item[1][1] - item[1][0]):
        if abs(p - b) >= 32:
            print(f"{name[:44]:44} {p:9.0f} {b:9.0f} {p - b:+9.0f}")


if __name__ == "__main__":
    main()
