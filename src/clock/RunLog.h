// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/CTime.h"
#include "model/GoalList.h"
#include "storage/Interval.h"

#include <cstdint>
#include <map>
#include <vector>

// The runs of the clocks as the journal records them: each time a clock starts a run begins, and
// it ends when the clock stops, with how it stopped. A run counts what its goal's clock counted
// (idle time given back and a Time's Up question's minutes are not), and it ends at its start
// plus those seconds, whatever the wall clock did meanwhile.
class RunLog final {
public:
    struct Event {
        bool began = false;     // a new run; else an open one brought up to date or ended
        std::uint64_t goal = 0; // the goal's key
        std::int64_t start = 0;
        std::int64_t end = 0;
        std::int64_t seconds = 0;
        Interval::End how = Interval::End::Running;
    };

    // Compares the clocks running in `goals` with the runs open: a clock that runs without a run
    // begins one at `now`; a run whose goal no longer runs, or is gone, ends as `how`.
    [[nodiscard]] std::vector<Event> Sync(const GoalList& goals, CTime now, Interval::End how);
    // Every open run brought up to date, still open.
    [[nodiscard]] std::vector<Event> Checkpoint(const GoalList& goals);
    // Every open run ends as `how`.
    [[nodiscard]] std::vector<Event> EndAll(const GoalList& goals, Interval::End how);
    // The goal's open run ends as renewed, and a new one begins at `at`, where its period did.
    [[nodiscard]] std::vector<Event> Split(const Goal& goal, CTime at);
    // The system clock was set: every open run ends where its counting reached, and a new one
    // begins at the new wall-clock time `now`.
    [[nodiscard]] std::vector<Event> Cut(const GoalList& goals, CTime now);
    // What a goal about to go has counted, for its run's end.
    void Note(const Goal& goal);
    // The seconds the goal's open run has counted so far; 0 when it has none.
    [[nodiscard]] std::int64_t OpenSeconds(const Goal& goal) const;

private:
    struct Open {
        std::int64_t start = 0;
        std::int64_t base = 0;    // what its goal had counted as it began
        std::int64_t counted = 0; // what its goal had counted when last seen
    };
    void Look(const GoalList& goals);
    static Event Ended(std::uint64_t goal, const Open& run, Interval::End how);

    std::map<std::uint64_t, Open> m_open;
};
