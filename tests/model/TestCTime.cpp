#include "model/CTime.h"
#include "support/TestClock.h"

#include <QTest>

#include <cstdlib>
#include <ctime>

namespace {

void SetZone(const char* zone) {
    qputenv("TZ", zone);
    tzset();
}

} // namespace

class TestCTime : public QObject {
    Q_OBJECT

private slots:
    void init() { SetZone("UTC0"); }
    void cleanup() { TestClock::Uninstall(); }
    void format_data();
    void format();
    void followsTheTimeZone();
    void beyond2038();
    void arithmetic();
    void currentTimeComesFromTheClock();
};

void TestCTime::format_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");

    const QString clock = QStringLiteral("%#I:%M %p");
    QTest::newRow("00:05") << 2026 << 12 << 6 << 0 << 5 << clock << "12:05 AM";
    QTest::newRow("13:07") << 2026 << 12 << 6 << 13 << 7 << clock << "1:07 PM";
    QTest::newRow("09:30") << 2026 << 12 << 6 << 9 << 30 << clock << "9:30 AM";
    QTest::newRow("noon") << 2026 << 12 << 6 << 12 << 0 << clock << "12:00 PM";
    QTest::newRow("midnight") << 2026 << 12 << 6 << 0 << 0 << clock << "12:00 AM";
    QTest::newRow("11:59 PM") << 2026 << 12 << 6 << 23 << 59 << clock << "11:59 PM";
    QTest::newRow("pane") << 2026 << 12 << 6 << 15 << 5 << " %#I:%M %p "
                          << " 3:05 PM ";
    QTest::newRow("report 1997") << 1997 << 7 << 23 << 18 << 40 << "%a %#m/%#d/%#y  %#I:%M %p\n\n"
                                 << "Wed 7/23/97  6:40 PM\n\n";
    QTest::newRow("report 2005") << 2005 << 1 << 2 << 0 << 5 << "%a %#m/%#d/%#y  %#I:%M %p\n\n"
                                 << "Sun 1/2/5  12:05 AM\n\n";
    QTest::newRow("zeros kept") << 2009 << 3 << 4 << 7 << 8 << "%m/%d/%y %H:%M %I"
                                << "03/04/09 07:08 07";
    QTest::newRow("long names") << 2026 << 12 << 6 << 7 << 8 << "%A %B %Y %%"
                                << "Sunday December 2026 %";
}

void TestCTime::format() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QString, format);
    QFETCH(QString, expected);

    const CTime time(year, month, day, hour, minute, 0);
    QCOMPARE(QString::fromStdString(time.Format(format.toStdString())), expected);
}

void TestCTime::followsTheTimeZone() {
    SetZone("EST5");
    QCOMPARE(QString::fromStdString(CTime(0).Format("%a %#m/%#d/%#y  %#I:%M %p")),
             QStringLiteral("Wed 12/31/69  7:00 PM"));
    SetZone("UTC0");
    QCOMPARE(QString::fromStdString(CTime(0).Format("%#I:%M %p")), QStringLiteral("12:00 AM"));
}

void TestCTime::beyond2038() {
    const CTime time(2040, 1, 1, 10, 0, 0);
    QVERIFY(time.GetTime() > std::int64_t{0x7fffffff});
    QCOMPARE(QString::fromStdString(time.Format("%#m/%#d/%y %#I:%M %p")), QStringLiteral("1/1/40 10:00 AM"));
    QCOMPARE(QString::fromStdString((time + CTimeSpan(3600)).Format("%#I:%M %p")),
             QStringLiteral("11:00 AM"));
}

void TestCTime::arithmetic() {
    const CTime a(1'000'000);
    const CTime b = a + CTimeSpan(90);
    QCOMPARE(b.GetTime(), 1'000'090);
    QCOMPARE((b - a).GetTotalSeconds(), 90);
    QCOMPARE((a - b).GetTotalSeconds(), -90);
    // Instants farther apart than a span can hold give the largest span, not a wrapped one.
    QCOMPARE((CTime(std::int64_t{1} << 40) - CTime(0)).GetTotalSeconds(), CTimeSpan::kMax);
}

void TestCTime::currentTimeComesFromTheClock() {
    auto clock = TestClock::Install(123456);
    QCOMPARE(CTime::GetCurrentTime().GetTime(), 123456);
    clock->Advance(10);
    QCOMPARE(CTime::GetCurrentTime().GetTime(), 123466);
    TestClock::Uninstall();
    QVERIFY(std::llabs(CTime::GetCurrentTime().GetTime() - std::time(nullptr)) <= 1);
}

QTEST_APPLESS_MAIN(TestCTime)
#include "TestCTime.moc"
