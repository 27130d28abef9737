#include "model/CTime.h"
#include "model/ParseHoursMinutes.h"
#include "support/TestClock.h"

#include <QRandomGenerator>
#include <QTest>

#include <ctime>

// Spans, instants, their texts and the typed-time parser.
class TestTime : public QObject {
    Q_OBJECT

private slots:
    void init() {
        qputenv("TZ", "UTC0");
        tzset();
    }
    void cleanup() { TestClock::Uninstall(); }
    void spanTexts_data();
    void spanTexts();
    void spanSaturates();
    void timeTexts_data();
    void timeTexts();
    void timeZoneAnd2038();
    void currentTimeFromTheClock();
    void parse_data();
    void parse();
    void parseSurvivesAnyText();
};

void TestTime::spanTexts_data() {
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("shortForm");
    const struct {
        qint64 seconds;
        const char *format, *full, *shortForm;
    } rows[] = {{5 * 3600 + 30 * 60, "%H:%M", "05:30", "5:30"},
                {45 * 60 + 59, "%H:%M", "00:45", "0:45"},
                {10 * 3600 + 5 * 60, "%H:%M", "10:05", "10:05"},
                {26 * 3600, "%H:%M", "26:00", "26:00"},
                {100 * 3600 + 7 * 60, "%H:%M", "100:07", "100:07"},
                {-30 * 60, "%H:%M", "00:-30", "0:-30"},
                {CTimeSpan::kMax, "%H:%M", "596523:14", "596523:14"},
                {2 * 86400 + 5 * 3600 + 61, "%D %S %% %x a%", "2 01 % x a%", ""}};
    for (const auto& row : rows)
        QTest::newRow(row.full) << row.seconds << row.format << row.full << row.shortForm;
}

void TestTime::spanTexts() {
    QFETCH(qint64, seconds);
    QFETCH(QString, format);
    QFETCH(QString, full);
    QFETCH(QString, shortForm);
    const CTimeSpan span(seconds);
    QCOMPARE(QString::fromStdString(span.Format(format.toStdString())), full);
    if (!shortForm.isEmpty())
        QCOMPARE(QString::fromStdString(span.FormatShort()), shortForm);
}

void TestTime::spanSaturates() {
    const CTimeSpan max(CTimeSpan::kMax), min(CTimeSpan::kMin);
    QCOMPARE((max + CTimeSpan(60)).GetTotalSeconds(), CTimeSpan::kMax);
    QCOMPARE((min - CTimeSpan(60)).GetTotalSeconds(), CTimeSpan::kMin);
    QCOMPARE(CTimeSpan(std::int64_t{1} << 40).GetTotalSeconds(), CTimeSpan::kMax);
    QCOMPARE(CTimeSpan(1, 2, 3, 4).GetTotalSeconds(), 93784);
    QCOMPARE((CTime(std::int64_t{1} << 40) - CTime(0)).GetTotalSeconds(), CTimeSpan::kMax);
    QCOMPARE((CTime(100) - CTime(190)).GetTotalSeconds(), -90);
}

void TestTime::timeTexts_data() {
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    const auto at = [](int y, int mo, int d, int h, int mi) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi));
    };
    const QString clock = QStringLiteral("%#I:%M %p");
    QTest::newRow("midnight") << at(2026, 12, 6, 0, 5) << clock << "12:05 AM";
    QTest::newRow("noon") << at(2026, 12, 6, 12, 0) << clock << "12:00 PM";
    QTest::newRow("11 PM") << at(2026, 12, 6, 23, 59) << clock << "11:59 PM";
    QTest::newRow("morning") << at(2026, 12, 6, 9, 30) << clock << "9:30 AM";
    QTest::newRow("report") << at(1997, 7, 23, 18, 40) << "%a %#m/%#d/%#y  %#I:%M %p"
                            << "Wed 7/23/97  6:40 PM";
    QTest::newRow("zeros kept") << at(2005, 3, 4, 7, 8) << "%m/%d/%y %H:%M %I %S%%"
                                << "03/04/05 07:08 07 00%";
    QTest::newRow("names") << at(2026, 2, 7, 7, 8) << "%A %b %B %Y %q %"
                           << "Saturday Feb February 2026 q %";
}

void TestTime::timeTexts() {
    QFETCH(QDateTime, when);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    const CTime time(when.date().year(), when.date().month(), when.date().day(), when.time().hour(),
                     when.time().minute(), 0);
    QCOMPARE(QString::fromStdString(time.Format(format.toStdString())), expected);
}

void TestTime::timeZoneAnd2038() {
    qputenv("TZ", "EST5");
    tzset();
    QCOMPARE(QString::fromStdString(CTime(0).Format("%a %#m/%#d/%#y  %#I:%M %p")),
             QStringLiteral("Wed 12/31/69  7:00 PM"));
    const CTime later(2040, 1, 1, 10, 0, 0);
    QCOMPARE(later.GetTime(), std::int64_t{2209042800});
    QCOMPARE(QString::fromStdString((later + CTimeSpan(3600)).Format("%#m/%#d/%y %#I:%M %p")),
             QStringLiteral("1/1/40 11:00 AM"));
}

void TestTime::currentTimeFromTheClock() {
    auto clock = TestClock::Install(123456);
    clock->Advance(10);
    QCOMPARE(CTime::GetCurrentTime().GetTime(), 123466);
    TestClock::Uninstall();
    QVERIFY(std::llabs(CTime::GetCurrentTime().GetTime() - std::time(nullptr)) <= 1);
}

void TestTime::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    const struct {
        const char* text;
        int hours, minutes;
    } rows[] = {{"1:30", 1, 30},
                {"0:90", 1, 30},
                {":45", 0, 45},
                {"2:", 2, 0},
                {"1:30:15", 1, 30},
                {"1.5", 1, 30},
                {"1.05", 1, 3},
                {"2.75", 2, 45},
                {"1.999", 1, 59},
                {"1.5 ", 1, 3},
                {".5", 0, 30},
                {"90", 90, 0},
                {"", 0, 0},
                {"Hours:Mins", 0, 0},
                {" +1: 30", 1, 30},
                {"\t-1:30", -1, 30},
                {"1:-90", 1, -90},
                {"0.-5", 0, -3},
                {"1.5:20", 1, 20},
                {"1.99999999999999999999", 1, 59},
                {"0.50000000000000000000000001", 0, 30},
                {"2.5                              ", 2, 0},
                {"99999999999999999999", 2147483647, 0},
                {"-99999999999999999999:5", -2147483647 - 1, 5},
                {"0:99999999999999", 35791394, 7},
                {"2147483647:120", 2147483647, 0}};
    for (const auto& row : rows)
        QTest::newRow(row.text) << row.text << row.hours << row.minutes;
}

void TestTime::parse() {
    QFETCH(QString, text);
    QFETCH(int, hours);
    QFETCH(int, minutes);
    std::int32_t h = -7, m = -7;
    ParseHoursMinutes(text.toStdString(), &h, &m);
    QCOMPARE(h, hours);
    QCOMPARE(m, minutes);
    const std::int64_t seconds = (std::int64_t{hours} * 60 + minutes) * 60;
    QCOMPARE(ParseTimeSpan(text.toStdString()), CTimeSpan(seconds));
}

// Random text never crashes or overflows (the sanitizers watch); minutes stay below an hour.
void TestTime::parseSurvivesAnyText() {
    const std::string alphabet = "0123456789:.+- \t9a,";
    auto* random = QRandomGenerator::global();
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int i = static_cast<int>(random->bounded(40)); i > 0; --i)
            text += alphabet[random->bounded(static_cast<quint32>(alphabet.size()))];
        std::int32_t h = 0, m = 0;
        ParseHoursMinutes(text, &h, &m);
        if (m >= 60)
            QFAIL(qPrintable(QString::fromStdString(text)));
    }
}

QTEST_APPLESS_MAIN(TestTime)
#include "TestTime.moc"
