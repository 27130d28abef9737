// Times loading and saving goal files of 1,000, 10,000 and 100,000 goals, against a baseline
// measured in the same run: the same bytes read with one fread, and written with one fwrite, an
// fsync and a rename. Prints milliseconds (median of several runs) and the ratios.
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

double MedianMs(int runs, const std::function<void()>& body) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        body();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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
    std::printf("%8s %10s %10s %10s %10s %10s %10s\n", "goals", "load ms", "raw read", "ratio", "save ms",
                "raw write", "ratio");
    double load10k = 0;
    double save10k = 0;
    for (const int count : {1000, 10000, 100000}) {
        GoalList list;
        for (int i = 0; i < count; ++i)
            list.Append(std::make_unique<Goal>("Goal number " + std::to_string(i) + ", with a comma",
                                               CTimeSpan(std::int64_t{i % 5000} * 60 + 3600),
                                               CTimeSpan(std::int64_t{i % 3000} * 60)));
        const int runs = count >= 100000 ? 5 : 15;
        GoalFile file(dir.string());
        const double save = MedianMs(runs, [&] { (void)file.SaveGoals(list, "Bench"); });
        // The loaded lists live on, as the program's does, so freeing them is not timed.
        std::vector<GoalList> loaded(static_cast<std::size_t>(runs));
        std::size_t next = 0;
        const double load = MedianMs(runs, [&] {
            std::string user;
            (void)file.LoadGoals(loaded[next++], user);
        });
        const std::string bytes = ReadAll((dir / GoalFile::kFileName).string());
        const double rawRead = MedianMs(runs, [&] { (void)ReadAll((dir / GoalFile::kFileName).string()); });
        const double rawWrite = MedianMs(runs, [&] { RawWrite((dir / "raw.cdf").string(), bytes); });
        std::printf("%8d %10.2f %10.2f %10.1f %10.2f %10.2f %10.1f\n", count, load, rawRead, load / rawRead,
                    save, rawWrite, save / rawWrite);
        if (count == 10000) {
            load10k = load;
            save10k = save;
        }
        if (count == 100000)
            std::printf("100,000 against 10,000: load x%.1f, save x%.1f (linear is x10)\n", load / load10k,
                        save / save10k);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
