// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/CTimeSpan.h"

#include <cstdint>

// Budgets that come back: a goal's Total and Remaining go back to its budget at the start of every
// day, week or month, with what was left or overrun carried over if the user wants. Periods follow
// local time; a week starts on the locale's first weekday, a month on its first day.
class Renewal final {
public:
    enum class Every { Never, Day, Week, Month };

    struct Setting {
        Every every = Every::Never;
        bool carryOver = false;
        CTimeSpan budget;
    };
    struct Values {
        CTimeSpan total;
        CTimeSpan remaining;
        bool done = false;
    };

    // The first instant of the period holding `instant`; `firstWeekday` 0 is Sunday.
    [[nodiscard]] static std::int64_t PeriodStart(Every every, std::int64_t instant, int firstWeekday);
    // The first instant of the period after the one that began at `periodStart`.
    [[nodiscard]] static std::int64_t NextStart(Every every, std::int64_t periodStart, int firstWeekday);
    // Whether a goal last renewed for the period that began at `renewedFor` renews at `now`: once
    // for the period holding `now`, however many boundaries passed.
    [[nodiscard]] static bool Due(const Setting& setting, std::int64_t renewedFor, std::int64_t now,
                                  int firstWeekday);
    // A goal's values for its new period, from those it ended its last period with. `allowance` is
    // the Total that period started with: growth past it (Time's Up's continue, the overrun
    // question) is the overrun. Without carry-over the budget alone comes back.
    [[nodiscard]] static Values Renew(const Setting& setting, const Values& atEnd, CTimeSpan allowance);
};
