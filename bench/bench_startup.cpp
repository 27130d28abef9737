// Times the program from start to its first painted goal list, with a goal file of 1,000 goals,
// against a bare Qt main window, both offscreen; prints the medians, their ratio and the peak
// memory of each. Then measures the CPU time the program uses over a minute with three goals
// running.
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
    double ms = 0;
    long peakKiB = 0;
    std::string output;
};

Run Spawn(const std::string& probe, const std::vector<std::string>& args, const std::filesystem::path& dir) {
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
        std::vector<char*> argv{const_cast<char*>(probe.c_str())};
        for (const auto& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(probe.c_str(), argv.data());
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
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void WriteGoals(const std::filesystem::path& dir, int count) {
    std::ofstream file(dir / "Ordalune.cdf", std::ios::binary);
    file << "File Version : 1\r\nUser : Bench\r\n";
    for (int i = 0; i < count; ++i)
        file << "Goal number " << i << ",,"
             << " with a comma," << (i % 9 + 1) << ":00," << (i % 9) << ":30\r\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_startup PROBE [cpu-seconds]\n");
        return 2;
    }
    const std::string probe = std::filesystem::absolute(argv[1]).string();
    const int cpuSeconds = argc > 2 ? std::atoi(argv[2]) : 60;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("DISPLAY", (":ordalune-bench-" + std::to_string(getpid())).c_str(), 1);
    const auto dir =
        std::filesystem::temp_directory_path() / ("ordalune-startup-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    WriteGoals(dir, 1000);

    constexpr int kRuns = 15;
    std::vector<double> program;
    std::vector<double> bare;
    long programPeak = 0;
    long barePeak = 0;
    Spawn(probe, {"-m"}, dir); // warm the caches once for both
    Spawn(probe, {"bare"}, dir);
    for (int i = 0; i < kRuns; ++i) {
        const Run a = Spawn(probe, {"-m"}, dir);
        const Run b = Spawn(probe, {"bare"}, dir);
        if (a.output.find("painted") == std::string::npos || b.output.find("painted") == std::string::npos) {
            std::fprintf(stderr, "a probe did not paint\n");
            return 1;
        }
        program.push_back(a.ms);
        bare.push_back(b.ms);
        programPeak = std::max(programPeak, a.peakKiB);
        barePeak = std::max(barePeak, b.peakKiB);
    }
    const double p = Median(program);
    const double b = Median(bare);
    std::printf(
        "start to first paint, 1,000 goals (median of %d, ms): program %.1f, bare window %.1f, ratio %.2f "
        "(target <= 1.5)\n",
        kRuns, p, b, p / b);
    std::printf("peak memory (MiB): program %.1f, bare window %.1f, difference %.1f (target <= 10)\n",
                programPeak / 1024.0, barePeak / 1024.0, (programPeak - barePeak) / 1024.0);

    if (cpuSeconds > 0) {
        WriteGoals(dir, 3);
        std::filesystem::remove(dir / "ordalune.bak");
        const Run cpu = Spawn(probe, {"-m", "cpu", std::to_string(cpuSeconds)}, dir);
        std::printf("three goals running: %s", cpu.output.c_str());
        std::printf("(target: under %d ms over %d s)\n", cpuSeconds, cpuSeconds);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
