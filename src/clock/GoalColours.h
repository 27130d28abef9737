// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// Which of the History chart's colours each goal takes. A goal keeps its colour from period to
// period, and no two goals in one chart share one: with more goals than colours, the last colour
// is "Other", and a goal whose colour a larger goal of the chart has taken goes there.
class GoalColours final {
public:
    static constexpr int kColours = 12;
    static constexpr int kOther = kColours - 1;

    struct Shown {
        std::int64_t goal = 0; // 0 for "Other"
        int colour = 0;
    };
    // `order`: every goal the journal knows, in the goal list's order, then the others; a goal's
    // place there is its colour. `sizes`: the chart's goals and their time in the period. What
    // the chart shows, in the order of `sizes`, "Other" last.
    [[nodiscard]] static std::vector<Shown>
    Assign(const std::vector<std::int64_t>& order,
           const std::vector<std::pair<std::int64_t, std::int64_t>>& sizes);
};
