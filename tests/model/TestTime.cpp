// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CTime.h"
#include "model/ParseHoursMinutes.h"
#include "support/TestClock.h"

#include <QTest>

#include <algorithm>

#include <ctime>

namespace {

QString Span(std::int64_t seconds, const char* format) {
    return QString::fromStdString(CTimeSpan(seconds).Format(format) + "|" + CTimeSpan(seconds).FormatShort());
}

QString At(int y, int mo, int d, int h, int mi, const char* format) {
    return QString::fromStdString(CTime(y, mo, d, h, mi, 0).Format(format));
}

} // namespace

// Spans, instants, their texts and the typed-time parser.
class TestTime : public QObject {
    Q_OBJECT

private slots:
    void init() { qputenv("TZ", "UTC0"), tzset(); }
    void cleanup() { TestClock::Uninstall(); }

    // Whole hours past a day, one leading zero dropped in the short form, saturation at the ends.
    void spans() {
        QCOMPARE(Span(5 * 3600 + 30 * 60, "%H:%M"), "05:30|5:30");
        QCOMPARE(Span(45 * 60 + 59, "%H:%M"), "00:45|0:45");
        QCOMPARE(Span(10 * 3600 + 9 * 60, "%H:%M"), "10:09|10:09");
        QCOMPARE(Span(100 * 3600 + 7 * 60, "%H:%M"), "100:07|100:07");
        QCOMPARE(Span(-30 * 60, "%H:%M"), "00:-30|0:-30");
        QCOMPARE(Span(2 * 86400 + 5 * 3600 + 61, "%D %S %% %x a%"), "2 01 % x a%|53:01");
        QCOMPARE(Span(std::int64_t{1} << 40, "%H:%M"), QStringLiteral("596523:14|596523:14"));
        QCOMPARE((CTimeSpan(CTimeSpan::kMin) - CTimeSpan(60)).GetTotalSeconds(), CTimeSpan::kMin);
        QCOMPARE(CTimeSpan(1, 2, 3, 4).GetTotalSeconds(), 93784);
        QCOMPARE((CTime(std::int64_t{1} << 40) - CTime(0)).GetTotalSeconds(), CTimeSpan::kMax);
        QCOMPARE((CTime(100) - CTime(190)).GetTotalSeconds(), -90);
    }

    // English names and AM/PM whatever the locale; '#' drops leading zeros; years past 2038.
    void times() {
        QCOMPARE(At(2026, 12, 6, 0, 5, "%#I:%M %p %B"), "12:05 AM December");
        QCOMPARE(At(2026, 12, 6, 12, 0, "%#I:%M %p"), "12:00 PM");
        QCOMPARE(At(2026, 12, 6, 23, 59, "%#I:%M %p"), "11:59 PM");
        QCOMPARE(At(1997, 7, 23, 18, 40, "%a %#m/%#d/%#y  %#I:%M %p"), "Wed 7/23/97  6:40 PM");
        QCOMPARE(At(2005, 3, 4, 7, 8, "%m/%d/%y %H:%M %I %S%%"), "03/04/05 07:08 07 00%");
        QCOMPARE(At(2026, 2, 7, 7, 8, "%a %A %b %B %Y %q %"), "Sat Saturday Feb February 2026 q %");
        qputenv("TZ", "EST5"), tzset();
        QCOMPARE(QString::fromStdString(CTime(0).Format("%a %#m/%#d/%#y  %#I:%M %p")),
                 "Wed 12/31/69  7:00 PM");
        QCOMPARE(CTime(2040, 1, 1, 10, 0, 0).GetTime(), std::int64_t{2209042800});
        QVERIFY(std::llabs(CTime::GetCurrentTime().GetTime() - std::time(nullptr)) <= 1);
    }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        const struct {
            const char* text;
            int hours, minutes;
            // clang-format off
        } rows[] = {
            {"1:30", 1, 30}, {"0:60", 1, 0}, {":45", 0, 45}, {"2:", 2, 0}, {"1:30:15", 1, 30},
            {"1.5", 1, 30}, {"1.05", 1, 3}, {"2.75", 2, 45}, {"1.999", 1, 59}, {"1.5 ", 1, 3},
            {".5", 0, 30}, {"0.3", 0, 18}, {"90", 90, 0}, {"Hours:Mins", 0, 0}, {" +1: 30", 1, 30}, {"\t\n\v\f\r -1:30", -1, 30},
            {"1:-90", 1, -90}, {"0.-5", 0, -3}, {"1.5:20", 1, 20}, {"1.99999999999999999999", 1, 59},
            {"0.50000000000000000000000001", 0, 30}, {"2.5                              ", 2, 0},
            {"99999999999999999999", 2147483647, 0}, {"-99999999999999999999:5", -2147483647 - 1, 5},
            {"0:99999999999999", 35791394, 7}};
        // clang-format on
        for (const auto& row : rows)
            QTest::newRow(row.text) << row.text << row.hours << row.minutes;
    }

    // Read the way atoi reads numbers, but saturated; a fraction of any length scaled exactly.
    void parse() {
        QFETCH(QString, text);
        QFETCH(int, hours);
        QFETCH(int, minutes);
        std::int32_t h = -7, m = -7;
        ParseHoursMinutes(text.toStdString(), &h, &m);
        QCOMPARE(QPoint(h, m), QPoint(hours, minutes));
        // Kept within the largest span the goal file gives back whole.
        const std::int64_t most = kMaxStoredSpan.GetTotalSeconds();
        QCOMPARE(ParseTimeSpan(text.toStdString()),
                 CTimeSpan(std::clamp((std::int64_t{hours} * 60 + minutes) * 60, -most, most)));
    }
};

QTEST_APPLESS_MAIN(TestTime)
#include "TestTime.moc"
