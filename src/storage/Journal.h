// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Interval.h"
#include "storage/UserMessage.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// The journal of time spent, "ordalune-history.sqlite" beside the goal file: every run of every
// clock, and an identity for each goal so that its past follows it through renames. The goal file
// never depends on it: when the journal cannot be opened or written, the user is told once and
// nothing more is written to it.
class Journal final {
public:
    static constexpr const char* kFileName = "ordalune-history.sqlite";
    // How long a write waits for another program reading the journal, and a reading for a write.
    static constexpr int kWriteWaitMs = 250;
    static constexpr int kReadWaitMs = 2000;

    struct OpenResult {
        bool opened = false;
        std::vector<UserMessage> messages; // a damaged journal set aside, or no journal at all
    };

    // The journal lives in `directory`; empty means the current directory.
    explicit Journal(std::string directory = {});
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Opens or creates the journal for writing. A damaged one is renamed aside (named after `now`)
    // and a new one started; runs left open by a crash are closed as crashed.
    [[nodiscard]] OpenResult Open(std::int64_t now);
    // Opens an existing journal only to read it; false with the reason in LastError().
    [[nodiscard]] bool OpenToRead();
    [[nodiscard]] bool IsOpen() const { return m_db != nullptr; }
    [[nodiscard]] const std::string& LastError() const { return m_error; }
    // The same in parts, for the user's language.
    [[nodiscard]] UserMessage LastErrorMessage() const { return UserMessage::Of(Reason()); }
    // Whether the last write found the journal locked by another program. Nothing is shut for it:
    // the caller keeps the work and tries again.
    [[nodiscard]] bool Busy() const { return m_busy; }
    void ClearBusy() { m_busy = false; }
    // Once a write has failed, the user is told once per run; after that the journal is shut.
    [[nodiscard]] std::vector<UserMessage> TakeFailure();

    // The identities of the goals named, in order: the first "Gym" is the first "Gym" the journal
    // knows; a name it does not know gets a new identity. Empty on failure.
    [[nodiscard]] std::vector<std::int64_t> MatchGoals(const std::vector<std::string>& names);
    // A goal added by the user: always an identity of its own. 0 on failure.
    [[nodiscard]] std::int64_t NewGoal(const std::string& name);
    bool Rename(std::int64_t goal, const std::string& name);
    bool MarkDeleted(std::int64_t goal);
    // The goals not deleted, identity and name, as first recorded.
    [[nodiscard]] std::vector<std::pair<std::int64_t, std::string>> Goals();

    // A run begins; returns its id, 0 on failure.
    [[nodiscard]] std::int64_t Begin(std::int64_t goal, std::int64_t start);
    // Brings a run up to date: its end so far (or its end), the seconds counted, how it stands.
    bool Update(std::int64_t interval, std::int64_t end, std::int64_t seconds, Interval::End endedBy);

    // Corrections.
    [[nodiscard]] std::int64_t Add(const Interval& interval);
    bool Change(const Interval& interval);
    bool Remove(std::int64_t interval);

    // Every run that overlaps [from, to), oldest first, with its goal's current name; nothing
    // when another program held the journal before the reading's end (none is not no runs).
    [[nodiscard]] std::optional<std::vector<Interval>> Between(std::int64_t from, std::int64_t to);
    // The same, handed to `each` a chunk at a time, so that another program writing the journal
    // never waits long behind the reading. False when the reading failed or `each` said stop.
    bool ForEach(std::int64_t from, std::int64_t to, const std::function<bool(const Interval&)>& each,
                 int chunk = kChunkRuns);
    static constexpr int kChunkRuns = 5000;
    [[nodiscard]] std::string Path() const { return m_directory + kFileName; }

    // Whole-number rows of the tables kept beside the runs. Write: false on failure, which the
    // caller reports through Together. Read: no rows on failure.
    bool Write(const char* sql, const std::vector<std::int64_t>& values);
    [[nodiscard]] std::vector<std::vector<std::int64_t>> Read(const char* sql, int columns);
    // Runs `work` in one transaction; on failure nothing of it stays and the user is told once.
    bool Together(const std::function<bool()>& work, const char* what);
    [[nodiscard]] std::int64_t LastId() const;

private:
    enum class Opened { Sound, Missing, Refused, Damaged, Interrupted };
    [[nodiscard]] Opened OpenChecked(bool writable);
    [[nodiscard]] std::string Folder() const;
    bool Exec(const char* sql);
    bool NextRow(sqlite3_stmt* statement);
    bool Failed(const char* what);
    void Say(std::vector<UserMessage::Part> reason);
    [[nodiscard]] std::vector<UserMessage::Part> Reason() const;
    // A warning that puts the reason between two parts of its sentence.
    [[nodiscard]] UserMessage Told(UserMessage::Part before, UserMessage::Part after) const;
    void Close();

    std::string m_directory; // ends with '/' unless empty
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_update = nullptr;        // the minute's update of a run, kept prepared
    std::string m_error;                     // in English
    std::vector<UserMessage::Part> m_reason; // m_error in parts, while the two agree
    bool m_failureTold = false;
    bool m_failurePending = false;
    bool m_busy = false;
};
