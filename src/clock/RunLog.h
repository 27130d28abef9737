#pragma once

#include "model/CTime.h"
#include "model/GoalList.h"
#include "storage/Interval.h"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

// The runs of the clocks as the journal records them: each time a clock starts a run begins, and
// it ends when the clock stops, with how it stopped. A run counts the wall-clock time it was open
// less the idle time given back to its goal.
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
    // begins one; a run whose goal no longer runs, or is gone, ends as `how` at `now`, counted up
    // to `countedUntil` when given (the moment the user went idle).
    [[nodiscard]] std::vector<Event> Sync(const GoalList& goals, CTime now, Interval::End how,
                                          std::optional<CTime> countedUntil = {});
    // Every open run brought up to date at `now`, still open.
    [[nodiscard]] std::vector<Event> Checkpoint(CTime now) const;
    // Every open run ends as `how`.
    [[nodiscard]] std::vector<Event> EndAll(CTime now, Interval::End how);
    // The goal's open run ends at `at` as renewed, and a new one begins there.
    [[nodiscard]] std::vector<Event> Split(std::uint64_t goal, CTime at);

private:
    struct Open {
        std::int64_t start = 0;
    };
    static Event Ended(std::uint64_t goal, const Open& run, CTime now, Interval::End how,
                       std::optional<CTime> countedUntil);

    std::map<std::uint64_t, Open> m_open;
};
