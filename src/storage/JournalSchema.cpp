// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/JournalSchema.h"

#include "model/TranslationMark.h"

#include "storage/SqliteLibrary.h"

namespace {

constexpr const char* kRuns = R"(
CREATE TABLE intervals(
    id INTEGER PRIMARY KEY,
    goal INTEGER NOT NULL REFERENCES goals(id),
    start INTEGER NOT NULL,
    end INTEGER NOT NULL,
    seconds INTEGER NOT NULL,
    ended_by TEXT NOT NULL);
)";

// Each step takes the journal one version on.
constexpr const char* const kSteps[JournalSchema::kVersion] = {
    // 1: the goals, with an identity that follows renames, and the runs of their clocks.
    "CREATE TABLE goals(id INTEGER PRIMARY KEY, name TEXT NOT NULL, deleted INTEGER NOT NULL DEFAULT 0);"
    "CREATE INDEX intervals_by_start ON intervals(start);",
    // 2: periods are found by their end too, so a recent month is read without the years before.
    "CREATE INDEX intervals_by_end ON intervals(end);",
    // 3: budgets that renew: each goal's setting, and a record of every renewal with the goal's
    // values after it; `saved` once the goal file holds them.
    "CREATE TABLE renewal(goal INTEGER PRIMARY KEY REFERENCES goals(id), every INTEGER NOT NULL, "
    "carry_over INTEGER NOT NULL, budget INTEGER NOT NULL, allowance INTEGER NOT NULL, period INTEGER "
    "NOT NULL);"
    "CREATE TABLE renewals(id INTEGER PRIMARY KEY, goal INTEGER NOT NULL REFERENCES goals(id), "
    "period INTEGER NOT NULL, total INTEGER NOT NULL, remaining INTEGER NOT NULL, saved INTEGER NOT NULL "
    "DEFAULT 0);",
    // 4: a run's id is never given twice, so undoing a deletion never meets a newer run; and runs
    // that a clock set back left ending before they began, or counting less than nothing, end
    // where their count did.
    "CREATE TABLE runs(id INTEGER PRIMARY KEY AUTOINCREMENT, goal INTEGER NOT NULL REFERENCES goals(id), "
    "start INTEGER NOT NULL, end INTEGER NOT NULL, seconds INTEGER NOT NULL, ended_by TEXT NOT NULL);"
    "INSERT INTO runs SELECT id, goal, start, CASE WHEN end < start THEN start + max(seconds, 0) ELSE end "
    "END, max(seconds, 0), ended_by FROM intervals;"
    "DROP TABLE intervals;"
    "ALTER TABLE runs RENAME TO intervals;"
    "CREATE INDEX intervals_by_start ON intervals(start);"
    "CREATE INDEX intervals_by_end ON intervals(end);",
};

bool Exec(sqlite3* db, const char* sql) {
    return SqliteLibrary::Get()->exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

} // namespace

bool JournalSchema::Migrate(sqlite3* db, std::string& error) {
    const SqliteLibrary& sql = *SqliteLibrary::Get();
    sqlite3_stmt* statement = nullptr;
    int current = -1;
    if (sql.prepare_v2(db, "PRAGMA user_version", -1, &statement, nullptr) == SQLITE_OK &&
        sql.step(statement) == SQLITE_ROW)
        current = sql.column_int(statement, 0);
    sql.finalize(statement);
    if (current < 0)
        return false; // the caller gives the connection's own message
    if (current > kVersion) {
        error = ORDALUNE_TRANSLATE("UserMessage", "it was written by a later version of the program");
        return false;
    }
    for (int step = current; step < kVersion; ++step) {
        const std::string version = "PRAGMA user_version = " + std::to_string(step + 1);
        const std::string work = step == 0 ? std::string(kRuns) + kSteps[0] : std::string(kSteps[step]);
        if (!Exec(db, "BEGIN") || !Exec(db, work.c_str()) || !Exec(db, version.c_str()) ||
            !Exec(db, "COMMIT")) {
            error = sql.errmsg(db);
            Exec(db, "ROLLBACK");
            return false;
        }
    }
    return true;
}
