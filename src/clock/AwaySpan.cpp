#include "clock/AwaySpan.h"

#include <algorithm>

bool AwaySpan::Stop(GoalList& goals, CTime now, std::optional<CTime> idleSince) {
    const CTime from = idleSince && *idleSince < now ? *idleSince : now;
    bool stopped = false;
    for (int i = 0; i < goals.GetCount(); ++i) {
        Goal& goal = goals.GetAt(i);
        if (!goal.IsRunning())
            continue;
        // Only what the clock counted while the user was idle goes back: not before it started
        // (or restarted after a time's-up answer), not after its last tick.
        const CTime counted = std::max(from, goal.GetRunningSince());
        const CTimeSpan back = goal.GetLastTick() > counted ? goal.GetLastTick() - counted : CTimeSpan();
        goal.ToggleRunning();
        goal.Set(goal.GetName(), goal.GetTotal(), goal.GetRemaining() + back);
        if (m_stopped.empty())
            m_from = from;
        m_stopped.push_back({&goal, goal.GetName(), goal.GetTotal(), goal.GetRemaining()});
        stopped = true;
    }
    if (stopped && from < m_from)
        m_from = from;
    return stopped;
}

std::string AwaySpan::Question(CTime back) const {
    std::string names;
    for (const Stopped& stopped : m_stopped)
        names += (names.empty() ? "" : ", ") + stopped.name;
    return "You were away " + (back - m_from).FormatShort() + " (" + m_from.Format("%#I:%M") + " to " +
           back.Format("%#I:%M") + "). Restart the clocks of " + names + "?";
}

int AwaySpan::Restart(GoalList& goals) {
    int restarted = 0;
    for (int i = 0; i < goals.GetCount(); ++i) {
        Goal& goal = goals.GetAt(i);
        const bool waiting = std::any_of(m_stopped.begin(), m_stopped.end(), [&](const Stopped& s) {
            return s.goal == &goal && s.name == goal.GetName() && s.total == goal.GetTotal() &&
                   s.remaining == goal.GetRemaining();
        });
        if (waiting && !goal.IsRunning() && goal.GetRemaining() > CTimeSpan()) {
            goal.ToggleRunning();
            ++restarted;
        }
    }
    m_stopped.clear();
    return restarted;
}
