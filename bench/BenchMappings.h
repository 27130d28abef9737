// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A probe's memory as it stands at its first paint, by mapping: when ORDALUNE_BENCH_SMAPS names a
// file, /proc/self/smaps is copied there. Taken at the paint itself, never at exit, so nothing
// that starts later (the desktop's services, the journal) is counted.
#include <cstdio>
#include <cstdlib>

inline void CopyMappings() {
    const char* to = std::getenv("ORDALUNE_BENCH_SMAPS");
    std::FILE* in = to != nullptr ? std::fopen("/proc/self/smaps", "r") : nullptr;
    if (in == nullptr)
        return;
    if (std::FILE* out = std::fopen(to, "w"); out != nullptr) {
        char buffer[65536];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
            std::fwrite(buffer, 1, n, out);
        std::fclose(out);
    }
    std::fclose(in);
}
