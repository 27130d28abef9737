// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/CTimeSpan.h"
#include "model/Goal.h"

#include <memory>
#include <string_view>
#include <vector>

// The one home of the goals: in the order they were added, owned here, with at most one
// selected. Loading, saving, the report, the tick and every command work on this list.
class GoalList final {
public:
    static constexpr int kNoSelection = -1;
    static constexpr std::string_view kPlaceholderName = "No Goals";

    [[nodiscard]] int GetCount() const { return static_cast<int>(m_goals.size()); }
    [[nodiscard]] bool IsEmpty() const { return m_goals.empty(); }
    // The goal at an index below GetCount().
    [[nodiscard]] Goal& GetAt(int index) const { return *m_goals.at(static_cast<std::size_t>(index)); }

    // Adds at the end; returns the new item's index.
    int Append(std::unique_ptr<Goal> goal);
    // Takes the item out and hands its goal back. A selection after it moves up with it; the
    // removed item's selection is cleared.
    std::unique_ptr<Goal> Remove(int index);
    void Clear();

    [[nodiscard]] int GetSelection() const { return m_selection; }
    [[nodiscard]] Goal* GetSelectedGoal() const;
    // False, and nothing selected, when the index is out of range.
    bool SetSelection(int index);

    // The stand-in for an empty list, recognised by its name alone.
    [[nodiscard]] static bool IsPlaceholder(const Goal& goal) { return goal.GetName() == kPlaceholderName; }
    [[nodiscard]] static std::unique_ptr<Goal> MakePlaceholder();
    // Adds the placeholder when the list is empty; true when it did.
    bool AddPlaceholderIfEmpty();

    struct Totals {
        CTimeSpan elapsed;
        CTimeSpan remaining;
    };
    // Both sums in one pass: the status panes ask for them at every change of a running clock.
    [[nodiscard]] Totals GetTotals() const;
    // The largest Total, never below zero.
    [[nodiscard]] CTimeSpan GetMaxTotal() const;

    // What the selected goal allows: Edit and Delete (not the placeholder), Start (stopped, with
    // time left), Stop (running), Finish Early (time left).
    [[nodiscard]] bool CanEditDelete() const;
    [[nodiscard]] bool CanStartClock() const;
    [[nodiscard]] bool CanStopClock() const;
    [[nodiscard]] bool CanFinishEarly() const;

    // Stops every running clock; returns the indexes of the goals it stopped.
    std::vector<int> StopAllGoals();

    // The indexes of the goals whose clocks run, in order. Found again only after a clock started
    // or stopped or the list changed, so a tick of a long list looks at the few that run.
    [[nodiscard]] const std::vector<int>& GetRunning() const;

private:
    struct Running {
        std::vector<int> indexes;
        std::uint64_t changes = 0; // Goal::RunningChanges() when found
        bool valid = false;
    };

    std::vector<std::unique_ptr<Goal>> m_goals;
    int m_selection = kNoSelection;
    mutable Running m_running;
};
