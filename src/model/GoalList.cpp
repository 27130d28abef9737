// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/GoalList.h"

#include <algorithm>
#include <cstdint>

int GoalList::Append(std::unique_ptr<Goal> goal) {
    m_goals.push_back(std::move(goal));
    m_running.valid = false;
    return GetCount() - 1;
}

std::unique_ptr<Goal> GoalList::Remove(int index) {
    auto it = m_goals.begin() + index;
    std::unique_ptr<Goal> goal = std::move(*it);
    m_goals.erase(it);
    m_running.valid = false;
    if (m_selection == index)
        m_selection = kNoSelection;
    else if (m_selection > index)
        --m_selection;
    return goal;
}

void GoalList::Clear() {
    m_goals.clear();
    m_running.valid = false;
    m_selection = kNoSelection;
}

Goal* GoalList::GetSelectedGoal() const {
    return m_selection == kNoSelection ? nullptr : m_goals[static_cast<std::size_t>(m_selection)].get();
}

bool GoalList::SetSelection(int index) {
    const bool valid = index >= 0 && index < GetCount();
    m_selection = valid ? index : kNoSelection;
    return valid;
}

std::unique_ptr<Goal> GoalList::MakePlaceholder() {
    return std::make_unique<Goal>(std::string(kPlaceholderName), CTimeSpan(), CTimeSpan());
}

bool GoalList::AddPlaceholderIfEmpty() {
    if (!IsEmpty())
        return false;
    Append(MakePlaceholder());
    return true;
}

GoalList::Totals GoalList::GetTotals() const {
    // Plain seconds, which cannot overflow here, held to a span's range once rather than at each goal.
    std::int64_t elapsed = 0;
    std::int64_t remaining = 0;
    for (const auto& goal : m_goals) {
        elapsed += goal->GetElapsed().GetTotalSeconds();
        remaining += goal->GetRemaining().GetTotalSeconds();
    }
    return {CTimeSpan(elapsed), CTimeSpan(remaining)};
}

CTimeSpan GoalList::GetMaxTotal() const {
    CTimeSpan max;
    for (const auto& goal : m_goals)
        max = std::max(max, goal->GetTotal());
    return max;
}

std::vector<int> GoalList::StopAllGoals() {
    std::vector<int> stopped;
    for (int i = 0; i < GetCount(); ++i) {
        Goal& goal = GetAt(i);
        if (goal.IsRunning()) {
            goal.ToggleRunning();
            stopped.push_back(i);
        }
    }
    return stopped;
}

bool GoalList::CanEditDelete() const {
    const Goal* goal = GetSelectedGoal();
    return goal != nullptr && !IsPlaceholder(*goal);
}

bool GoalList::CanStartClock() const {
    const Goal* goal = GetSelectedGoal();
    return goal != nullptr && !goal->IsRunning() && goal->GetRemaining() > CTimeSpan();
}

bool GoalList::CanStopClock() const {
    const Goal* goal = GetSelectedGoal();
    return goal != nullptr && goal->IsRunning();
}

bool GoalList::CanFinishEarly() const {
    const Goal* goal = GetSelectedGoal();
    return goal != nullptr && goal->GetRemaining() > CTimeSpan();
}

const std::vector<int>& GoalList::GetRunning() const {
    if (!m_running.valid || m_running.changes != Goal::RunningChanges()) {
        m_running.changes = Goal::RunningChanges();
        m_running.indexes.clear();
        for (int i = 0; i < GetCount(); ++i)
            if (m_goals[static_cast<std::size_t>(i)]->IsRunning())
                m_running.indexes.push_back(i);
        m_running.valid = true;
    }
    return m_running.indexes;
}
