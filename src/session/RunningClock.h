// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

// One running goal as the desktop shows it outside the window.
struct RunningClock {
    int index = 0; // in the goal list
    QString name;
    QString remaining;       // as the list shows it
    std::int64_t finish = 0; // when it will be done, working on

    bool operator==(const RunningClock&) const = default;
};
