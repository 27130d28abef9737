// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>

// The benchmarks' results as rows of one table: what, the program's figure, the baseline's, the
// result compared with the target, and whether the target is met.
inline void TableHeader() {
    std::printf("| %-52s | %-16s | %-16s | %-18s | %-9s | %-4s |\n", "what (median of alternating runs)",
                "program", "baseline", "result", "target", "");
    std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(54, '-').c_str(), std::string(18, '-').c_str(),
                std::string(18, '-').c_str(), std::string(20, '-').c_str(), std::string(11, '-').c_str(),
                std::string(6, '-').c_str());
}

inline void TableRow(const char* what, const char* unit, double program, double baseline, const char* result,
                     double value, double target) {
    std::printf("| %-52s | %9.2f %-6s | %9.2f %-6s | %-10s %7.2f | <= %-6.2f | %-4s |\n", what, program, unit,
                baseline, unit, result, value, target, value <= target ? "met" : "NOT");
    std::fflush(stdout);
}
