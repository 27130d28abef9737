// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SqliteLibrary.h"

#include <dlfcn.h>

namespace {

struct Loaded {
    SqliteLibrary library{};
    bool ok = false;
    std::string error;
};

template <typename Function> bool Bind(void* handle, Function& function, const char* name) {
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

Loaded Load() {
    Loaded loaded;
    void* handle = dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        loaded.error = std::string("SQLite could not be loaded: ") + dlerror();
        return loaded;
    }
    SqliteLibrary& l = loaded.library;
    loaded.ok =
        Bind(handle, l.open_v2, "sqlite3_open_v2") && Bind(handle, l.close_v2, "sqlite3_close_v2") &&
        Bind(handle, l.busy_timeout, "sqlite3_busy_timeout") && Bind(handle, l.errmsg, "sqlite3_errmsg") &&
        Bind(handle, l.extended_errcode, "sqlite3_extended_errcode") &&
        Bind(handle, l.exec, "sqlite3_exec") && Bind(handle, l.prepare_v2, "sqlite3_prepare_v2") &&
        Bind(handle, l.bind_int64, "sqlite3_bind_int64") && Bind(handle, l.bind_text, "sqlite3_bind_text") &&
        Bind(handle, l.step, "sqlite3_step") && Bind(handle, l.reset, "sqlite3_reset") &&
        Bind(handle, l.finalize, "sqlite3_finalize") && Bind(handle, l.column_int, "sqlite3_column_int") &&
        Bind(handle, l.column_int64, "sqlite3_column_int64") &&
        Bind(handle, l.column_text, "sqlite3_column_text") && Bind(handle, l.changes, "sqlite3_changes") &&
        Bind(handle, l.last_insert_rowid, "sqlite3_last_insert_rowid") &&
        Bind(handle, l.get_autocommit, "sqlite3_get_autocommit");
    if (!loaded.ok)
        loaded.error = "SQLite could not be loaded: libsqlite3.so.0 lacks a function the journal uses";
    return loaded; // the library stays loaded for the rest of the run
}

const Loaded& Library() {
    static const Loaded loaded = Load();
    return loaded;
}

} // namespace

const SqliteLibrary* SqliteLibrary::Get() { return Library().ok ? &Library().library : nullptr; }

const std::string& SqliteLibrary::LoadError() { return Library().error; }
