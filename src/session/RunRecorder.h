// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/RunLog.h"
#include "storage/GoalStore.h"

#include <functional>

// What the session tells the journal of time spent: the goals' identities as they are read, added,
// renamed and deleted, and the runs of their clocks. Everything goes through the store, in order
// with the saves, so the journal never slows a tick.
class RunRecorder final {
public:
    // `written` is told after each change to the runs.
    RunRecorder(GoalStore& store, std::function<void()> written)
        : m_store(store), m_written(std::move(written)) {}

    void Loaded(const GoalList& goals);
    void Added(const Goal& goal);
    void Renamed(const Goal& goal);
    void Deleted(const Goal& goal);
    // Runs begin for clocks that started and end for those that stopped, as `how`; a clock that
    // stopped with its goal done ended as done.
    void Sync(const GoalList& goals, Interval::End how);
    // The open runs brought up to date, with the minute save.
    void Checkpoint(const GoalList& goals) { Write(m_runs.Checkpoint(goals)); }
    // Every open run ends as `how`.
    void EndAll(const GoalList& goals, Interval::End how) { Write(m_runs.EndAll(goals, how)); }
    // The goal's open run is cut at `at`, where its budget renewed; its clock runs on.
    void Split(const Goal& goal, CTime at) { Write(m_runs.Split(goal, at)); }
    // The seconds the goal's open run has counted, not all of them in the journal yet.
    [[nodiscard]] std::int64_t OpenSeconds(const Goal& goal) const { return m_runs.OpenSeconds(goal); }
    // The system clock was set: the open runs are cut, and go on from the new time.
    void Cut(const GoalList& goals) { Write(m_runs.Cut(goals, CTime::GetCurrentTime())); }

private:
    void Write(std::vector<RunLog::Event> events);

    GoalStore& m_store;
    std::function<void()> m_written;
    RunLog m_runs;
};
