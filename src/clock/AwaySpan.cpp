// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/AwaySpan.h"

#include <algorithm>

bool AwaySpan::Stop(GoalList& goals, CTime now, std::optional<CTime> idleSince) {
    const CTime from = idleSince && *idleSince < now ? *idleSince : now;
    // Only what the clock counted while the user was idle goes back: not before it started (or
    // restarted after a time's-up answer), not after its last tick, and never more than it
    // counted, whatever the wall clock did meanwhile.
    std::vector<CTimeSpan> back(static_cast<std::size_t>(goals.GetCount()));
    for (int i = 0; i < goals.GetCount(); ++i) {
        const Goal& goal = goals.GetAt(i);
        const CTime counted = std::max(from, goal.GetRunningSince());
        if (goal.IsRunning() && goal.GetLastTick() > counted)
            back[static_cast<std::size_t>(i)] =
                std::min(goal.GetLastTick() - counted, CTimeSpan(goal.GetCountedSinceStart()));
    }
    const std::vector<int> stopped = goals.StopAllGoals();
    for (const int i : stopped)
        goals.GetAt(i).GiveBack(back[static_cast<std::size_t>(i)]);
    Remember(goals, stopped, from);
    return !stopped.empty();
}

void AwaySpan::Remember(const GoalList& goals, const std::vector<int>& stopped, CTime from) {
    if (stopped.empty())
        return;
    if (m_stopped.empty() || from < m_from)
        m_from = from;
    for (const int i : stopped) {
        const Goal& goal = goals.GetAt(i);
        m_stopped.push_back({&goal, goal.GetName(), goal.GetTotal(), goal.GetRemaining()});
    }
}

UserMessage AwaySpan::Question(CTime back, const std::function<std::string(CTime)>& clock) const {
    std::string names;
    for (const Stopped& stopped : m_stopped)
        names += (names.empty() ? "" : ", ") + stopped.name;
    return UserMessage::Of(
        {{"AwaySpan",
          ORDALUNE_TRANSLATE("AwaySpan", "You were away %1 (%2 to %3). Restart the clocks of %4?"),
          {(back - m_from).FormatShort(), clock(m_from), clock(back), names}}});
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
