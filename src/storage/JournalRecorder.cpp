// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/JournalRecorder.h"

#include "model/TranslationMark.h"

#include <thread>

std::vector<UserMessage> JournalRecorder::Open(std::int64_t now) {
    if (m_tried)
        return {};
    m_tried = true;
    return m_journal.Open(now).messages;
}

void JournalRecorder::Do(std::function<void()> write, std::optional<LostRun> run) {
    m_waiting.push_back({std::move(write), std::move(run)});
    if (!m_retrying) // a step that asks for more work has it done after itself
        Retry();
}

void JournalRecorder::Retry() {
    // In order: a run is begun before it is brought up to date. A journal shut by a failure
    // writes nothing, and its steps go at once.
    m_retrying = true;
    while (!m_waiting.empty()) {
        m_journal.ClearBusy();
        m_waiting.front().write();
        if (m_journal.Busy())
            break;
        m_waiting.pop_front();
    }
    m_retrying = false;
}

std::vector<JournalRecorder::LostRun>
JournalRecorder::Finish(std::chrono::steady_clock::time_point deadline) {
    for (Retry(); Waiting() && std::chrono::steady_clock::now() < deadline; Retry())
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::vector<LostRun> lost;
    for (const Step& step : m_waiting)
        if (step.run)
            lost.push_back(*step.run);
    m_waiting.clear();
    return lost;
}

void JournalRecorder::Loaded(const std::vector<std::pair<std::uint64_t, std::string>>& goals) {
    m_names.clear();
    for (const auto& [key, name] : goals)
        m_names[key] = name;
    Do([this, goals] {
        std::vector<std::string> names;
        for (const auto& goal : goals)
            names.push_back(goal.second);
        const std::vector<std::int64_t> ids = m_journal.MatchGoals(names);
        if (m_journal.Busy())
            return;
        m_identities.clear();
        for (std::size_t i = 0; i < ids.size() && i < goals.size(); ++i)
            m_identities[goals[i].first] = ids[i];
    });
}

void JournalRecorder::Added(std::uint64_t goal, const std::string& name) {
    m_names[goal] = name;
    Do([this, goal, name] {
        if (const std::int64_t id = m_journal.NewGoal(name); id != 0)
            m_identities[goal] = id;
    });
}

void JournalRecorder::Renamed(std::uint64_t goal, const std::string& name) {
    m_names[goal] = name;
    Do([this, goal, name] {
        if (const auto known = m_identities.find(goal); known != m_identities.end())
            m_journal.Rename(known->second, name);
    });
}

void JournalRecorder::Deleted(std::uint64_t goal) {
    Do([this, goal] {
        if (const auto known = m_identities.find(goal);
            known != m_identities.end() && m_journal.MarkDeleted(known->second))
            m_identities.erase(known);
    });
}

void JournalRecorder::Began(std::uint64_t goal, std::int64_t start) {
    Do([this, goal, start] {
        const auto known = m_identities.find(goal);
        if (known == m_identities.end())
            return;
        if (const std::int64_t run = m_journal.Begin(known->second, start); run != 0)
            m_runs[goal] = run;
    });
}

void JournalRecorder::Updated(std::uint64_t goal, std::int64_t end, std::int64_t seconds, Interval::End how) {
    Do(
        [this, goal, end, seconds, how] {
            const auto run = m_runs.find(goal);
            if (run != m_runs.end() && m_journal.Update(run->second, end, seconds, how) &&
                how != Interval::End::Running)
                m_runs.erase(run);
        },
        how == Interval::End::Running
            ? std::nullopt
            : std::optional<LostRun>(
                  LostRun{m_names.contains(goal) ? m_names.at(goal) : "", end - seconds, end}));
}

void JournalRecorder::SetRenewal(std::uint64_t goal, const RenewalRow& row) {
    Do([this, goal, row] {
        const auto known = m_identities.find(goal);
        if (known == m_identities.end())
            return;
        m_journal.Together(
            [&] {
                return row.every == 0
                           ? m_journal.Write("DELETE FROM renewal WHERE goal = ?", {known->second})
                           : m_journal.Write("INSERT OR REPLACE INTO renewal VALUES(?, ?, ?, ?, ?, ?)",
                                             {known->second, row.every, row.carryOver, row.budget,
                                              row.allowance, row.period});
            },
            ORDALUNE_TRANSLATE("Journal", "a renewal could not be recorded"));
    });
}

void JournalRecorder::Renewed(std::uint64_t goal, const RenewalRow& row, std::int64_t total,
                              std::int64_t remaining, std::function<void(std::int64_t)> done) {
    Do([this, goal, row, total, remaining, done = std::move(done)] {
        const auto known = m_identities.find(goal);
        std::int64_t record = 0;
        if (known != m_identities.end())
            m_journal.Together(
                [&] {
                    if (!m_journal.Write("UPDATE renewal SET allowance = ?, period = ? WHERE goal = ?",
                                         {row.allowance, row.period, known->second}) ||
                        !m_journal.Write(
                            "INSERT INTO renewals(goal, period, total, remaining) VALUES(?, ?, ?, ?)",
                            {known->second, row.period, total, remaining}))
                        return false;
                    record = m_journal.LastId();
                    return true;
                },
                ORDALUNE_TRANSLATE("Journal", "a renewal could not be recorded"));
        if (!m_journal.Busy() && done)
            done(record);
    });
}

void JournalRecorder::RenewalSaved(std::int64_t record) {
    Do([this, record] {
        m_journal.Together(
            [&] { return m_journal.Write("UPDATE renewals SET saved = 1 WHERE id = ?", {record}); },
            ORDALUNE_TRANSLATE("Journal", "a renewal could not be recorded"));
    });
}

void JournalRecorder::ReadRenewals(std::function<void(Renewals)> done) {
    Do([this, done = std::move(done)] {
        Renewals found = ReadNow();
        if (!m_journal.Busy())
            done(std::move(found));
    });
}

JournalRecorder::Renewals JournalRecorder::ReadNow() {
    std::unordered_map<std::int64_t, std::uint64_t> keys;
    for (const auto& [key, id] : m_identities)
        keys[id] = key;
    Renewals found;
    for (const auto& row :
         m_journal.Read("SELECT goal, every, carry_over, budget, allowance, period FROM renewal", 6))
        if (const auto key = keys.find(row[0]); key != keys.end())
            found.settings.push_back(
                {key->second, {static_cast<int>(row[1]), row[2] != 0, row[3], row[4], row[5]}});
    for (const auto& row :
         m_journal.Read("SELECT goal, id, total, remaining FROM renewals WHERE saved = 0 AND id IN "
                        "(SELECT max(id) FROM renewals GROUP BY goal)",
                        4))
        if (const auto key = keys.find(row[0]); key != keys.end())
            found.unsaved.push_back({key->second, {row[1], row[2], row[3]}});
    return found;
}
