// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HoursChart.h"

#include "clock/GoalColours.h"
#include "clock/HistoryTable.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetrics>
#include <QLegend>
#include <QStackedBarSeries>

#include <algorithm>
#include <array>

namespace {

// Told apart by most eyes, also side by side; the last, a grey, is "Other".
const std::array<QColor, GoalColours::kColours> kPalette = {
    QColor(0x4e, 0x79, 0xa7), QColor(0xf2, 0x8e, 0x2b), QColor(0xe1, 0x57, 0x59), QColor(0x76, 0xb7, 0xb2),
    QColor(0x59, 0xa1, 0x4f), QColor(0xed, 0xc9, 0x48), QColor(0xb0, 0x7a, 0xa1), QColor(0xff, 0x9d, 0xa7),
    QColor(0x9c, 0x75, 0x5f), QColor(0x17, 0xbe, 0xcf), QColor(0xbc, 0xbd, 0x22), QColor(0x9d, 0x9d, 0x9d)};

// The step of the time axis, in minutes: the smallest that puts at most `labels` labels on it.
int Step(std::int64_t highestSeconds, int labels) {
    for (const int minutes : {1, 2, 5, 10, 15, 30, 60, 120, 180, 240, 360, 480, 720, 1440, 2880, 7200})
        if (highestSeconds <= std::int64_t{minutes} * 60 * labels)
            return minutes;
    return 14400;
}

QString Time(int minutes) { return QString::fromStdString(HistoryTable::Text(std::int64_t{minutes} * 60)); }

} // namespace

const QColor& HoursChart::Colour(int index) {
    return kPalette[static_cast<std::size_t>(std::clamp(index, 0, GoalColours::kColours - 1))];
}

HoursChart::HoursChart(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("chart"));
    setAccessibleName(tr("Chart of the hours spent each day"));
    setAccessibleDescription(tr("Stacked bars of the time spent on each goal, day by day; the table above "
                                "holds the same figures."));
    setMinimumHeight(180);
}

std::vector<std::pair<std::int64_t, QColor>> HoursChart::Fill(const std::vector<Day>& days,
                                                              const std::vector<Series>& series,
                                                              const std::vector<std::int64_t>& order) {
    m_days = days;
    std::vector<std::pair<std::int64_t, std::int64_t>> sizes;
    for (const Series& goal : series) {
        std::int64_t total = 0;
        for (const std::int64_t seconds : goal.seconds)
            total += seconds;
        sizes.emplace_back(goal.goal, total);
    }
    const std::vector<GoalColours::Shown> shown = GoalColours::Assign(order, sizes);
    std::vector<double> other(days.size(), 0.0); // the goals without a colour of their own
    for (const Series& goal : series)
        if (std::none_of(shown.begin(), shown.end(),
                         [&goal](const GoalColours::Shown& one) { return one.goal == goal.goal; }))
            for (std::size_t day = 0; day < days.size(); ++day)
                other[day] += static_cast<double>(goal.seconds[day]) / 3600.0;
    auto* bars = new QStackedBarSeries;
    std::vector<double> stacked(days.size(), 0.0);
    const QFontMetrics metrics(font());
    for (const GoalColours::Shown& one : shown) {
        const auto goal = std::find_if(series.begin(), series.end(),
                                       [&one](const Series& s) { return s.goal == one.goal; });
        auto* set = new QBarSet(goal != series.end() ? metrics.elidedText(goal->name, Qt::ElideMiddle, 240)
                                                     : tr("Other"));
        set->setColor(Colour(one.colour));
        set->setBorderColor(Colour(one.colour).darker(130));
        for (std::size_t day = 0; day < days.size(); ++day) {
            const double hours =
                goal != series.end() ? static_cast<double>(goal->seconds[day]) / 3600.0 : other[day];
            *set << hours;
            stacked[day] += hours;
        }
        bars->append(set);
    }
    auto* chart = new QChart;
    chart->addSeries(bars);
    auto* dayAxis = new QBarCategoryAxis;
    for (const Day& day : days)
        dayAxis->append(day.longLabel);
    chart->addAxis(dayAxis, Qt::AlignBottom);
    m_dayFont = dayAxis->labelsFont(); // as the chart's theme gave it
    bars->attachAxis(dayAxis);
    m_highest = stacked.empty() ? 0 : *std::max_element(stacked.begin(), stacked.end());
    auto* timeAxis = new QCategoryAxis;
    timeAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    chart->addAxis(timeAxis, Qt::AlignLeft);
    bars->attachAxis(timeAxis);
    chart->legend()->hide(); // the hours' table shows each goal's colour
    QChart* old = this->chart();
    setChart(chart);
    delete old;
    // Labelled once the chart is laid out, and again as its plot area changes.
    connect(chart, &QChart::plotAreaChanged, this, &HoursChart::Label, Qt::QueuedConnection);
    Label();
    std::vector<std::pair<std::int64_t, QColor>> colours;
    for (const GoalColours::Shown& one : shown)
        colours.emplace_back(one.goal, Colour(one.colour));
    return colours;
}

void HoursChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    Label();
}

void HoursChart::Label() {
    const auto vertical = chart()->axes(Qt::Vertical);
    auto* times = vertical.isEmpty() ? nullptr : qobject_cast<QCategoryAxis*>(vertical.first());
    if (times != nullptr) { // whole hours, half hours or minutes, each label two lines apart at least
        const int room = std::max(2, static_cast<int>(chart()->plotArea().height() /
                                                      (2.2 * QFontMetrics(times->labelsFont()).height())));
        const int step = Step(static_cast<std::int64_t>(m_highest * 3600 + 0.5), room);
        int top = step;
        while (top * 60 < m_highest * 3600)
            top += step;
        QStringList wanted{QStringLiteral("0:00")};
        for (int minutes = step; minutes <= top; minutes += step)
            wanted << Time(minutes);
        if (wanted != times->categoriesLabels()) {
            for (const QString& label : times->categoriesLabels())
                times->remove(label);
            times->append(wanted.first(), 0);
            for (int minutes = step, i = 1; minutes <= top; minutes += step, ++i)
                times->append(wanted[i], minutes / 60.0);
            times->setRange(0, top / 60.0);
        }
    }
    // The longest labels that fit the width a bar has; every other one when even the shortest do not.
    const auto axes = chart()->axes(Qt::Horizontal);
    auto* axis = axes.isEmpty() ? nullptr : qobject_cast<QBarCategoryAxis*>(axes.first());
    if (axis == nullptr || m_days.empty())
        return;
    // The chart keeps a margin of about ten pixels around a label's text: "10" under a bar 24 px
    // wide is already cut to "...". It cuts a label to its own bar's width, whatever its
    // neighbours show, so the day numbers are made smaller, as far as they stay readable, before
    // any is left out.
    const double room = chart()->plotArea().width() / static_cast<double>(m_days.size()) - 12;
    const auto widest = [this](const QFont& font, bool longForm) {
        const QFontMetrics metrics(font);
        int most = 0;
        for (const Day& day : m_days)
            most = std::max(most, metrics.horizontalAdvance(longForm ? day.longLabel : day.shortLabel));
        return most;
    };
    QFont font = m_dayFont;
    const bool longForm = widest(font, true) <= room;
    while (!longForm && widest(font, false) > room && font.pointSizeF() > kSmallestDayPoints)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != axis->labelsFont())
        axis->setLabelsFont(font);
    const int every = longForm || widest(font, false) <= room ? 1 : widest(font, false) <= 2 * room ? 2 : 4;
    QStringList labels;
    for (std::size_t i = 0; i < m_days.size(); ++i) {
        const QString label = longForm ? m_days[i].longLabel : m_days[i].shortLabel;
        // Categories must differ: a day left unlabelled is as many invisible spaces as its number.
        labels << (i % static_cast<std::size_t>(every) == 0
                       ? label
                       : QString(static_cast<int>(i) + 1, QChar(0x200B)));
    }
    if (labels != axis->categories())
        axis->setCategories(labels);
}

QStringList HoursChart::DayLabels() const {
    const auto axes = chart()->axes(Qt::Horizontal);
    auto* axis = axes.isEmpty() ? nullptr : qobject_cast<QBarCategoryAxis*>(axes.first());
    return axis != nullptr ? axis->categories() : QStringList();
}

QStringList HoursChart::TimeLabels() const {
    const auto axes = chart()->axes(Qt::Vertical);
    auto* axis = axes.isEmpty() ? nullptr : qobject_cast<QCategoryAxis*>(axes.first());
    return axis != nullptr ? axis->categoriesLabels() : QStringList();
}
