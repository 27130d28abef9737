#include "clock/RunLog.h"

#include <algorithm>
#include <set>

RunLog::Event RunLog::Ended(std::uint64_t goal, const Open& run, CTime now, Interval::End how,
                            std::optional<CTime> countedUntil) {
    const std::int64_t until = std::min(now.GetTime(), countedUntil.value_or(now).GetTime());
    return {false, goal, run.start, now.GetTime(), std::max<std::int64_t>(0, until - run.start), how};
}

std::vector<RunLog::Event> RunLog::Sync(const GoalList& goals, CTime now, Interval::End how,
                                        std::optional<CTime> countedUntil) {
    std::vector<Event> events;
    std::set<std::uint64_t> running;
    for (int i = 0; i < goals.GetCount(); ++i)
        if (const Goal& goal = goals.GetAt(i); goal.IsRunning())
            running.insert(goal.GetKey());
    for (auto it = m_open.begin(); it != m_open.end();) {
        if (running.count(it->first) != 0) {
            ++it;
            continue;
        }
        events.push_back(Ended(it->first, it->second, now, how, countedUntil));
        it = m_open.erase(it);
    }
    for (const std::uint64_t goal : running)
        if (m_open.emplace(goal, Open{now.GetTime()}).second)
            events.push_back({true, goal, now.GetTime(), now.GetTime(), 0, Interval::End::Running});
    return events;
}

std::vector<RunLog::Event> RunLog::Checkpoint(CTime now) const {
    std::vector<Event> events;
    for (const auto& [goal, run] : m_open)
        events.push_back(Ended(goal, run, now, Interval::End::Running, std::nullopt));
    return events;
}

std::vector<RunLog::Event> RunLog::Split(std::uint64_t goal, CTime at) {
    const auto open = m_open.find(goal);
    if (open == m_open.end() || at.GetTime() <= open->second.start)
        return {};
    const Event ended = Ended(goal, open->second, at, Interval::End::Renewed, std::nullopt);
    open->second.start = at.GetTime();
    return {ended, {true, goal, at.GetTime(), at.GetTime(), 0, Interval::End::Running}};
}

std::vector<RunLog::Event> RunLog::EndAll(CTime now, Interval::End how) {
    std::vector<Event> events;
    for (const auto& [goal, run] : m_open)
        events.push_back(Ended(goal, run, now, how, std::nullopt));
    m_open.clear();
    return events;
}
