#include "storage/ReportWriter.h"
#include "support/Fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>
#include <sys/stat.h>

class TestReportWriter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qputenv("TZ", "UTC0");
        tzset();
    }
    void spent_data();
    void spent();
    void placeholderReport();
    void namesPadByCharacters();
    void writesAndReplaces();
    void unwritablePlaceKeepsTheOldReport();
};

void TestReportWriter::spent_data() {
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << " 0.00";
    QTest::newRow("1 min") << 60 << " 0.01";
    QTest::newRow("3 min") << 180 << " 0.05";
    QTest::newRow("20 min") << 1200 << " 0.33";
    QTest::newRow("45 min") << 2700 << " 0.75";
    QTest::newRow("1 h 30 min 50 s") << 5450 << " 1.50";
    QTest::newRow("12 h 59 min") << 46740 << "12.98";
    QTest::newRow("10 h") << 36000 << "10.00";
    QTest::newRow("26 h 30 min") << 95400 << "26.50";
    QTest::newRow("100 h") << 360000 << "100.00";
    QTest::newRow("minus 30 min") << -1800 << "-0.50";
    QTest::newRow("minus 2 h 15") << -8100 << "-2.25";
}

void TestReportWriter::spent() {
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(ReportWriter::FormatSpent(CTimeSpan(seconds))), text);
}

void TestReportWriter::placeholderReport() {
    GoalList list;
    list.AddPlaceholderIfEmpty();
    const CTime at(2026, 12, 6, 0, 5, 0);
    const std::string expected =
        "Sun 12/6/26  12:05 AM\r\n\r\n    No Goals" + std::string(51, ' ') + " 0.00\r\n";
    QCOMPARE(ReportWriter::Format(list, at), expected);
    QCOMPARE(QString::fromStdString(ReportWriter::Format(list, CTime(2026, 12, 6, 13, 7, 0))).left(20),
             QStringLiteral("Sun 12/6/26  1:07 PM"));
}

void TestReportWriter::namesPadByCharacters() {
    GoalList list;
    list.Append(std::make_unique<Goal>(std::string(59, 'a'), Minutes(120), Minutes(30)));
    list.Append(std::make_unique<Goal>(std::string(60, 'b'), Minutes(600), CTimeSpan()));
    list.Append(std::make_unique<Goal>("Café", Minutes(120), Minutes(30)));
    list.Append(std::make_unique<Goal>("hand-edited", Minutes(30), Minutes(60)));
    const QStringList lines = QString::fromStdString(ReportWriter::Format(list, CTime(0))).split("\r\n");
    QCOMPARE(lines.at(2), QStringLiteral("    ") + QString(59, 'a') + QStringLiteral(" 1.50"));
    QCOMPARE(lines.at(3), QStringLiteral("    ") + QString(60, 'b') + QStringLiteral("10.00"));
    QCOMPARE(lines.at(4).size(), 68);
    QVERIFY(lines.at(4).endsWith(QStringLiteral(" 1.50")));
    QVERIFY(lines.at(5).endsWith(QStringLiteral("-0.50")));
    QCOMPARE(lines.size(), 7); // heading, blank, four goals, and what follows the last CR LF
}

void TestReportWriter::writesAndReplaces() {
    QTemporaryDir dir;
    const QString path = dir.filePath("ORDALUNE.REP");
    GoalList list;
    list.Append(std::make_unique<Goal>("first", Minutes(60), CTimeSpan()));
    UserMessage message = ReportWriter::Write(list, CTime(0), path.toStdString());
    QCOMPARE(message.text, std::string("Report saved to ORDALUNE.REP"));
    QCOMPARE(message.caption, std::string("Done"));
    QVERIFY(ReadBytes(path).contains("first"));

    list.GetAt(0).Set("second", Minutes(60), CTimeSpan());
    message = ReportWriter::Write(list, CTime(0), path.toStdString());
    QVERIFY(!ReadBytes(path).contains("first"));
    QVERIFY(ReadBytes(path).contains("second"));
}

void TestReportWriter::unwritablePlaceKeepsTheOldReport() {
    QTemporaryDir dir;
    GoalList list;
    list.AddPlaceholderIfEmpty();
    // A directory where the report should be cannot be opened as a file, even by root.
    const QString blocked = dir.filePath("ORDALUNE.REP");
    QVERIFY(QDir().mkdir(blocked));
    const UserMessage message = ReportWriter::Write(list, CTime(0), blocked.toStdString());
    QCOMPARE(message.text, std::string("Your report could not be written."));
    QCOMPARE(message.caption, std::string("File Error"));
    QCOMPARE(message.icon, UserMessage::Icon::None);

    const UserMessage full = ReportWriter::Write(list, CTime(0), "/dev/full");
    QCOMPARE(full.caption, std::string("File Error"));
}

QTEST_APPLESS_MAIN(TestReportWriter)
#include "TestReportWriter.moc"
