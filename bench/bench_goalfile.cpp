// SPDX-License-Identifier: GPL-3.0-or-later
// Times loading and saving goal files of 10,000 and 100,000 goals, each run beside a baseline run
// of the same bytes: read with one fread, and written with one fwrite, an fsync and a rename.
// Prints table rows: the medians at 10,000 goals, and how they grow to 100,000.
#include "BenchTable.h"
#include "storage/GoalFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

double Ms(const std::function<void()>& body) {
    const auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string ReadAll(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    std::string bytes(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
    const std::size_t n = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    bytes.resize(n);
    return bytes;
}

void RawWrite(const std::string& path, const std::string& bytes) {
    const std::string temp = path + ".raw";
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fflush(file);
    fsync(fileno(file));
    std::fclose(file);
    std::rename(temp.c_str(), path.c_str());
}

} // namespace

int main() {
    const auto dir = std::filesystem::temp_directory_path() / ("ordalune-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    TableHeader();
    double load10k = 0;
    double save10k = 0;
    for (const int count : {1000, 10000, 100000}) {
        GoalList list;
        for (int i = 0; i < count; ++i)
            list.Append(std::make_unique<Goal>("Goal number " + std::to_string(i) + ", with a comma",
                                               CTimeSpan(std::int64_t{i % 5000} * 60 + 3600),
                                               CTimeSpan(std::int64_t{i % 3000} * 60)));
        const int runs = count >= 100000 ? 7 : 15;
        GoalFile file(dir.string());
        const std::string goalPath = (dir / GoalFile::kFileName).string();
        (void)file.SaveGoals(list, "Bench");
        const std::string bytes = ReadAll(goalPath);
        // The loaded lists live on, as the program's does, so freeing them is not timed.
        std::vector<GoalList> loaded(static_cast<std::size_t>(runs));
        std::vector<double> save, rawWrite, load, rawRead;
        for (int i = 0; i < runs; ++i) { // program and baseline in turn
            save.push_back(Ms([&] { (void)file.SaveGoals(list, "Bench"); }));
            rawWrite.push_back(Ms([&] { RawWrite((dir / "raw.cdf").string(), bytes); }));
            load.push_back(Ms([&] {
                std::string user;
                (void)file.LoadGoals(loaded[static_cast<std::size_t>(i)], user);
            }));
            rawRead.push_back(Ms([&] { (void)ReadAll(goalPath); }));
        }
        const std::string goals = count == 1000 ? "1,000" : count == 10000 ? "10,000" : "100,000";
        const double l = Median(load);
        const double s = Median(save);
        if (count == 10000) {
            TableRow(("load " + goals + " goals (ms), baseline one fread").c_str(), "ms", l, Median(rawRead),
                     "ms", l, 10);
            TableRow(("save " + goals + " goals (ms), baseline write+fsync+rename").c_str(), "ms", s,
                     Median(rawWrite), "ms", s, 15);
            load10k = l;
            save10k = s;
        } else if (count == 100000) {
            // Linear within a fifth: ten times the goals also take fresh memory from the system.
            TableRow("load 100,000 against 10,000 (linear is x10)", "ms", l, load10k, "times", l / load10k,
                     12);
            TableRow("save 100,000 against 10,000 (linear is x10)", "ms", s, save10k, "times", s / save10k,
                     12);
        }
    }
    std::filesystem::remove_all(dir);
    return 0;
}
