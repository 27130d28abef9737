// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Interval.h"

#include <cstdint>
#include <string>
#include <vector>

// Time spent per goal and per day, from the journal's runs: a run across midnight counts to each
// day the part of it that fell in that day.
class HistoryTable final {
public:
    struct Row {
        std::int64_t goal = 0;
        std::string name;
        bool deleted = false;
        std::vector<std::int64_t> seconds; // one a day
        std::int64_t total = 0;
    };

    // `days` are local midnights, the last one ending the last day.
    HistoryTable(const std::vector<Interval>& runs, const std::vector<std::int64_t>& days);

    [[nodiscard]] const std::vector<Row>& Rows() const { return m_rows; } // goals by first run
    [[nodiscard]] const std::vector<std::int64_t>& DayTotals() const { return m_dayTotals; }
    [[nodiscard]] std::int64_t Total() const { return m_total; }
    // The rows in the order of `goals` (the goal list's, by identity); the others after them,
    // deleted goals last, each kind by identity. A goal keeps its place from period to period.
    void Order(const std::vector<std::int64_t>& goals);

    // Seconds as the History window writes them: hours and minutes to the nearest minute
    // ("1:05", "45:00"), nothing for none.
    [[nodiscard]] static std::string Text(std::int64_t seconds);

private:
    std::vector<Row> m_rows;
    std::vector<std::int64_t> m_dayTotals;
    std::int64_t m_total = 0;
};
