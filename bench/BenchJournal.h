// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A journal of time spent of `runs` runs beside the goal file in `dir`: ten goals, runs of 20 to
// 90 minutes, about 27 a day, ending at `end`.
#include "storage/Journal.h"

#include <cstdint>
#include <filesystem>
#include <sqlite3.h>
#include <string>

inline void WriteJournal(const std::filesystem::path& dir, int runs, std::int64_t end) {
    std::filesystem::remove(dir / Journal::kFileName);
    {
        Journal journal(dir.string());
        (void)journal.Open(end);
        (void)journal.MatchGoals({"Essay", "Gym", "Piano", "Spanish", "Reading", "Thesis", "Running",
                                  "Letters", "Garden", "Chess"});
    }
    sqlite3* db = nullptr;
    sqlite3_open((dir / Journal::kFileName).c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(
        db, "INSERT INTO intervals(goal, start, end, seconds, ended_by) VALUES(?, ?, ?, ?, 'stopped')", -1,
        &insert, nullptr);
    const std::int64_t step = 86400 / 27;
    for (int i = 0; i < runs; ++i) {
        const std::int64_t start = end - std::int64_t{runs - i} * step;
        const std::int64_t length = 1200 + (i * 7919) % 4200;
        sqlite3_bind_int64(insert, 1, 1 + i % 10);
        sqlite3_bind_int64(insert, 2, start);
        sqlite3_bind_int64(insert, 3, start + length);
        sqlite3_bind_int64(insert, 4, length);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}
