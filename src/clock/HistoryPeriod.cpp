// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/HistoryPeriod.h"

#include <ctime>

namespace {

std::tm Local(std::int64_t instant) {
    const auto time = static_cast<std::time_t>(instant);
    std::tm local{};
    localtime_r(&time, &local);
    return local;
}

// The local midnight of the day `days` days after the one holding `instant`.
std::int64_t Midnight(std::int64_t instant, int days = 0) {
    std::tm day = Local(instant);
    day.tm_mday += days;
    day.tm_hour = day.tm_min = day.tm_sec = 0;
    day.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&day));
}

int DaysInMonth(std::int64_t instant) {
    std::tm day = Local(instant);
    day.tm_mon += 1;
    day.tm_mday = 0; // the last day of the month asked for
    day.tm_hour = 12;
    day.tm_isdst = -1;
    std::mktime(&day);
    return day.tm_mday;
}

} // namespace

HistoryPeriod::HistoryPeriod(Span span, int firstWeekday, std::int64_t from, int days)
    : m_span(span), m_firstWeekday(firstWeekday) {
    for (int i = 0; i <= days; ++i)
        m_days.push_back(Midnight(from, i));
}

HistoryPeriod HistoryPeriod::Containing(std::int64_t instant, Span span, int firstWeekday) {
    switch (span) {
    case Span::Week: {
        const int back = (Local(instant).tm_wday - firstWeekday + 7) % 7;
        return {span, firstWeekday, Midnight(instant, -back), 7};
    }
    case Span::Month: {
        const int back = Local(instant).tm_mday - 1;
        return {span, firstWeekday, Midnight(instant, -back), DaysInMonth(instant)};
    }
    case Span::Day:
    case Span::Range:
        break;
    }
    return {Span::Day, firstWeekday, Midnight(instant), 1};
}

HistoryPeriod HistoryPeriod::Range(std::int64_t first, std::int64_t last) {
    const std::int64_t from = Midnight(first);
    int days = 1;
    while (Midnight(from, days) <= last)
        ++days;
    return {Span::Range, 1, from, days};
}

HistoryPeriod HistoryPeriod::Step(int direction) const {
    const int days = static_cast<int>(m_days.size()) - 1;
    if (m_span == Span::Month) // from the middle of the month before or after
        return Containing(Midnight(From(), direction < 0 ? -15 : days + 15), m_span, m_firstWeekday);
    return {m_span, m_firstWeekday, Midnight(From(), direction * days), days};
}
