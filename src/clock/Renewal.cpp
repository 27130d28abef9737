// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/Renewal.h"

#include "clock/HistoryPeriod.h"

#include <algorithm>

namespace {

HistoryPeriod Period(Renewal::Every every, std::int64_t instant, int firstWeekday) {
    const HistoryPeriod::Span span = every == Renewal::Every::Month  ? HistoryPeriod::Span::Month
                                     : every == Renewal::Every::Week ? HistoryPeriod::Span::Week
                                                                     : HistoryPeriod::Span::Day;
    return HistoryPeriod::Containing(instant, span, firstWeekday);
}

} // namespace

std::int64_t Renewal::PeriodStart(Every every, std::int64_t instant, int firstWeekday) {
    return Period(every, instant, firstWeekday).From();
}

std::int64_t Renewal::NextStart(Every every, std::int64_t periodStart, int firstWeekday) {
    return Period(every, periodStart, firstWeekday).To();
}

bool Renewal::Due(const Setting& setting, std::int64_t renewedFor, std::int64_t now, int firstWeekday) {
    return setting.every != Every::Never && PeriodStart(setting.every, now, firstWeekday) > renewedFor;
}

Renewal::Values Renewal::Renew(const Setting& setting, const Values& atEnd, CTimeSpan allowance) {
    CTimeSpan remaining = setting.budget;
    if (setting.carryOver) {
        const CTimeSpan leftover = std::max(atEnd.remaining, CTimeSpan());
        const CTimeSpan overrun = std::max(atEnd.total - allowance, CTimeSpan());
        remaining = std::max(setting.budget + leftover - overrun, CTimeSpan());
    }
    return {std::max(setting.budget, remaining), remaining,
            remaining == CTimeSpan()}; // open again if time is left
}
