// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

struct sqlite3;

// The journal's tables, and the steps that take a journal written by an earlier version to the
// current one. The version is kept in SQLite's user_version.
class JournalSchema final {
public:
    static constexpr int kVersion = 4;

    // Brings the journal to the current version, each step in one transaction; false with the
    // reason in `error` when that cannot be done (a journal of a later version, a failed write).
    // When its version cannot be read, `error` stays empty: the connection's message says why.
    [[nodiscard]] static bool Migrate(sqlite3* db, std::string& error);
};
