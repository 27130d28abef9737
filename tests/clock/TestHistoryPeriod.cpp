// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/GoalColours.h"
#include "clock/HistoryPeriod.h"
#include "clock/HistoryTable.h"
#include "clock/Renewal.h"
#include "model/CTime.h"

#include <QTest>

#include "support/Fixtures.h"

#include <ctime>

namespace {

// "2026-12-07+7": the first day and the number of days.
QString Describe(const HistoryPeriod& period) {
    const auto from = static_cast<std::time_t>(period.From());
    std::tm local{};
    char day[16];
    std::strftime(day, sizeof day, "%Y-%m-%d", localtime_r(&from, &local));
    return QStringLiteral("%1+%2").arg(day).arg(period.Days().size() - 1);
}

std::int64_t At(int year, int month, int day, int hour = 12) {
    return CTime(year, month, day, hour, 0, 0).GetTime();
}

} // namespace

// Days, weeks and months in local time, daylight-saving changes included, and the time of runs
// shared out among the days they fell in.
class TestHistoryPeriod : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3"), tzset(); }
    void periods() {
        using Span = HistoryPeriod::Span;
        const std::int64_t monday = At(2026, 12, 7);
        QCOMPARE(Describe(HistoryPeriod::Containing(monday, Span::Day)), "2026-12-07+1");
        QCOMPARE(Describe(HistoryPeriod::Containing(At(2026, 12, 13), Span::Week, 1)), "2026-12-07+7");
        QCOMPARE(Describe(HistoryPeriod::Containing(monday, Span::Week, 0)), "2026-12-06+7"); // from Sunday
        QCOMPARE(Describe(HistoryPeriod::Containing(monday, Span::Month)), "2026-12-01+31");
        QCOMPARE(Describe(HistoryPeriod::Containing(monday, Span::Month).Next()), "2027-01-01+31");
        QCOMPARE(Describe(HistoryPeriod::Containing(At(2026, 3, 31), Span::Month).Previous()),
                 "2026-02-01+28");
        QCOMPARE(Describe(HistoryPeriod::Containing(monday, Span::Week).Previous()), "2026-11-30+7");
        QCOMPARE(Describe(HistoryPeriod::Range(At(2026, 12, 30, 0), At(2027, 1, 2, 23))), "2026-12-30+4");
        // The day the clocks go forward has 23 hours, the week holding it 167.
        const HistoryPeriod spring = HistoryPeriod::Containing(At(2026, 3, 29), Span::Day);
        QCOMPARE(spring.To() - spring.From(), 23 * 3600);
        const HistoryPeriod week = HistoryPeriod::Containing(At(2026, 3, 29), Span::Week);
        QCOMPARE(week.To() - week.From(), 167 * 3600);
        qputenv("TZ", "XST0XDT,J90/23,J300/3"), tzset(); // clocks forward at 11 pm on the last of March
        QCOMPARE(Describe(HistoryPeriod::Containing(At(2026, 3, 15, 23), Span::Month)), "2026-03-01+31");
        initTestCase();
    }
    // A new period's Total and Remaining: the budget, with what the last period left added and
    // what it overran taken off when carried over, never below zero; a done goal opens again.
    void renew_data() {
        QTest::addColumn<bool>("carry");
        QTest::addColumn<QList<int>>("end"); // Total, Remaining and the period's allowance, minutes
        QTest::addColumn<QString>("values");
        QTest::newRow("plain") << false << QList<int>{400, 30, 300} << "300/300";
        QTest::newRow("left over") << true << QList<int>{300, 45, 300} << "345/345";
        QTest::newRow("overrun") << true << QList<int>{420, 0, 300} << "300/180";
        QTest::newRow("both") << true << QList<int>{360, 20, 300} << "300/260";
        QTest::newRow("overrun past the budget") << true << QList<int>{700, 0, 300} << "300/0 done";
    }
    void renew() {
        QFETCH(bool, carry);
        QFETCH(QList<int>, end);
        QFETCH(QString, values);
        const Renewal::Setting setting{Renewal::Every::Week, carry, Minutes(300)};
        const Renewal::Values renewed =
            Renewal::Renew(setting, {Minutes(end[0]), Minutes(end[1]), true}, Minutes(end[2]));
        QCOMPARE(QStringLiteral("%1/%2%3")
                     .arg(renewed.total.GetTotalSeconds() / 60)
                     .arg(renewed.remaining.GetTotalSeconds() / 60)
                     .arg(renewed.done ? " done" : ""),
                 values);
    }
    // A run across midnight counts to each day the part that fell in it, in proportion to its
    // counted seconds, none lost; a run only begun counts to its day.
    void sharedOutByDay() {
        const HistoryPeriod period = HistoryPeriod::Containing(At(2026, 12, 7), HistoryPeriod::Span::Week);
        const std::int64_t midnight = period.Days()[1];
        const std::vector<Interval> runs = {
            {1, 7, "Essay", false, midnight - 3600, midnight + 7200, 10799, Interval::End::Stopped},
            {2, 8, "Gym", true, midnight + 60, midnight + 60, 0, Interval::End::Running},
            {3, 7, "Essay", false, period.From() - 600, period.From() + 600, 600, Interval::End::Stopped}};
        const HistoryTable table(runs, period.Days());
        QCOMPARE(table.Rows().size(), 2u);
        QCOMPARE(table.Rows()[0].seconds, (std::vector<std::int64_t>{3599 + 300, 7200, 0, 0, 0, 0, 0}));
        QCOMPARE(table.Rows()[0].total, 10799 + 300);
        QVERIFY(table.Rows()[1].deleted && table.Rows()[1].total == 0);
        QVERIFY(table.DayTotals()[1] == 7200 && table.Total() == 11099);
        // Rows in the goal list's order, goals not listed after, deleted ones last; times to the
        // nearest minute, nothing for none.
        std::vector<Interval> more = runs;
        more.push_back({4, 9, "Run", false, midnight, midnight + 60, 60, Interval::End::Stopped});
        more.push_back({5, 5, "Old", false, midnight, midnight + 60, 60, Interval::End::Stopped});
        HistoryTable ordered(more, period.Days());
        ordered.Order({9, 7});
        QString names;
        for (const HistoryTable::Row& row : ordered.Rows())
            names += QString::fromStdString(row.name) + ' ';
        QCOMPARE(names, "Run Essay Old Gym ");
        QStringList texts;
        for (const std::int64_t seconds : {0, 29, 30, 89, 3600 * 45 + 29, -5})
            texts << QString::fromStdString(HistoryTable::Text(seconds));
        QCOMPARE(texts.join('|'), "|0:00|0:01|0:01|45:00|");
    }
    // A goal keeps its colour from period to period and no two share one in a chart; with more
    // goals than colours, the smallest go together as "Other", in the last colour.
    void colours() {
        const auto assign = [](const std::vector<std::int64_t>& order,
                               const std::vector<std::pair<std::int64_t, std::int64_t>>& sizes) {
            QStringList shown;
            for (const GoalColours::Shown& one : GoalColours::Assign(order, sizes))
                shown << QString("%1:%2").arg(one.goal).arg(one.colour);
            return shown.join(' ');
        };
        const std::vector<std::int64_t> order{30, 10, 20, 40};
        QCOMPARE(assign(order, {{10, 5}, {20, 9}}), "10:1 20:2");
        QCOMPARE(assign(order, {{40, 1}, {20, 3}, {30, 2}}), "40:3 20:2 30:0");
        std::vector<std::pair<std::int64_t, std::int64_t>> many;
        std::vector<std::int64_t> listed;
        for (int goal = 1; goal <= 13; ++goal) {
            many.emplace_back(goal, goal * 10);
            listed.push_back(goal);
        }
        // Thirteen known: each colour is its place's among eleven, the last is "Other". Goal 12
        // would take goal 1's colour, and goal 13 goal 2's: the smaller two go to "Other".
        QCOMPARE(assign(listed, many), "3:2 4:3 5:4 6:5 7:6 8:7 9:8 10:9 11:10 12:0 13:1 0:11");
        many.pop_back();
        QCOMPARE(assign(listed, many), "2:1 3:2 4:3 5:4 6:5 7:6 8:7 9:8 10:9 11:10 12:0 0:11");
        listed.pop_back(); // twelve known: each in a colour of its own
        QCOMPARE(assign(listed, many), "1:0 2:1 3:2 4:3 5:4 6:5 7:6 8:7 9:8 10:9 11:10 12:11");
    }
};

QTEST_GUILESS_MAIN(TestHistoryPeriod)
#include "TestHistoryPeriod.moc"
