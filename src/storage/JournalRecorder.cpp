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
