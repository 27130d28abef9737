#include "model/ParseHoursMinutes.h"

#include <QRandomGenerator>
#include <QTest>

#include <string>

class TestParseHoursMinutes : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void span();
    void survivesAnyText();
};

void TestParseHoursMinutes::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");

    QTest::newRow("1:30") << "1:30" << 1 << 30;
    QTest::newRow("1:5") << "1:5" << 1 << 5;
    QTest::newRow("0:90") << "0:90" << 1 << 30;
    QTest::newRow("0:75") << "0:75" << 1 << 15;
    QTest::newRow(":45") << ":45" << 0 << 45;
    QTest::newRow("2:") << "2:" << 2 << 0;
    QTest::newRow("1:30:15") << "1:30:15" << 1 << 30;
    QTest::newRow("1.5") << "1.5" << 1 << 30;
    QTest::newRow("1.50") << "1.50" << 1 << 30;
    QTest::newRow("1.500") << "1.500" << 1 << 30;
    QTest::newRow("1.05") << "1.05" << 1 << 3;
    QTest::newRow("1.25") << "1.25" << 1 << 15;
    QTest::newRow("2.75") << "2.75" << 2 << 45;
    QTest::newRow("0.1") << "0.1" << 0 << 6;
    QTest::newRow("1.999") << "1.999" << 1 << 59;
    QTest::newRow("1.5 and a blank") << "1.5 " << 1 << 3;
    QTest::newRow(".5") << ".5" << 0 << 30;
    QTest::newRow("3") << "3" << 3 << 0;
    QTest::newRow("90") << "90" << 90 << 0;
    QTest::newRow("empty") << "" << 0 << 0;
    QTest::newRow("letters") << "abc" << 0 << 0;
    QTest::newRow("prompt") << "Hours:Mins" << 0 << 0;
    QTest::newRow("blanks before numbers") << " 1: 30" << 1 << 30;
    QTest::newRow("-1:30") << "-1:30" << -1 << 30;
    QTest::newRow("negative minutes stay") << "1:-90" << 1 << -90;
    QTest::newRow("signed fraction") << "0.-5" << 0 << -3; // the sign counts in the length
    QTest::newRow("colon before dot") << "1.5:20" << 1 << 20;
    QTest::newRow("seven places") << "0.9999999" << 0 << 59;
    // Longer fractions than a 32-bit product can hold are still scaled by their length.
    QTest::newRow("twenty nines") << "1.99999999999999999999" << 1 << 59;
    QTest::newRow("long half") << "0.50000000000000000000000001" << 0 << 30;
    QTest::newRow("long tiny") << "0.00000000000000000000000009" << 0 << 0;
    QTest::newRow("long fraction of blanks") << "2.5                              " << 2 << 0;
    // Hours beyond the 32-bit range saturate rather than wrap.
    QTest::newRow("huge hours") << "99999999999999999999" << 2147483647 << 0;
    QTest::newRow("huge negative") << "-99999999999999999999:5" << -2147483647 - 1 << 5;
    QTest::newRow("huge minutes") << "0:99999999999999" << 35791394 << 7;
    QTest::newRow("max hours plus minutes") << "2147483647:120" << 2147483647 << 0;
}

void TestParseHoursMinutes::parse() {
    QFETCH(QString, text);
    QFETCH(int, hours);
    QFETCH(int, minutes);

    std::int32_t h = -7;
    std::int32_t m = -7;
    ParseHoursMinutes(text.toStdString(), &h, &m);
    QCOMPARE(h, hours);
    QCOMPARE(m, minutes);
}

void TestParseHoursMinutes::span() {
    QCOMPARE(ParseTimeSpan("1:30").GetTotalSeconds(), 5400);
    QCOMPARE(ParseTimeSpan("26:00").GetTotalSeconds(), 26 * 3600);
    QCOMPARE(ParseTimeSpan("").GetTotalSeconds(), 0);
    QCOMPARE(ParseTimeSpan("-0:30").GetTotalSeconds(), 1800); // atoi("-0") is 0
    QCOMPARE(ParseTimeSpan("99999999999").GetTotalSeconds(), CTimeSpan::kMax);
    QCOMPARE(ParseTimeSpan("-99999999999").GetTotalSeconds(), CTimeSpan::kMin);
}

// Random text never crashes or overflows (the sanitizers watch), and the minutes always end
// below an hour unless negative.
void TestParseHoursMinutes::survivesAnyText() {
    const std::string alphabet = "0123456789:.+- \t9a,";
    auto* random = QRandomGenerator::global();
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = static_cast<int>(random->bounded(40));
        for (int i = 0; i < length; ++i)
            text += alphabet[random->bounded(static_cast<quint32>(alphabet.size()))];
        std::int32_t h = 0;
        std::int32_t m = 0;
        ParseHoursMinutes(text, &h, &m);
        if (m >= 60) {
            QFAIL(qPrintable(QStringLiteral("minutes %1 for '%2'").arg(m).arg(QString::fromStdString(text))));
        }
        (void)ParseTimeSpan(text);
    }
}

QTEST_APPLESS_MAIN(TestParseHoursMinutes)
#include "TestParseHoursMinutes.moc"
