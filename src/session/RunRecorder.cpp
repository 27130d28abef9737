// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/RunRecorder.h"

void RunRecorder::Loaded(const GoalList& goals) {
    std::vector<std::pair<std::uint64_t, std::string>> listed;
    for (int i = 0; i < goals.GetCount(); ++i)
        if (const Goal& goal = goals.GetAt(i); !GoalList::IsPlaceholder(goal))
            listed.emplace_back(goal.GetKey(), goal.GetName());
    m_store.Record([listed = std::move(listed)](JournalRecorder& journal) { journal.Loaded(listed); });
}

void RunRecorder::Added(const Goal& goal) {
    m_store.Record(
        [key = goal.GetKey(), name = goal.GetName()](JournalRecorder& journal) { journal.Added(key, name); });
}

void RunRecorder::Renamed(const Goal& goal) {
    m_store.Record([key = goal.GetKey(), name = goal.GetName()](JournalRecorder& journal) {
        journal.Renamed(key, name);
    });
}

void RunRecorder::Deleted(const Goal& goal) {
    m_runs.Note(goal); // its run ends where its clock got to
    m_store.Record([key = goal.GetKey()](JournalRecorder& journal) { journal.Deleted(key); });
}

void RunRecorder::Sync(const GoalList& goals, Interval::End how) {
    std::vector<RunLog::Event> events = m_runs.Sync(goals, CTime::GetCurrentTime(), how);
    for (RunLog::Event& event : events)
        for (int i = 0; i < goals.GetCount(); ++i)
            if (const Goal& goal = goals.GetAt(i);
                goal.GetKey() == event.goal && !event.began && goal.IsDone())
                event.how = Interval::End::Done;
    Write(std::move(events));
}

void RunRecorder::Write(std::vector<RunLog::Event> events) {
    if (events.empty())
        return;
    m_store.Record([events = std::move(events)](JournalRecorder& journal) {
        for (const RunLog::Event& event : events) {
            if (event.began)
                journal.Began(event.goal, event.start);
            else
                journal.Updated(event.goal, event.end, event.seconds, event.how);
        }
    });
    if (m_written)
        m_written();
}
