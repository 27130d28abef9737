#include "storage/Journal.h"

#include "storage/SqliteLibrary.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <deque>
#include <fcntl.h>
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

// Binds the values in order and runs a statement that returns no rows.
template <typename... Values> bool Run(sqlite3* db, const char* sql, Values... values) {
    Statement statement = Prepare(db, sql);
    if (!statement)
        return false;
    [[maybe_unused]] int index = 0;
    [[maybe_unused]] const auto bind = [&](auto value) {
        ++index;
        if constexpr (std::is_same_v<decltype(value), const char*>)
            Sql().bind_text(statement.get(), index, value, -1, SQLITE_TRANSIENT);
        else
            Sql().bind_int64(statement.get(), index, static_cast<sqlite3_int64>(value));
    };
    (bind(values), ...);
    return Sql().step(statement.get()) == SQLITE_DONE;
}

std::string Text(sqlite3_stmt* statement, int column) {
    const auto* text = Sql().column_text(statement, column);
    return text == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(text));
}

// The name a damaged journal is given when it is set aside, after the local time.
std::string DamagedName(std::int64_t now) {
    const auto time = static_cast<std::time_t>(now);
    std::tm local{};
    localtime_r(&time, &local);
    char name[64];
    std::strftime(name, sizeof name, "ordalune-history.damaged-%Y%m%d-%H%M%S.sqlite", &local);
    return name;
}

constexpr const char* kSchema = R"(
CREATE TABLE goals(
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL,
    deleted INTEGER NOT NULL DEFAULT 0);
CREATE TABLE intervals(
    id INTEGER PRIMARY KEY,
    goal INTEGER NOT NULL REFERENCES goals(id),
    start INTEGER NOT NULL,
    end INTEGER NOT NULL,
    seconds INTEGER NOT NULL,
    ended_by TEXT NOT NULL);
CREATE INDEX intervals_by_start ON intervals(start);
)";

} // namespace

Journal::Journal(std::string directory) : m_directory(std::move(directory)) {
    if (!m_directory.empty() && m_directory.back() != '/')
        m_directory += '/';
}

Journal::~Journal() { Close(); }

void Journal::Close() {
    if (m_db != nullptr)
        Sql().close_v2(m_db);
    m_db = nullptr;
}

Journal::OpenResult Journal::Open(std::int64_t now) {
    OpenResult result;
    Close();
    m_error.clear();
    const std::string path = Path();
    // Made by us, for this user alone; never through a link someone planted.
    if (const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        fd >= 0)
        close(fd);
    const auto openAndCheck = [&] {
        if (SqliteLibrary::Get() == nullptr) {
            m_error = SqliteLibrary::LoadError();
            return 0;
        }
        const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW;
        if (Sql().open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
            const int code = Sql().extended_errcode(m_db);
            m_error = Sql().errmsg(m_db);
            Close();
            return code == SQLITE_NOTADB || code == SQLITE_CORRUPT ? -1 : 0;
        }
        Sql().busy_timeout(m_db, 250); // another copy reading it for an export
        Statement check = Prepare(m_db, "PRAGMA quick_check");
        const int step = check ? Sql().step(check.get()) : SQLITE_ERROR;
        if (step == SQLITE_ROW && Text(check.get(), 0) == "ok")
            return 1;
        const int code = Sql().extended_errcode(m_db);
        m_error = Sql().errmsg(m_db);
        check.reset();
        Close();
        // A file that is not a database, or one whose pages do not hold together, is damaged;
        // anything else (a lock, a full disk) leaves the file as it is.
        const int primary = code & 0xff;
        return step == SQLITE_ROW || primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT ? -1 : 0;
    };
    int opened = openAndCheck();
    if (opened < 0) {
        const std::string aside = DamagedName(now);
        if (std::rename(path.c_str(), (m_directory + aside).c_str()) != 0) {
            result.messages.push_back({"The history of time spent, " + path +
                                           ", is damaged and could not be "
                                           "set aside. Time spent is not recorded in this run.",
                                       "", UserMessage::Icon::Warning});
            return result;
        }
        std::remove((path + "-journal").c_str()); // belonged to the damaged file
        result.messages.push_back({"The history of time spent was damaged. It was renamed " + aside +
                                       " and a new history, " + std::string(kFileName) +
                                       ", was started. Budgets that renew must be set again; the renamed "
                                       "file still holds them.",
                                   "", UserMessage::Icon::Warning});
        if (const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            fd >= 0)
            close(fd);
        opened = openAndCheck();
    }
    if (opened <= 0 || !Exec("PRAGMA journal_mode=DELETE") || !Exec("PRAGMA synchronous=FULL") ||
        !Exec("PRAGMA foreign_keys=ON") || !Migrate() ||
        !Run(m_db, "UPDATE intervals SET ended_by = 'crashed' WHERE ended_by = 'running'")) {
        if (m_db != nullptr && m_error.empty())
            m_error = Sql().errmsg(m_db);
        Close();
        result.messages.push_back(
            {"The history of time spent, " + path + ", could not be opened: " + m_error +
                 ". Your goals are kept as always; time spent is not recorded in this run.",
             "", UserMessage::Icon::Warning});
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
    if (Sql().open_v2(path.c_str(), &m_db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOFOLLOW, nullptr) !=
        SQLITE_OK) {
        m_error = "no history of time spent here (" + path + ")";
        Close();
        return false;
    }
    Sql().busy_timeout(m_db, 2000); // the running copy may be writing its minute
    Statement version = Prepare(m_db, "PRAGMA user_version");
    Statement check = Prepare(m_db, "PRAGMA quick_check");
    const bool known = version && Sql().step(version.get()) == SQLITE_ROW &&
                       Sql().column_int(version.get(), 0) >= 1 &&
                       Sql().column_int(version.get(), 0) <= kSchemaVersion;
    const bool sound = check && Sql().step(check.get()) == SQLITE_ROW && Text(check.get(), 0) == "ok";
    if (!known || !sound) {
        m_error = (sound ? "the history of time spent is of an unknown kind ("
                         : "the history of time spent is "
                           "damaged (") +
                  path + ")";
        version.reset();
        check.reset();
        Close();
        return false;
    }
    return true;
}

bool Journal::Exec(const char* sql) { return Sql().exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

// The schema's version is kept in user_version; each step takes it one version on.
bool Journal::Migrate() {
    Statement version = Prepare(m_db, "PRAGMA user_version");
    if (!version || Sql().step(version.get()) != SQLITE_ROW)
        return false;
    const int current = Sql().column_int(version.get(), 0);
    version.reset();
    if (current > kSchemaVersion) {
        m_error = "it was written by a later version of the program";
        return false;
    }
    // Each step in one transaction with its new version number.
    const char* const steps[] = {
        kSchema,
        // 2: periods are found by their end too, so a recent month is read without the years before.
        "CREATE INDEX intervals_by_end ON intervals(end);",
        // 3: budgets that renew: each goal's setting, and a record of every renewal with the
        // goal's values after it; `saved` once the goal file holds them.
        "CREATE TABLE renewal(goal INTEGER PRIMARY KEY REFERENCES goals(id), every INTEGER NOT NULL, "
        "carry_over INTEGER NOT NULL, budget INTEGER NOT NULL, allowance INTEGER NOT NULL, period INTEGER "
        "NOT NULL);"
        "CREATE TABLE renewals(id INTEGER PRIMARY KEY, goal INTEGER NOT NULL REFERENCES goals(id), "
        "period INTEGER NOT NULL, total INTEGER NOT NULL, remaining INTEGER NOT NULL, saved INTEGER NOT NULL "
        "DEFAULT 0);",
    };
    for (int step = current; step < kSchemaVersion; ++step) {
        const std::string version = "PRAGMA user_version = " + std::to_string(step + 1);
        if (!Exec("BEGIN") || !Exec(steps[step]) || !Exec(version.c_str()) || !Exec("COMMIT")) {
            Exec("ROLLBACK");
            return false;
        }
    }
    return true;
}

bool Journal::Failed(const char* what) {
    if (m_db != nullptr)
        m_error = std::string(what) + ": " + Sql().errmsg(m_db);
    m_failurePending = !m_failureTold;
    m_failureTold = true;
    Close(); // not written again in this run
    return false;
}

std::vector<UserMessage> Journal::TakeFailure() {
    if (!m_failurePending)
        return {};
    m_failurePending = false;
    return {{"The history of time spent, " + Path() + ", could not be written (" + m_error +
                 "). Your goals are kept as always; time spent is no longer recorded in this run.",
             "", UserMessage::Icon::Warning}};
}

std::vector<std::int64_t> Journal::MatchGoals(const std::vector<std::string>& names) {
    if (m_db == nullptr)
        return {};
    // Each name's identities in the order they were made; the first not yet taken goes next.
    std::unordered_map<std::string, std::deque<std::int64_t>> known;
    for (auto& [id, name] : Goals())
        known[std::move(name)].push_back(id);
    std::vector<std::int64_t> ids;
    Exec("BEGIN");
    Statement insert = Prepare(m_db, "INSERT INTO goals(name) VALUES(?)");
    for (const std::string& name : names) {
        if (auto found = known.find(name); found != known.end() && !found->second.empty()) {
            ids.push_back(found->second.front());
            found->second.pop_front();
            continue;
        }
        if (!insert || Sql().bind_text(insert.get(), 1, name.c_str(), -1, SQLITE_TRANSIENT) != SQLITE_OK ||
            Sql().step(insert.get()) != SQLITE_DONE) {
            insert.reset();
            Exec("ROLLBACK");
            Failed("a goal could not be added");
            return {};
        }
        Sql().reset(insert.get());
        ids.push_back(Sql().last_insert_rowid(m_db));
    }
    insert.reset();
    if (!Exec("COMMIT")) {
        Failed("the goals could not be recorded");
        return {};
    }
    return ids;
}

std::int64_t Journal::NewGoal(const std::string& name) {
    if (m_db == nullptr)
        return 0;
    if (!Run(m_db, "INSERT INTO goals(name) VALUES(?)", name.c_str())) {
        Failed("a goal could not be added");
        return 0;
    }
    return Sql().last_insert_rowid(m_db);
}

bool Journal::Rename(std::int64_t goal, const std::string& name) {
    return m_db != nullptr && (Run(m_db, "UPDATE goals SET name = ? WHERE id = ?", name.c_str(), goal) ||
                               Failed("a rename failed"));
}

bool Journal::MarkDeleted(std::int64_t goal) {
    return m_db != nullptr &&
           (Run(m_db, "UPDATE goals SET deleted = 1 WHERE id = ?", goal) || Failed("a deletion failed"));
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
    while (statement && Sql().step(statement.get()) == SQLITE_ROW) {
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
    Exec("ROLLBACK");
    return Failed(what);
}

std::int64_t Journal::LastId() const { return m_db == nullptr ? 0 : Sql().last_insert_rowid(m_db); }

std::vector<std::pair<std::int64_t, std::string>> Journal::Goals() {
    std::vector<std::pair<std::int64_t, std::string>> goals;
    Statement all = m_db == nullptr
                        ? Statement()
                        : Prepare(m_db, "SELECT id, name FROM goals WHERE deleted = 0 ORDER BY id");
    while (all && Sql().step(all.get()) == SQLITE_ROW)
        goals.emplace_back(Sql().column_int64(all.get(), 0), Text(all.get(), 1));
    return goals;
}

std::int64_t Journal::Begin(std::int64_t goal, std::int64_t start) {
    if (m_db == nullptr)
        return 0;
    if (!Run(m_db, "INSERT INTO intervals(goal, start, end, seconds, ended_by) VALUES(?, ?, ?, 0, 'running')",
             goal, start, start)) {
        Failed("a run could not be recorded");
        return 0;
    }
    return Sql().last_insert_rowid(m_db);
}

bool Journal::Update(std::int64_t interval, std::int64_t end, std::int64_t seconds, Interval::End endedBy) {
    const std::string name(Interval::Name(endedBy));
    return m_db != nullptr &&
           (Run(m_db, "UPDATE intervals SET end = ?, seconds = ?, ended_by = ? WHERE id = ?", end, seconds,
                name.c_str(), interval) ||
            Failed("a run could not be brought up to date"));
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

std::vector<Interval> Journal::Between(std::int64_t from, std::int64_t to) {
    std::vector<Interval> found;
    if (m_db == nullptr)
        return found;
    Statement select =
        Prepare(m_db, "SELECT i.id, i.goal, g.name, g.deleted, i.start, i.end, i.seconds, i.ended_by "
                      "FROM intervals i JOIN goals g ON g.id = i.goal "
                      "WHERE i.end >= ?2 AND i.start < ?1 AND (i.end > ?2 OR i.start >= ?2) "
                      "ORDER BY i.start, i.id");
    if (!select)
        return found;
    Sql().bind_int64(select.get(), 1, to);
    Sql().bind_int64(select.get(), 2, from);
    while (Sql().step(select.get()) == SQLITE_ROW) {
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
    return found;
}
