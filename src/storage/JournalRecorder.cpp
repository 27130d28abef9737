#include "storage/JournalRecorder.h"

std::vector<UserMessage> JournalRecorder::Open(std::int64_t now) {
    if (m_tried)
        return {};
    m_tried = true;
    return m_journal.Open(now).messages;
}

void JournalRecorder::Loaded(const std::vector<std::pair<std::uint64_t, std::string>>& goals) {
    std::vector<std::string> names;
    for (const auto& goal : goals)
        names.push_back(goal.second);
    const std::vector<std::int64_t> ids = m_journal.MatchGoals(names);
    m_identities.clear();
    for (std::size_t i = 0; i < ids.size() && i < goals.size(); ++i)
        m_identities[goals[i].first] = ids[i];
}

void JournalRecorder::Added(std::uint64_t goal, const std::string& name) {
    if (const std::int64_t id = m_journal.NewGoal(name); id != 0)
        m_identities[goal] = id;
}

void JournalRecorder::Renamed(std::uint64_t goal, const std::string& name) {
    if (const auto known = m_identities.find(goal); known != m_identities.end())
        m_journal.Rename(known->second, name);
}

void JournalRecorder::Deleted(std::uint64_t goal) {
    if (const auto known = m_identities.find(goal); known != m_identities.end())
        m_journal.MarkDeleted(known->second);
    m_identities.erase(goal);
}

void JournalRecorder::Began(std::uint64_t goal, std::int64_t start) {
    const auto known = m_identities.find(goal);
    if (known == m_identities.end())
        return;
    if (const std::int64_t run = m_journal.Begin(known->second, start); run != 0)
        m_runs[goal] = run;
}

void JournalRecorder::Updated(std::uint64_t goal, std::int64_t end, std::int64_t seconds, Interval::End how) {
    const auto run = m_runs.find(goal);
    if (run == m_runs.end())
        return;
    m_journal.Update(run->second, end, seconds, how);
    if (how != Interval::End::Running)
        m_runs.erase(run);
}

void JournalRecorder::SetRenewal(std::uint64_t goal, const RenewalRow& row) {
    const auto known = m_identities.find(goal);
    if (known == m_identities.end())
        return;
    m_journal.Together(
        [&] {
            return row.every == 0 ? m_journal.Write("DELETE FROM renewal WHERE goal = ?", {known->second})
                                  : m_journal.Write("INSERT OR REPLACE INTO renewal VALUES(?, ?, ?, ?, ?, ?)",
                                                    {known->second, row.every, row.carryOver, row.budget,
                                                     row.allowance, row.period});
        },
        "a renewal could not be recorded");
}

std::int64_t JournalRecorder::Renewed(std::uint64_t goal, const RenewalRow& row, std::int64_t total,
                                      std::int64_t remaining) {
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
            "a renewal could not be recorded");
    return record;
}

void JournalRecorder::RenewalSaved(std::int64_t record) {
    m_journal.Together(
        [&] { return m_journal.Write("UPDATE renewals SET saved = 1 WHERE id = ?", {record}); },
        "a renewal could not be recorded");
}

JournalRecorder::Renewals JournalRecorder::ReadRenewals() {
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
