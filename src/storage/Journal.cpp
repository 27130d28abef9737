// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/Journal.h"

#include "storage/JournalSchema.h"
#include "storage/JournalTrust.h"
#include "storage/SqliteLibrary.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <deque>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace {

// Reached only through an open database, so once the library is loaded.
const SqliteLibrary& Sql() { return *SqliteLibrary::Get(); }

struct Finalize {
    void operator()(sqlite3_stmt* statement) const { Sql().finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalize>;

Statement Prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* statement = nullptr;
    Sql().prepare_v2(db, sql, -1, &statement, nullptr);
    return Statement(statement);
}

// Binds the values in order and runs a statement that returns no rows, left ready to run again.
template <typename... Values> bool Run(sqlite3_stmt* statement, Values... values) {
    [[maybe_unused]] int index = 0;
    [[maybe_unused]] const auto bind = [&](auto value) {
        ++index;
        if constexpr (std::is_same_v<decltype(value), const char*>)
            Sql().bind_text(statement, index, value, -1, SQLITE_TRANSIENT);
        else
            Sql().bind_int64(statement, index, static_cast<sqlite3_int64>(value));
    };
    (bind(values), ...);
    const bool done = Sql().step(statement) == SQLITE_DONE;
    Sql().reset(statement);
    return done;
}

template <typename... Values> bool Run(sqlite3* db, const char* sql, Values... values) {
    const Statement statement = Prepare(db, sql);
    return statement && Run(statement.get(), values...);
}

std::string Text(sqlite3_stmt* statement, int column) {
    const auto* text = Sql().column_text(statement, column);
    return text == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(text));
}

UserMessage Warning(const char* text, std::vector<std::string> args) {
    return UserMessage::Of({{"Journal", text, std::move(args)}}, {}, UserMessage::Icon::Warning);
}

} // namespace

Journal::Journal(std::string directory) : m_directory(std::move(directory)) {
    if (!m_directory.empty() && m_directory.back() != '/')
        m_directory += '/';
}

Journal::~Journal() { Close(); }

void Journal::Close() {
    if (m_db == nullptr)
        return;
    Sql().finalize(std::exchange(m_update, nullptr)); // harmless on null
    Sql().close_v2(std::exchange(m_db, nullptr));
}

std::string Journal::Folder() const { return m_directory.empty() ? std::string(".") : m_directory; }

// Whether the journal is open and sound; when it cannot be used, the reason is in m_error.
Journal::Opened Journal::OpenChecked(bool writable) {
    const std::string path = Path();
    const JournalTrust::Checked file = JournalTrust::Open(path);
    m_error.clear();
    if (file.refusal)
        Say({*file.refusal});
    if (file.fd < 0)
        return file.missing ? Opened::Missing : Opened::Refused;
    const auto refuse = [&](std::string reason, Opened how = Opened::Refused) {
        Close();
        close(file.fd);
        m_error = std::move(reason);
        return how;
    };
    if (std::optional<UserMessage::Part> rollback = JournalTrust::CheckRollback(path)) {
        refuse({});
        Say({std::move(*rollback)});
        return Opened::Refused;
    }
    if (SqliteLibrary::Get() == nullptr)
        return refuse(SqliteLibrary::LoadError()); // the same words in the window and the export
    const int flags = (writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY) | SQLITE_OPEN_NOFOLLOW;
    if (Sql().open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK)
        return refuse(Sql().errmsg(m_db));
    // A write waits a moment for another copy reading it; the export waits for the minute's write.
    Sql().busy_timeout(m_db, writable ? kWriteWaitMs : kReadWaitMs);
    Statement check = Prepare(m_db, "PRAGMA quick_check");
    const int step = check ? Sql().step(check.get()) : SQLITE_ERROR;
    const bool sound = step == SQLITE_ROW && Text(check.get(), 0) == "ok";
    const int code = Sql().extended_errcode(m_db);
    std::string reason = Sql().errmsg(m_db);
    check.reset();
    if (sound && JournalTrust::StillNames(file.fd, path)) {
        close(file.fd);
        return Opened::Sound;
    }
    if (sound)
        return refuse(ORDALUNE_TRANSLATE("UserMessage", "it was replaced as it was opened"));
    // Left half-written by a writer that was stopped: the next writer puts it right, nothing lost.
    if (code == SQLITE_READONLY_ROLLBACK)
        return refuse(reason, Opened::Interrupted);
    // A file that is not a database, or one whose pages do not hold together, is damaged;
    // anything else (a lock, a full disk) leaves the file as it is.
    const int primary = code & 0xff;
    const bool damaged = step == SQLITE_ROW || primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
    return refuse(std::move(reason), damaged ? Opened::Damaged : Opened::Refused);
}

Journal::OpenResult Journal::Open(std::int64_t now) {
    OpenResult result;
    Close();
    const std::string path = Path();
    if (std::optional<UserMessage::Part> others = JournalTrust::OthersCanWrite(Folder())) {
        // Who can write is its own part, the sentence's subject, put between the two
        result.messages.push_back(UserMessage::Of(
            //: Goes on with who can write there ("everyone", "the group staff"), then " can write to %1..."
            {{"Journal", ORDALUNE_TRANSLATE("Journal", "Time spent is not recorded here: the history of time "
                                                       "spent is kept only in a folder no one else can write "
                                                       "to, and ")},
             std::move(*others),
             {"Journal",
              ORDALUNE_TRANSLATE("Journal", " can write to %1. Your goals are kept as always, and budgets do "
                                            "not renew. To keep a history, keep the goal file in a folder of "
                                            "your own."),
              {Folder()}}},
            {}, UserMessage::Icon::Warning));
        return result;
    }
    JournalTrust::Create(path, Folder());
    Opened opened = OpenChecked(true);
    if (opened == Opened::Damaged) {
        const std::string aside = JournalTrust::SetAside(path, m_directory, now);
        if (aside.empty()) {
            result.messages.push_back(Warning(
                ORDALUNE_TRANSLATE("Journal", "The history of time spent, %1, is damaged and could not be "
                                              "set aside. Time spent is not recorded in this run."),
                {path}));
            return result;
        }
        result.messages.push_back(Warning(
            ORDALUNE_TRANSLATE("Journal", "The history of time spent was damaged. It was renamed %1 and a "
                                          "new history, %2, was started. Budgets that renew must be set "
                                          "again; the renamed file still holds them."),
            {aside, kFileName}));
        JournalTrust::Create(path, Folder());
        opened = OpenChecked(true);
    }
    if (opened != Opened::Sound || !Exec("PRAGMA journal_mode=DELETE") || !Exec("PRAGMA synchronous=FULL") ||
        !Exec("PRAGMA foreign_keys=ON") || !JournalSchema::Migrate(m_db, m_error) ||
        !Run(m_db, "UPDATE intervals SET ended_by = 'crashed' WHERE ended_by = 'running'")) {
        if (m_db != nullptr && m_error.empty())
            m_error = Sql().errmsg(m_db);
        Close();
        result.messages.push_back(
            Told({"Journal",
                  ORDALUNE_TRANSLATE("Journal", "The history of time spent, %1, could not be opened: "),
                  {path}},
                 {"Journal", ORDALUNE_TRANSLATE("Journal", ". Your goals are kept as always; time spent "
                                                           "is not recorded in this run.")}));
        return result;
    }
    m_failureTold = false;
    result.opened = true;
    return result;
}

bool Journal::OpenToRead() {
    Close();
    const std::string path = Path();
    if (SqliteLibrary::Get() == nullptr) {
        m_error = SqliteLibrary::LoadError(); // the same words as the window gives
        return false;
    }
    if (const std::optional<UserMessage::Part> others = JournalTrust::OthersCanWrite(Folder())) {
        Say({{"Journal",
              ORDALUNE_TRANSLATE("Journal", "the history of time spent is kept only in a folder no "
                                            "one else can write to, and ")},
             std::move(*others),
             {"Journal", ORDALUNE_TRANSLATE("Journal", " can write to %1"), {Folder()}}});
        return false;
    }
    switch (OpenChecked(false)) {
    case Opened::Sound:
        break;
    case Opened::Missing:
        Say({{"Journal", ORDALUNE_TRANSLATE("Journal", "no history of time spent here (%1)"), {path}}});
        return false;
    case Opened::Interrupted:
        Say({{"Journal",
              ORDALUNE_TRANSLATE("Journal", "the history of time spent was left half-written by a "
                                            "program that was stopped; start Ordalune in this folder "
                                            "once to put it right, then export again")}});
        return false;
    case Opened::Damaged:
        Say({{"Journal",
              ORDALUNE_TRANSLATE("Journal", "the history of time spent is damaged (%1)"),
              {path}}});
        return false;
    case Opened::Refused:
        std::vector<UserMessage::Part> reason = Reason();
        reason.insert(reason.begin(),
                      {"Journal",
                       ORDALUNE_TRANSLATE("Journal", "the history of time spent, %1, could not be read: "),
                       {path}});
        Say(std::move(reason));
        return false;
    }
    Statement version = Prepare(m_db, "PRAGMA user_version");
    const bool known = version && Sql().step(version.get()) == SQLITE_ROW &&
                       Sql().column_int(version.get(), 0) >= 1 &&
                       Sql().column_int(version.get(), 0) <= JournalSchema::kVersion;
    version.reset();
    if (!known) {
        Say({{"Journal",
              ORDALUNE_TRANSLATE("Journal", "the history of time spent is of an unknown kind (%1)"),
              {path}}});
        Close();
        return false;
    }
    return true;
}

void Journal::Say(std::vector<UserMessage::Part> reason) {
    m_error = UserMessage::Of(reason).text;
    m_reason = std::move(reason);
}

UserMessage Journal::Told(UserMessage::Part before, UserMessage::Part after) const {
    std::vector<UserMessage::Part> told = Reason();
    told.insert(told.begin(), std::move(before));
    told.push_back(std::move(after));
    return UserMessage::Of(std::move(told), {}, UserMessage::Icon::Warning);
}

std::vector<UserMessage::Part> Journal::Reason() const {
    // Words set since without their parts are told as they are (SQLite's own), or translated
    // where they are marked ones of ours in context "UserMessage".
    if (UserMessage::Of(m_reason).text == m_error)
        return m_reason;
    return {{"", "%1", {m_error}, 1U}};
}

bool Journal::Exec(const char* sql) { return Sql().exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

bool Journal::Failed(const char* what) {
    const int code = m_db != nullptr ? Sql().extended_errcode(m_db) & 0xff : 0;
    if (m_db != nullptr)
        Say({{"Journal", what}, {"", ": %1", {Sql().errmsg(m_db)}}});
    if (m_db != nullptr && Sql().get_autocommit(m_db) == 0)
        Exec("ROLLBACK"); // nothing of it stays
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
        m_busy = true; // held by another program for now: tried again, never given up for it
        return false;
    }
    m_failurePending = !m_failureTold;
    m_failureTold = true;
    Close(); // not written again in this run
    return false;
}

// One step of a reading; a journal locked by another program is told, not taken for the end.
bool Journal::NextRow(sqlite3_stmt* statement) {
    const int step = Sql().step(statement);
    if (step == SQLITE_BUSY || step == SQLITE_LOCKED)
        m_busy = true;
    return step == SQLITE_ROW;
}

std::vector<UserMessage> Journal::TakeFailure() {
    if (!m_failurePending)
        return {};
    m_failurePending = false;
    return {
        Told({"Journal",
              ORDALUNE_TRANSLATE("Journal", "The history of time spent, %1, could not be written ("),
              {Path()}},
             {"Journal", ORDALUNE_TRANSLATE("Journal", "). Your goals are kept as always; time spent is no "
                                                       "longer recorded in this run.")})};
}

std::vector<std::int64_t> Journal::MatchGoals(const std::vector<std::string>& names) {
    if (m_db == nullptr)
        return {};
    // Each name's identities in the order they were made; the first not yet taken goes next.
    std::unordered_map<std::string, std::deque<std::int64_t>> known;
    for (auto& [id, name] : Goals())
        known[std::move(name)].push_back(id);
    if (m_busy)
        return {}; // not all known: asked again, rather than given new identities
    std::vector<std::int64_t> ids;
    if (!Exec("BEGIN")) {
        Failed(ORDALUNE_TRANSLATE("Journal", "the goals could not be recorded"));
        return {};
    }
    Statement insert = Prepare(m_db, "INSERT INTO goals(name) VALUES(?)");
    for (const std::string& name : names) {
        if (auto found = known.find(name); found != known.end() && !found->second.empty()) {
            ids.push_back(found->second.front());
            found->second.pop_front();
            continue;
        }
        if (!insert || !Run(insert.get(), name.c_str())) {
            insert.reset();
            Failed(ORDALUNE_TRANSLATE("Journal", "a goal could not be added"));
            return {};
        }
        ids.push_back(Sql().last_insert_rowid(m_db));
    }
    insert.reset();
    if (!Exec("COMMIT")) {
        Failed(ORDALUNE_TRANSLATE("Journal", "the goals could not be recorded"));
        return {};
    }
    return ids;
}

std::int64_t Journal::NewGoal(const std::string& name) {
    if (m_db == nullptr)
        return 0;
    if (!Run(m_db, "INSERT INTO goals(name) VALUES(?)", name.c_str())) {
        Failed(ORDALUNE_TRANSLATE("Journal", "a goal could not be added"));
        return 0;
    }
    return Sql().last_insert_rowid(m_db);
}

bool Journal::Rename(std::int64_t goal, const std::string& name) {
    return m_db != nullptr && (Run(m_db, "UPDATE goals SET name = ? WHERE id = ?", name.c_str(), goal) ||
                               Failed(ORDALUNE_TRANSLATE("Journal", "a rename failed")));
}

bool Journal::MarkDeleted(std::int64_t goal) {
    return m_db != nullptr && (Run(m_db, "UPDATE goals SET deleted = 1 WHERE id = ?", goal) ||
                               Failed(ORDALUNE_TRANSLATE("Journal", "a deletion failed")));
}

bool Journal::Write(const char* sql, const std::vector<std::int64_t>& values) {
    Statement statement = m_db == nullptr ? Statement() : Prepare(m_db, sql);
    for (std::size_t i = 0; statement && i < values.size(); ++i)
        Sql().bind_int64(statement.get(), static_cast<int>(i + 1), values[i]);
    return statement && Sql().step(statement.get()) == SQLITE_DONE;
}

std::vector<std::vector<std::int64_t>> Journal::Read(const char* sql, int columns) {
    std::vector<std::vector<std::int64_t>> rows;
    Statement statement = m_db == nullptr ? Statement() : Prepare(m_db, sql);
    while (statement && NextRow(statement.get())) {
        rows.emplace_back();
        for (int column = 0; column < columns; ++column)
            rows.back().push_back(Sql().column_int64(statement.get(), column));
    }
    return rows;
}

bool Journal::Together(const std::function<bool()>& work, const char* what) {
    if (m_db == nullptr)
        return false;
    if (Exec("BEGIN") && work() && Exec("COMMIT"))
        return true;
    return Failed(what);
}

std::int64_t Journal::LastId() const { return m_db == nullptr ? 0 : Sql().last_insert_rowid(m_db); }

std::vector<std::pair<std::int64_t, std::string>> Journal::Goals() {
    std::vector<std::pair<std::int64_t, std::string>> goals;
    Statement all = m_db == nullptr
                        ? Statement()
                        : Prepare(m_db, "SELECT id, name FROM goals WHERE deleted = 0 ORDER BY id");
    while (all && NextRow(all.get()))
        goals.emplace_back(Sql().column_int64(all.get(), 0), Text(all.get(), 1));
    return goals;
}

std::int64_t Journal::Begin(std::int64_t goal, std::int64_t start) {
    if (m_db == nullptr)
        return 0;
    if (!Run(m_db, "INSERT INTO intervals(goal, start, end, seconds, ended_by) VALUES(?, ?, ?, 0, 'running')",
             goal, start, start)) {
        Failed(ORDALUNE_TRANSLATE("Journal", "a run could not be recorded"));
        return 0;
    }
    return Sql().last_insert_rowid(m_db);
}

bool Journal::Update(std::int64_t interval, std::int64_t end, std::int64_t seconds, Interval::End endedBy) {
    const std::string name(Interval::Name(endedBy));
    // Prepared once: each running clock's run is brought up to date every minute.
    if (m_db != nullptr && m_update == nullptr)
        Sql().prepare_v2(m_db, "UPDATE intervals SET end = ?, seconds = ?, ended_by = ? WHERE id = ?", -1,
                         &m_update, nullptr);
    return m_db != nullptr &&
           ((m_update != nullptr && Run(m_update, end, seconds, name.c_str(), interval)) ||
            Failed(ORDALUNE_TRANSLATE("Journal", "a run could not be brought up to date")));
}

std::int64_t Journal::Add(const Interval& interval) {
    const std::string name(Interval::Name(interval.endedBy));
    // A run made again by an undo keeps the id it had.
    if (m_db == nullptr ||
        !(interval.id != 0
              ? Run(m_db,
                    "INSERT INTO intervals(id, goal, start, end, seconds, ended_by) "
                    "VALUES(?, ?, ?, ?, ?, ?)",
                    interval.id, interval.goal, interval.start, interval.end, interval.seconds, name.c_str())
              : Run(m_db,
                    "INSERT INTO intervals(goal, start, end, seconds, ended_by) "
                    "VALUES(?, ?, ?, ?, ?)",
                    interval.goal, interval.start, interval.end, interval.seconds, name.c_str())))
        return 0;
    return Sql().last_insert_rowid(m_db);
}

bool Journal::Change(const Interval& interval) {
    const std::string name(Interval::Name(interval.endedBy));
    return m_db != nullptr &&
           Run(m_db,
               "UPDATE intervals SET goal = ?, start = ?, end = ?, seconds = ?, ended_by = ? WHERE id = ?",
               interval.goal, interval.start, interval.end, interval.seconds, name.c_str(), interval.id) &&
           Sql().changes(m_db) == 1;
}

bool Journal::Remove(std::int64_t interval) {
    return m_db != nullptr && Run(m_db, "DELETE FROM intervals WHERE id = ?", interval) &&
           Sql().changes(m_db) == 1;
}

bool Journal::ForEach(std::int64_t from, std::int64_t to, const std::function<bool(const Interval&)>& each,
                      int chunk) {
    // A chunk at a time, each its own short reading, so a writer never waits long behind it.
    std::int64_t afterStart = std::numeric_limits<std::int64_t>::min();
    std::int64_t afterId = std::numeric_limits<std::int64_t>::min();
    for (int read = chunk; read == chunk && m_db != nullptr;) {
        Statement select = Prepare(
            m_db, "SELECT i.id, i.goal, g.name, g.deleted, i.start, i.end, i.seconds, i.ended_by "
                  "FROM intervals i JOIN goals g ON g.id = i.goal "
                  "WHERE i.end >= ?2 AND i.start < ?1 AND (i.end > ?2 OR i.start >= ?2) "
                  "AND i.start >= ?3 AND (i.start > ?3 OR i.id > ?4) ORDER BY i.start, i.id LIMIT ?5");
        if (!select)
            return false;
        for (const auto& [index, value] :
             {std::pair{1, to}, {2, from}, {3, afterStart}, {4, afterId}, {5, std::int64_t{chunk}}})
            Sql().bind_int64(select.get(), index, value);
        std::vector<Interval> found;
        while (NextRow(select.get())) {
            Interval interval;
            interval.id = Sql().column_int64(select.get(), 0);
            interval.goal = Sql().column_int64(select.get(), 1);
            interval.goalName = Text(select.get(), 2);
            interval.goalDeleted = Sql().column_int(select.get(), 3) != 0;
            interval.start = Sql().column_int64(select.get(), 4);
            interval.end = Sql().column_int64(select.get(), 5);
            interval.seconds = Sql().column_int64(select.get(), 6);
            interval.endedBy = Interval::FromName(Text(select.get(), 7)).value_or(Interval::End::Crashed);
            found.push_back(std::move(interval));
        }
        select.reset(); // the reading ends here, and its lock with it
        if (m_busy)
            return false;
        read = static_cast<int>(found.size());
        for (const Interval& interval : found)
            if (!each(interval))
                return false;
        if (!found.empty()) {
            afterStart = found.back().start;
            afterId = found.back().id;
        }
    }
    return m_db != nullptr;
}

std::optional<std::vector<Interval>> Journal::Between(std::int64_t from, std::int64_t to) {
    // Judged by this reading alone: a write held back before it does not spoil it.
    const bool heldBefore = std::exchange(m_busy, false);
    std::vector<Interval> found;
    const bool read = ForEach(from, to, [&found](const Interval& interval) {
        found.push_back(interval);
        return true;
    });
    m_busy = m_busy || heldBefore;
    if (!read && m_db != nullptr)
        return std::nullopt;
    return found; // with no journal, no runs
}
