// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Journal.h"
#include "storage/RenewalRow.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// Writes the session's goals and runs to the journal, on the store's thread: it knows which
// identity each goal of this run has and which run each running clock is writing to. A journal
// locked by another program (an export reading it, a tool holding it) is never a reason to stop:
// what could not be written waits, in order, and is written once the lock is free.
class JournalRecorder final {
public:
    explicit JournalRecorder(std::string directory) : m_journal(std::move(directory)) {}

    // Opened once, on the first change to record; what the user must be told comes back.
    std::vector<UserMessage> Open(std::int64_t now);
    // The goals as listed after a load: each takes the identity of the same name, in order.
    void Loaded(const std::vector<std::pair<std::uint64_t, std::string>>& goals);
    void Added(std::uint64_t goal, const std::string& name);
    void Renamed(std::uint64_t goal, const std::string& name);
    void Deleted(std::uint64_t goal);
    void Began(std::uint64_t goal, std::int64_t start);
    // Brings the goal's open run up to date; a run that ended is written no more.
    void Updated(std::uint64_t goal, std::int64_t end, std::int64_t seconds, Interval::End how);
    // Budgets that renew, by goal: a setting with `every` 0 is taken away.
    void SetRenewal(std::uint64_t goal, const RenewalRow& row);
    // A renewal: the goal's new setting and its values after it, in one transaction. `done` learns
    // the record's id once it is written, 0 on failure.
    void Renewed(std::uint64_t goal, const RenewalRow& row, std::int64_t total, std::int64_t remaining,
                 std::function<void(std::int64_t)> done);
    // The goal file holds the renewal now.
    void RenewalSaved(std::int64_t record);
    struct Renewals {
        std::vector<std::pair<std::uint64_t, RenewalRow>> settings;
        // The last renewal of a goal that the goal file may not hold: a crash came between.
        std::vector<std::pair<std::uint64_t, RenewalRecord>> unsaved;
    };
    // What the journal keeps for this run's goals, handed to `done` once everything asked for
    // before is written.
    void ReadRenewals(std::function<void(Renewals)> done);

    // The journal's identity of a goal of this run; 0 when it has none.
    [[nodiscard]] std::int64_t IdentityOf(std::uint64_t goal) const {
        const auto known = m_identities.find(goal);
        return known == m_identities.end() ? 0 : known->second;
    }
    // Runs `work` once everything asked for before is written.
    void Then(std::function<void()> work) { Do(std::move(work)); }

    // Whether work waits for the journal's lock, and another try at it.
    [[nodiscard]] bool Waiting() const { return !m_waiting.empty(); }
    void Retry();
    // A run that could not be recorded: its goal's name (empty when not known), start and end.
    struct LostRun {
        std::string goal;
        std::int64_t start = 0;
        std::int64_t end = 0;
        bool operator==(const LostRun&) const = default;
    };
    // Tries until `deadline`; then what still waits is dropped, and the runs it held are told back.
    [[nodiscard]] std::vector<LostRun> Finish(std::chrono::steady_clock::time_point deadline);

    // A failure to write, told once.
    [[nodiscard]] std::vector<UserMessage> TakeFailure() { return m_journal.TakeFailure(); }
    [[nodiscard]] Journal& History() { return m_journal; }

private:
    struct Step {
        std::function<void()> write; // all or nothing: a transaction, or one statement
        std::optional<LostRun> run;  // for the user, the run this step ends
    };
    void Do(std::function<void()> write, std::optional<LostRun> run = std::nullopt);
    [[nodiscard]] Renewals ReadNow();

    Journal m_journal;
    bool m_tried = false;
    std::unordered_map<std::uint64_t, std::int64_t> m_identities;
    std::unordered_map<std::uint64_t, std::int64_t> m_runs;
    std::unordered_map<std::uint64_t, std::string> m_names; // for telling what was not recorded
    std::deque<Step> m_waiting;
    bool m_retrying = false;
};
