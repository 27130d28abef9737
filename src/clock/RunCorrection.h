// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Interval.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// The rules a correction of the journal keeps, typed or added by hand: a run ends after it starts,
// never in the future, and never overlaps another run of its goal. (The clocks' own runs may touch
// or overlap where the system clock was set back; a correction never makes such a run.)
class RunCorrection final {
public:
    enum class Problem { None, EndsBeforeStart, EndsInFuture, Overlaps };

    // What is wrong with `run` as corrected, given the journal's runs around it (its own earlier
    // self, known by its id, and other goals' runs are passed over); `overlapped` is the run it
    // would overlap.
    [[nodiscard]] static Problem Check(const Interval& run, const std::vector<Interval>& around,
                                       std::int64_t now, Interval* overlapped = nullptr);
    // The latest stretch of `length` seconds within [from, until) in which `goal` has no run: a
    // forgotten run proposed where it breaks no rule. False when there is none.
    [[nodiscard]] static bool FreeStretch(std::int64_t goal, const std::vector<Interval>& runs,
                                          std::int64_t from, std::int64_t until, std::int64_t length,
                                          Interval* stretch);
};
