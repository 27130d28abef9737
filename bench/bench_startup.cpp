// Measures the program against a bare Qt window in the same run, both offscreen, alternating
// them run by run and taking medians:
//   - CPU time a minute with three clocks running, against a bare window repainting three small
//     rectangles once a second;
//   - time from exec to the first painted goal list with 1,000 goals, and peak memory, against a
//     bare main window of the same size and its first paint;
//   - the longest time the window's thread is kept from its events while saves run with every
//     fsync slowed to 200 ms, against the same program running without saves.
// Prints one table row per target.
#include "BenchTable.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    double ms = 0; // to the first output
    long peakKiB = 0;
    std::string output;
};

Run Spawn(const std::string& program, const std::vector<std::string>& args, const std::filesystem::path& dir,
          const std::string& preload = {}) {
    int fds[2];
    if (pipe(fds) != 0)
        std::exit(1);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], 1);
        close(fds[0]);
        if (chdir(dir.c_str()) != 0)
            _exit(127);
        if (!preload.empty())
            setenv("LD_PRELOAD", preload.c_str(), 1);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const auto& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(fds[1]);
    Run run;
    char buffer[256];
    ssize_t n = 0;
    bool first = true;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0) {
        if (first)
            run.ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        first = false;
        run.output.append(buffer, static_cast<std::size_t>(n));
    }
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.peakKiB = usage.ru_maxrss;
    if (run.output.empty()) {
        std::fprintf(stderr, "%s reported nothing\n", program.c_str());
        std::exit(1);
    }
    return run;
}

// The number after `word` in a probe's report.
double After(const std::string& output, const std::string& word) {
    const auto at = output.find(word);
    return at == std::string::npos ? -1 : std::atof(output.c_str() + at + word.size());
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

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
        TableRow("CPU, 3 clocks running (ms/min)", "ms", p, b, "over", p - b, 10);
    }
    {
        WriteGoals(dir, 1000);
        constexpr int kStarts = 21;
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
        TableRow("exec to first paint, 1,000 goals (ms)", "ms", p, b, "ratio", p / b, 1.3);
        const double pm = Median(minePeak);
        const double bm = Median(basePeak);
        TableRow("peak memory, 1,000 goals (MiB)", "MiB", pm, bm, "over", pm - bm, 5);
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
    std::filesystem::remove_all(dir);
    return 0;
}
