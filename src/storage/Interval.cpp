// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/Interval.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 11> kNames = {"stopped", "time_up", "done",         "finished_early",
                                                     "locked",  "sleep",   "closed",       "crashed",
                                                     "running", "renewed", "clock_changed"};

} // namespace

std::string_view Interval::Name(End end) { return kNames[static_cast<std::size_t>(end)]; }

std::optional<Interval::End> Interval::FromName(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name)
            return static_cast<End>(i);
    return std::nullopt;
}
