// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/RunLog.h"

#include <algorithm>
#include <set>

RunLog::Event RunLog::Ended(std::uint64_t goal, const Open& run, Interval::End how) {
    const std::int64_t seconds = std::max<std::int64_t>(0, run.counted - run.base);
    return {false, goal, run.start, run.start + seconds, seconds, how};
}

void RunLog::Look(const GoalList& goals) {
    for (int i = 0; i < goals.GetCount(); ++i)
        Note(goals.GetAt(i));
}

void RunLog::Note(const Goal& goal) {
    if (const auto open = m_open.find(goal.GetKey()); open != m_open.end())
        open->second.counted = goal.GetCounted();
}

std::int64_t RunLog::OpenSeconds(const Goal& goal) const {
    const auto open = m_open.find(goal.GetKey());
    return open == m_open.end() ? 0 : std::max<std::int64_t>(0, goal.GetCounted() - open->second.base);
}

std::vector<RunLog::Event> RunLog::Sync(const GoalList& goals, CTime now, Interval::End how) {
    Look(goals);
    std::vector<Event> events;
    std::map<std::uint64_t, std::int64_t> running;
    for (int i = 0; i < goals.GetCount(); ++i)
        if (const Goal& goal = goals.GetAt(i); goal.IsRunning())
            running.emplace(goal.GetKey(), goal.GetCounted());
    for (auto it = m_open.begin(); it != m_open.end();) {
        if (running.count(it->first) != 0) {
            ++it;
            continue;
        }
        events.push_back(Ended(it->first, it->second, how));
        it = m_open.erase(it);
    }
    for (const auto& [goal, counted] : running)
        if (m_open.emplace(goal, Open{now.GetTime(), counted, counted}).second)
            events.push_back({.began = true, .goal = goal, .start = now.GetTime(), .end = now.GetTime()});
    return events;
}

std::vector<RunLog::Event> RunLog::Checkpoint(const GoalList& goals) {
    Look(goals);
    std::vector<Event> events;
    for (const auto& [goal, run] : m_open)
        events.push_back(Ended(goal, run, Interval::End::Running));
    return events;
}

std::vector<RunLog::Event> RunLog::Split(const Goal& goal, CTime at) {
    const auto open = m_open.find(goal.GetKey());
    if (open == m_open.end() || at.GetTime() <= open->second.start)
        return {};
    Note(goal);
    const Event ended = Ended(goal.GetKey(), open->second, Interval::End::Renewed);
    open->second = {at.GetTime(), goal.GetCounted(), goal.GetCounted()};
    return {ended, {.began = true, .goal = goal.GetKey(), .start = at.GetTime(), .end = at.GetTime()}};
}

std::vector<RunLog::Event> RunLog::Cut(const GoalList& goals, CTime now) {
    Look(goals);
    std::vector<Event> events;
    for (auto& [goal, run] : m_open) {
        events.push_back(Ended(goal, run, Interval::End::ClockChanged));
        run = {now.GetTime(), run.counted, run.counted};
        events.push_back({.began = true, .goal = goal, .start = now.GetTime(), .end = now.GetTime()});
    }
    return events;
}

std::vector<RunLog::Event> RunLog::EndAll(const GoalList& goals, Interval::End how) {
    Look(goals);
    std::vector<Event> events;
    for (const auto& [goal, run] : m_open)
        events.push_back(Ended(goal, run, how));
    m_open.clear();
    return events;
}
