// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the program against a bare Qt window in the same run, both offscreen, alternating
// them run by run and taking medians:
//   - CPU time a minute with three clocks running, against a bare window repainting three small
//     rectangles once a second;
//   - time from exec to the first painted goal list with 1,000 goals, and peak memory, against a
//     bare main window of the same size and its first paint;
//   - the same start with ten years of history beside the goal file, against the start without;
//   - the longest time the window's thread is kept from its events while saves run with every
//     fsync slowed to 200 ms, against the same program running without saves; and while clocks
//     start and stop (each written to the history), against the same on a quick disk.
// Prints one table row per target.
#include "BenchJournal.h"
#include "BenchProcess.h"
#include "BenchTable.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

void WriteGoals(const std::filesystem::path& dir, int count) {
    std::filesystem::remove(dir / "ordalune.bak");
    std::ofstream file(dir / "Ordalune.cdf", std::ios::binary);
    file << "File Version : 1\r\nUser : Bench\r\n";
    for (int i = 0; i < count; ++i)
        file << "Goal number " << i << ",,"
             << " with a comma," << (i % 9 + 1) << ":00," << (i % 9) << ":30\r\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup BENCH-DIR CPU-SECONDS\n");
        return 2;
    }
    const std::filesystem::path bin = std::filesystem::absolute(argv[1]);
    const std::string program = (bin / "startup_probe").string();
    const std::string bare = (bin / "bare_probe").string();
    const std::string slow = (bin / "libslow_fsync.so").string();
    const int cpuSeconds = std::max(1, std::atoi(argv[2]));
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("DISPLAY", (":ordalune-bench-" + std::to_string(getpid())).c_str(), 1);
    const auto dir =
        std::filesystem::temp_directory_path() / ("ordalune-startup-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);

    TableHeader();
    constexpr int kRuns = 7;
    constexpr int kStarts = 21;
    {
        WriteGoals(dir, 3);
        std::vector<double> mine;
        std::vector<double> base;
        for (int i = 0; i < kRuns; ++i) {
            const std::string seconds = std::to_string(cpuSeconds);
            mine.push_back(After(Spawn(program, {"-m", "cpu", seconds}, dir).output, "cpu ") * 60 /
                           cpuSeconds);
            base.push_back(After(Spawn(bare, {"tick", seconds}, dir).output, "cpu ") * 60 / cpuSeconds);
        }
        const double p = Median(mine);
        const double b = Median(base);
        TableRow("CPU, 3 clocks running (ms/min)", "ms", p, b, "over", p - b, 5);
    }
    {
        WriteGoals(dir, 1000);
        std::vector<double> mine;
        std::vector<double> base;
        std::vector<double> minePeak;
        std::vector<double> basePeak;
        // The bare window is given the program's size: a window's backing store grows with it.
        const std::string output = Spawn(program, {"-m"}, dir).output; // warms the caches for both
        const std::string size =
            output.substr(output.find(' ') + 1, output.find('\n') - output.find(' ') - 1);
        Spawn(bare, {size}, dir);
        for (int i = 0; i < kStarts; ++i) {
            const Run a = Spawn(program, {"-m"}, dir);
            const Run b = Spawn(bare, {size}, dir);
            mine.push_back(a.ms);
            base.push_back(b.ms);
            minePeak.push_back(a.peakKiB / 1024.0);
            basePeak.push_back(b.peakKiB / 1024.0);
        }
        const double p = Median(mine);
        const double b = Median(base);
        TableRow("exec to first paint, 1,000 goals (ms)", "ms", p, b, "ratio", p / b, 1.2);
        const double pm = Median(minePeak);
        const double bm = Median(basePeak);
        TableRow("peak memory, 1,000 goals (MiB)", "MiB", pm, bm, "over", pm - bm, 3);
    }
    {
        // The same start with ten years of history beside the goal file, and without.
        const auto journalDir = dir / "journal";
        std::filesystem::create_directories(journalDir);
        WriteGoals(dir, 1000);
        WriteGoals(journalDir, 1000);
        WriteJournal(journalDir, 100000, std::time(nullptr));
        std::vector<double> with;
        std::vector<double> without;
        for (int i = 0; i < kStarts; ++i) {
            with.push_back(Spawn(program, {"-m"}, journalDir).ms);
            without.push_back(Spawn(program, {"-m"}, dir).ms);
        }
        const double p = Median(with);
        const double b = Median(without);
        TableRow("first paint with 100,000 runs of history (ratio)", "ms", p, b, "ratio", p / b, 1.05);
    }
    {
        WriteGoals(dir, 1000);
        std::vector<double> mine;
        std::vector<double> base;
        for (int i = 0; i < kRuns; ++i) {
            mine.push_back(After(Spawn(program, {"-m", "stall", "8"}, dir, slow).output, "stall "));
            base.push_back(After(Spawn(program, {"-m", "stall", "0"}, dir, slow).output, "stall "));
        }
        const double p = Median(mine);
        const double b = Median(base);
        TableRow("longest UI stall, saves with fsync +200 ms (ms)", "ms", p, b, "over", p - b, 2);
    }
    {
        WriteGoals(dir, 1000);
        std::vector<double> mine;
        std::vector<double> base;
        for (int i = 0; i < kRuns; ++i) {
            // Against the same starts and stops on a quick disk: what the slow one adds.
            mine.push_back(After(Spawn(program, {"-m", "runs", "8"}, dir, slow).output, "stall "));
            base.push_back(After(Spawn(program, {"-m", "runs", "8"}, dir).output, "stall "));
        }
        const double p = Median(mine);
        const double b = Median(base);
        TableRow("longest UI stall, clocks stopped, fsync +200 ms (ms)", "ms", p, b, "over", p - b, 2);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
