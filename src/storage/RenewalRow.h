// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// A goal's renewing budget as the journal keeps it. `every`: 0 never, 1 day, 2 week, 3 month.
// `period` is the first instant of the period the goal's values belong to; `allowance` the Total
// that period started with.
struct RenewalRow {
    int every = 0;
    bool carryOver = false;
    std::int64_t budget = 0; // seconds, as are the others
    std::int64_t allowance = 0;
    std::int64_t period = 0;
};

// One renewal as recorded: the goal's Total and Remaining just after it.
struct RenewalRecord {
    std::int64_t id = 0;
    std::int64_t total = 0;
    std::int64_t remaining = 0;
};
