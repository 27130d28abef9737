// SPDX-License-Identifier: GPL-3.0-or-later
// The journal of time spent at ten years of heavy use, 100,000 runs: its size; the History window
// showing a month, against reading that month's runs alone; and the command-line export of it all,
// against an export of nothing (the program's start and the journal's opening); and how long the
// running copy's journal writes wait while a larger export reads. Prints table rows.
#include "BenchJournal.h"
#include "BenchProcess.h"
#include "BenchTable.h"
#include "clock/HistoryPeriod.h"
#include "history/HistoryWindow.h"
#include "session/HistoryAccess.h"
#include "storage/JournalRecorder.h"

#include <QApplication>
#include <QEventLoop>

#include <atomic>
#include <ctime>
#include <thread>

namespace {

double Ms(const std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_history PROGRAM\n");
        return 2;
    }
    const std::string program = std::filesystem::absolute(argv[1]).string();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const auto dir =
        std::filesystem::temp_directory_path() / ("ordalune-history-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::int64_t now = std::time(nullptr);
    WriteJournal(dir, 100000, now);
    constexpr int kRuns = 7;

    {
        GoalStore store(dir.string());
        store.StartJournal();
        GoalList goals;
        HistoryAccess access(store, goals);
        HistoryWindow window(access, 1);
        const HistoryPeriod month = HistoryPeriod::Containing(now, HistoryPeriod::Span::Month);
        std::vector<double> shown;
        std::vector<double> read;
        for (int i = 0; i < kRuns; ++i) {
            QEventLoop wait;
            QObject::connect(&window, &HistoryWindow::refreshed, &wait, &QEventLoop::quit);
            auto start = std::chrono::steady_clock::now();
            window.ShowPeriod(month);
            wait.exec();
            shown.push_back(Ms(start));
            Journal journal(dir.string());
            (void)journal.OpenToRead();
            start = std::chrono::steady_clock::now();
            (void)journal.Between(month.From(), month.To());
            read.push_back(Ms(start));
        }
        TableRow("History window, a month of 100,000 runs (ms)", "ms", Median(shown), Median(read), "ms",
                 Median(shown), 150);
    }
    {
        // Thirty goals with ten runs each a day, as a busy user has them: a week and a month shown.
        const std::filesystem::path many = dir / "many";
        std::filesystem::create_directories(many);
        GoalList goals;
        std::vector<std::string> names;
        for (int goal = 0; goal < 30; ++goal) {
            names.push_back(goal == 3 ? "Write " + std::string(194, 'w') : "Goal " + std::to_string(goal));
            goals.Append(std::make_unique<Goal>(names.back(), CTimeSpan(72000), CTimeSpan(36000)));
        }
        {
            Journal journal(many.string());
            (void)journal.Open(now);
            const std::vector<std::int64_t> ids = journal.MatchGoals(names);
            (void)journal.Together(
                [&] {
                    for (int day = 0; day < 62; ++day)
                        for (std::size_t goal = 0; goal < ids.size(); ++goal)
                            for (int run = 0; run < 10; ++run) {
                                const std::int64_t start =
                                    now - day * 86400 - run * 4000 - static_cast<std::int64_t>(goal) * 90;
                                (void)journal.Update(journal.Begin(ids[goal], start), start + 80, 80,
                                                     Interval::End::Stopped);
                            }
                    return true;
                },
                "runs");
        }
        GoalStore store(many.string());
        store.StartJournal();
        HistoryAccess access(store, goals);
        HistoryWindow window(access, 1);
        for (const auto& [span, what] :
             {std::pair{HistoryPeriod::Span::Week, "History window, a week of 30 goals (ms)"},
              {HistoryPeriod::Span::Month, "History window, a month of 30 goals, 10 runs a day each (ms)"}}) {
            const HistoryPeriod period = HistoryPeriod::Containing(now, span);
            std::vector<double> shown;
            std::vector<double> read;
            for (int i = 0; i < kRuns; ++i) {
                QEventLoop wait;
                QObject::connect(&window, &HistoryWindow::refreshed, &wait, &QEventLoop::quit);
                auto start = std::chrono::steady_clock::now();
                window.ShowPeriod(period);
                wait.exec();
                shown.push_back(Ms(start));
                Journal journal(many.string());
                (void)journal.OpenToRead();
                start = std::chrono::steady_clock::now();
                (void)journal.Between(period.From(), period.To());
                read.push_back(Ms(start));
            }
            TableRow(what, "ms", Median(shown), Median(read), "ms", Median(shown), 150);
        }
        store.Flush();
    }
    {
        std::vector<double> all;
        std::vector<double> none;
        for (int i = 0; i < kRuns; ++i) {
            auto start = std::chrono::steady_clock::now();
            const Run whole = Spawn(program, {"--export-history", "csv"}, dir);
            all.push_back(Ms(start));
            start = std::chrono::steady_clock::now();
            (void)Spawn(program, {"--export-history", "csv", "--from", "2999-01-01"}, dir);
            none.push_back(Ms(start));
            if (std::count(whole.output.begin(), whole.output.end(), '\n') != 100001)
                std::fprintf(stderr, "the export holds %ld lines\n",
                             static_cast<long>(std::count(whole.output.begin(), whole.output.end(), '\n')));
        }
        TableRow("--export-history csv, 100,000 runs (ms)", "ms", Median(all), Median(none), "ms",
                 Median(all), 1000);
    }
    const double size = static_cast<double>(std::filesystem::file_size(dir / Journal::kFileName)) / 1e6;
    const Run csv = Spawn(program, {"--export-history", "csv"}, dir);
    TableRow("journal of 100,000 runs (MB), baseline its CSV", "MB", size,
             static_cast<double>(csv.output.size()) / 1e6, "MB", size, 15);
    {
        // The running copy's journal writes while exports of 400,000 runs read beside it: the
        // longest a write waits, against the same writes with nothing reading.
        WriteJournal(dir, 400000, now);
        const auto writes = [&dir, now](const std::atomic<bool>& reading) {
            JournalRecorder recorder(dir.string());
            (void)recorder.Open(now);
            recorder.Loaded({{1, "Essay"}});
            double longest = 0;
            int written = 0;
            for (int i = 0; i < 200 || reading; ++i) {
                const auto start = std::chrono::steady_clock::now();
                recorder.Began(1, now + i * 10);
                recorder.Updated(1, now + i * 10 + 5, 5, Interval::End::Stopped);
                recorder.Retry();
                longest = std::max(longest, Ms(start));
                written += recorder.Waiting() ? 0 : 2;
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            (void)recorder.Finish(std::chrono::steady_clock::now() + std::chrono::seconds(5));
            return std::pair{longest, written};
        };
        std::atomic<bool> reading{true};
        std::thread exports([&] {
            for (int i = 0; i < 3; ++i)
                (void)Spawn(program, {"--export-history", "csv"}, dir);
            reading = false;
        });
        const auto [beside, written] = writes(reading);
        exports.join();
        const auto [alone, unused] = writes(reading);
        Journal journal(dir.string());
        (void)journal.OpenToRead();
        const auto recorded = journal.Read("SELECT count(*) FROM intervals WHERE seconds = 5", 1);
        if (recorded.empty() || recorded[0][0] < written / 2)
            std::fprintf(stderr, "writes lost beside the export: %d made, %lld recorded\n", written / 2,
                         recorded.empty() ? -1LL : static_cast<long long>(recorded[0][0]));
        TableRow("longest journal write beside an export of 400,000 runs", "ms", beside, alone, "ms", beside,
                 250);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
