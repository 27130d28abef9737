// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/HistoryTable.h"

#include "model/CTimeSpan.h"

#include <algorithm>
#include <tuple>

HistoryTable::HistoryTable(const std::vector<Interval>& runs, const std::vector<std::int64_t>& days) {
    const std::size_t count = days.empty() ? 0 : days.size() - 1;
    m_dayTotals.assign(count, 0);
    for (const Interval& run : runs) {
        auto row =
            std::find_if(m_rows.begin(), m_rows.end(), [&](const Row& r) { return r.goal == run.goal; });
        if (row == m_rows.end()) {
            m_rows.push_back(
                {run.goal, run.goalName, run.goalDeleted, std::vector<std::int64_t>(count, 0), 0});
            row = m_rows.end() - 1;
        }
        const std::int64_t length = run.end - run.start;
        for (std::size_t day = 0; day < count; ++day) {
            const std::int64_t from = std::max(run.start, days[day]);
            const std::int64_t to = std::min(run.end, days[day + 1]);
            std::int64_t part = 0;
            if (length <= 0) // a run that has only begun belongs to the day it began in
                part = run.start >= days[day] && run.start < days[day + 1] ? run.seconds : 0;
            else if (to > from) // the counted seconds shared as the wall-clock time fell, none lost
                part = run.seconds * (to - run.start) / length - run.seconds * (from - run.start) / length;
            row->seconds[day] += part;
            row->total += part;
            m_dayTotals[day] += part;
            m_total += part;
        }
    }
}

void HistoryTable::Order(const std::vector<std::int64_t>& goals) {
    const auto rank = [&goals](const Row& row) {
        const auto listed = std::find(goals.begin(), goals.end(), row.goal);
        return std::tuple(listed == goals.end(), row.deleted, listed - goals.begin(), row.goal);
    };
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [&rank](const Row& a, const Row& b) { return rank(a) < rank(b); });
}

std::string HistoryTable::Text(std::int64_t seconds) {
    if (seconds <= 0)
        return {};
    return CTimeSpan((seconds + 30) / 60 * 60).FormatShort(); // the nearest minute
}
