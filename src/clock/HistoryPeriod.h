// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A stretch of local days the History window shows: a day, a week, a month, or a chosen range.
// Days follow local time, daylight-saving changes included, so a day may be 23 or 25 hours.
class HistoryPeriod final {
public:
    enum class Span { Day, Week, Month, Range };

    // The day, week or month holding `instant`; a week starts on `firstWeekday` (0 Sunday, 1 Monday...).
    [[nodiscard]] static HistoryPeriod Containing(std::int64_t instant, Span span, int firstWeekday = 1);
    // The local days from the one holding `first` to the one holding `last`, both included.
    [[nodiscard]] static HistoryPeriod Range(std::int64_t first, std::int64_t last);

    [[nodiscard]] HistoryPeriod Previous() const { return Step(-1); }
    [[nodiscard]] HistoryPeriod Next() const { return Step(1); }

    [[nodiscard]] Span GetSpan() const { return m_span; }
    [[nodiscard]] std::int64_t From() const { return m_days.front(); }
    [[nodiscard]] std::int64_t To() const { return m_days.back(); } // exclusive
    // The local midnights from From() to To(): one more than the days shown.
    [[nodiscard]] const std::vector<std::int64_t>& Days() const { return m_days; }

private:
    HistoryPeriod(Span span, int firstWeekday, std::int64_t from, int days);
    [[nodiscard]] HistoryPeriod Step(int direction) const;

    Span m_span = Span::Day;
    int m_firstWeekday = 1;
    std::vector<std::int64_t> m_days;
};
