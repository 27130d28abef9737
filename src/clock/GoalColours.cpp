// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/GoalColours.h"

#include <algorithm>
#include <array>

std::vector<GoalColours::Shown>
GoalColours::Assign(const std::vector<std::int64_t>& order,
                    const std::vector<std::pair<std::int64_t, std::int64_t>>& sizes) {
    // A goal's colour is fixed by its place: with no more goals than colours each has its own;
    // with more, the last colour is kept for "Other".
    const bool crowded =
        static_cast<int>(order.size()) > kColours || static_cast<int>(sizes.size()) > kColours;
    const int own = crowded ? kOther : kColours;
    const auto colourOf = [&order, own](std::int64_t goal) {
        const auto place = std::find(order.begin(), order.end(), goal);
        return static_cast<int>((place != order.end() ? place - order.begin() : goal) % own);
    };
    // The largest goals are shown on their own, each in its colour; a goal whose colour a larger
    // one has taken goes to "Other", with the smallest.
    std::vector<std::pair<std::int64_t, std::int64_t>> largest = sizes;
    std::stable_sort(largest.begin(), largest.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    std::array<bool, kColours> taken{};
    std::vector<std::int64_t> alone;
    bool other = false;
    for (const auto& [goal, seconds] : largest) {
        const int colour = colourOf(goal);
        if (taken[static_cast<std::size_t>(colour)]) {
            other = true;
            continue;
        }
        taken[static_cast<std::size_t>(colour)] = true;
        alone.push_back(goal);
    }
    std::vector<Shown> shown;
    for (const auto& [goal, seconds] : sizes)
        if (std::find(alone.begin(), alone.end(), goal) != alone.end())
            shown.push_back({goal, colourOf(goal)});
    if (other)
        shown.push_back({0, kOther});
    return shown;
}
