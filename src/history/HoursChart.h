// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChartView>
#include <QFont>
#include <QStringList>

#include <cstdint>
#include <vector>

// Stacked bars of the time spent each day, a colour a goal: a goal keeps its colour from period
// to period, and with more goals than colours the smallest go together as "Other". The time axis
// steps in whole hours, half hours or minutes, labelled as times, as many as stand apart; the days
// are labelled in the longest form that fits (a month by the days' numbers), every other one when
// even that is too long, and never cut short. Its legend is the hours' table beside it.
class HoursChart final : public QChartView {
    Q_OBJECT

public:
    struct Series {
        std::int64_t goal = 0;
        QString name;
        std::vector<std::int64_t> seconds; // a day each
    };
    struct Day {
        QString longLabel;  // "Mon 7"
        QString shortLabel; // "7"
    };

    explicit HoursChart(QWidget* parent = nullptr);

    // `order`: every goal in the goal list's order, then the others, for their colours. Returns
    // each goal's colour; the hours' table shows them, as the chart's legend.
    std::vector<std::pair<std::int64_t, QColor>> Fill(const std::vector<Day>& days,
                                                      const std::vector<Series>& series,
                                                      const std::vector<std::int64_t>& order);
    // The labels the day axis shows now, and those of the time axis.
    [[nodiscard]] QStringList DayLabels() const;
    [[nodiscard]] QStringList TimeLabels() const;

    static const QColor& Colour(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The labels that fit the chart's size: days in the longest form that fits, and as many times
    // as stand apart.
    void Label();

    static constexpr double kSmallestDayPoints = 7; // day numbers still read at this size

    std::vector<Day> m_days;
    double m_highest = 0; // the tallest day, in hours
    QFont m_dayFont;      // the day labels' font before any is made smaller to fit
};
