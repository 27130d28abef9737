// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One run of a goal's clock as the journal keeps it.
struct Interval {
    // How the run ended. Running: still open, its end is its last checkpoint. Crashed: found
    // still open at the next start. Renewed: cut where its goal's budget renewed; the clock ran on.
    // ClockChanged: cut where the system clock was set; the clock ran on.
    enum class End {
        Stopped,
        TimeUp,
        Done,
        FinishedEarly,
        Locked,
        Sleep,
        Closed,
        Crashed,
        Running,
        Renewed,
        ClockChanged
    };

    std::int64_t id = 0;
    std::int64_t goal = 0; // the goal's identity in the journal
    std::string goalName;  // its current name
    bool goalDeleted = false;
    std::int64_t start = 0; // UTC, seconds since the epoch
    std::int64_t end = 0;
    std::int64_t seconds = 0; // counted, after idle time was given back
    End endedBy = End::Running;

    // The names the journal and the export use: "stopped", "time_up", ...
    [[nodiscard]] static std::string_view Name(End end);
    [[nodiscard]] static std::optional<End> FromName(std::string_view name);
};
