#include "model/CTimeSpan.h"

#include <QTest>

class TestCTimeSpan : public QObject {
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void stripLeadingZero_data();
    void stripLeadingZero();
    void arithmeticSaturates();
};

void TestCTimeSpan::format_data() {
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("shortForm");

    QTest::newRow("5 h 30") << qint64(5 * 3600 + 30 * 60) << "%H:%M"
                            << "05:30"
                            << "5:30";
    QTest::newRow("45 min") << qint64(45 * 60) << "%H:%M"
                            << "00:45"
                            << "0:45";
    QTest::newRow("12 h") << qint64(12 * 3600) << "%H:%M"
                          << "12:00"
                          << "12:00";
    QTest::newRow("zero") << qint64(0) << "%H:%M"
                          << "00:00"
                          << "0:00";
    QTest::newRow("59 s cut") << qint64(59) << "%H:%M"
                              << "00:00"
                              << "0:00";
    QTest::newRow("1 h 0 min 59 s") << qint64(3659) << "%H:%M"
                                    << "01:00"
                                    << "1:00";
    QTest::newRow("10 h 5") << qint64(10 * 3600 + 5 * 60) << "%H:%M"
                            << "10:05"
                            << "10:05";
    QTest::newRow("23 h 59") << qint64(23 * 3600 + 59 * 60) << "%H:%M"
                             << "23:59"
                             << "23:59";
    QTest::newRow("24 h keeps the day") << qint64(24 * 3600) << "%H:%M"
                                        << "24:00"
                                        << "24:00";
    QTest::newRow("26 h") << qint64(26 * 3600) << "%H:%M"
                          << "26:00"
                          << "26:00";
    QTest::newRow("100 h 7") << qint64(100 * 3600 + 7 * 60) << "%H:%M"
                             << "100:07"
                             << "100:07";
    QTest::newRow("minus 30 min") << qint64(-30 * 60) << "%H:%M"
                                  << "00:-30"
                                  << "0:-30";
    QTest::newRow("hours word") << qint64(2 * 3600 + 5 * 60) << "%H hours"
                                << "02 hours"
                                << "";
    QTest::newRow("minutes word") << qint64(5 * 60 + 20) << "%M minutes"
                                  << "05 minutes"
                                  << "";
    QTest::newRow("percent and others") << qint64(61) << "%%%x%S"
                                        << "%x01"
                                        << "";
    QTest::newRow("lone percent at end") << qint64(0) << "a%"
                                         << "a%"
                                         << "";
}

void TestCTimeSpan::format() {
    QFETCH(qint64, seconds);
    QFETCH(QString, format);
    QFETCH(QString, full);
    QFETCH(QString, shortForm);

    const CTimeSpan span(seconds);
    QCOMPARE(QString::fromStdString(span.Format(format.toStdString())), full);
    if (!shortForm.isEmpty())
        QCOMPARE(QString::fromStdString(span.FormatShort()), shortForm);
}

void TestCTimeSpan::stripLeadingZero_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("05:30") << "05:30"
                           << "5:30";
    QTest::newRow("00:45") << "00:45"
                           << "0:45";
    QTest::newRow("10:00") << "10:00"
                           << "10:00";
    QTest::newRow("01 hours") << "01 hours"
                              << "1 hours";
    QTest::newRow("empty") << ""
                           << "";
}

void TestCTimeSpan::stripLeadingZero() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(StripLeadingZero(text.toStdString())), expected);
}

void TestCTimeSpan::arithmeticSaturates() {
    const CTimeSpan max(CTimeSpan::kMax);
    const CTimeSpan min(CTimeSpan::kMin);
    QCOMPARE((max + CTimeSpan(60)).GetTotalSeconds(), CTimeSpan::kMax);
    QCOMPARE((min - CTimeSpan(60)).GetTotalSeconds(), CTimeSpan::kMin);
    QCOMPARE((CTimeSpan(0) - min).GetTotalSeconds(), CTimeSpan::kMax);
    QCOMPARE(CTimeSpan(std::int64_t{1} << 40).GetTotalSeconds(), CTimeSpan::kMax);
    // The largest span still formats as whole hours.
    QCOMPARE(QString::fromStdString(max.Format("%H:%M")), QStringLiteral("596523:14"));
    QVERIFY(CTimeSpan(61) > CTimeSpan(60));
    QVERIFY(CTimeSpan(60) != CTimeSpan(61));
}

QTEST_APPLESS_MAIN(TestCTimeSpan)
#include "TestCTimeSpan.moc"
