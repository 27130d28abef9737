// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/RunCorrection.h"

namespace {

// Whether a run takes any of [from, to): runs that only touch share an instant, not a second, and
// a run that has only begun takes its first second.
bool Meets(const Interval& run, std::int64_t from, std::int64_t to) {
    return run.start < to && from < std::max(run.end, run.start + 1);
}

} // namespace

RunCorrection::Problem RunCorrection::Check(const Interval& run, const std::vector<Interval>& around,
                                            std::int64_t now, Interval* overlapped) {
    if (run.end <= run.start)
        return Problem::EndsBeforeStart;
    if (run.end > now)
        return Problem::EndsInFuture;
    for (const Interval& other : around) {
        if (other.goal != run.goal || (run.id != 0 && other.id == run.id))
            continue;
        if (Meets(other, run.start, run.end)) {
            if (overlapped != nullptr)
                *overlapped = other;
            return Problem::Overlaps;
        }
    }
    return Problem::None;
}

bool RunCorrection::FreeStretch(std::int64_t goal, const std::vector<Interval>& runs, std::int64_t from,
                                std::int64_t until, std::int64_t length, Interval* stretch) {
    std::int64_t end = until;
    for (bool moved = true; moved && end - length >= from;) {
        moved = false;
        for (const Interval& run : runs)
            if (run.goal == goal && Meets(run, end - length, end)) {
                end = run.start; // the stretch moves to before the run in its way
                moved = true;
            }
    }
    if (end - length < from)
        return false;
    stretch->goal = goal;
    stretch->start = end - length;
    stretch->end = end;
    stretch->seconds = length;
    return true;
}
