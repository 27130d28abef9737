// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Starting a program of the benchmarks' and reading what it reports, with the time to its first
// output and its peak memory.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct Run {
    double ms = 0; // to the first output
    long peakKiB = 0;
    std::string output;
};

inline Run Spawn(const std::string& program, const std::vector<std::string>& args,
                 const std::filesystem::path& dir, const std::string& preload = {}) {
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
inline double After(const std::string& output, const std::string& word) {
    const auto at = output.find(word);
    return at == std::string::npos ? -1 : std::atof(output.c_str() + at + word.size());
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
