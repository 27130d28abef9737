// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sqlite3.h>

#include <string>

// SQLite's entry points, bound when the journal is first opened rather than when the program
// starts: as a linked library it adds half a millisecond of symbol binding to every start, and the
// journal is opened on the store's worker once the window is up.
struct SqliteLibrary {
    decltype(&sqlite3_open_v2) open_v2;
    decltype(&sqlite3_close_v2) close_v2;
    decltype(&sqlite3_busy_timeout) busy_timeout;
    decltype(&sqlite3_errmsg) errmsg;
    decltype(&sqlite3_extended_errcode) extended_errcode;
    decltype(&sqlite3_exec) exec;
    decltype(&sqlite3_prepare_v2) prepare_v2;
    decltype(&sqlite3_bind_int64) bind_int64;
    decltype(&sqlite3_bind_text) bind_text;
    decltype(&sqlite3_step) step;
    decltype(&sqlite3_reset) reset;
    decltype(&sqlite3_finalize) finalize;
    decltype(&sqlite3_column_int) column_int;
    decltype(&sqlite3_column_int64) column_int64;
    decltype(&sqlite3_column_text) column_text;
    decltype(&sqlite3_changes) changes;
    decltype(&sqlite3_last_insert_rowid) last_insert_rowid;
    decltype(&sqlite3_get_autocommit) get_autocommit;

    // The library, loaded on the first call from any thread; null when it cannot be loaded, with
    // the reason, worded for the user, in LoadError().
    [[nodiscard]] static const SqliteLibrary* Get();
    [[nodiscard]] static const std::string& LoadError();
};
