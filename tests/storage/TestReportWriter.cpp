#include "storage/ReportWriter.h"
#include "support/Fixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>

class TestReportWriter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qputenv("TZ", "UTC0");
        tzset();
    }
    void spent_data() {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        const struct {
            int seconds;
            const char* text;
        } rows[] = {{0, " 0.00"},     {180, " 0.05"},     {5450, " 1.50"},  {46740, "12.98"},
                    {95400, "26.50"}, {360000, "100.00"}, {-1800, "-0.50"}, {-8100, "-2.25"},
                    {-59, " 0.00"},   {-60, "-0.01"}};
        for (const auto& row : rows)
            QTest::newRow(row.text) << row.seconds << row.text;
    }
    void spent() {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(ReportWriter::FormatSpent(CTimeSpan(seconds))), text);
    }
    // Names padded by characters, not bytes; a line break in a name never splits its line.
    void report() {
        GoalList list;
        list.Append(std::make_unique<Goal>(std::string(59, 'a'), Minutes(120), Minutes(30)));
        list.Append(std::make_unique<Goal>(std::string(60, 'b'), Minutes(600), CTimeSpan()));
        list.Append(std::make_unique<Goal>("Café\r\nau lait", Minutes(120), Minutes(30)));
        const std::string pad(59 - 13, ' ');
        QCOMPARE(ReportWriter::Format(list, CTime(2026, 12, 6, 13, 7, 0)),
                 "Sun 12/6/26  1:07 PM\r\n\r\n    " + std::string(59, 'a') + " 1.50\r\n    " +
                     std::string(60, 'b') + "10.00\r\n    Café  au lait" + pad + " 1.50\r\n");
    }
    void written() {
        QTemporaryDir dir;
        const QString path = dir.filePath("ORDALUNE.REP");
        GoalList list;
        list.AddPlaceholderIfEmpty();
        UserMessage message = ReportWriter::Write(list, CTime(0), path.toStdString());
        QCOMPARE(message.text + "|" + message.caption, std::string("Report saved to ORDALUNE.REP|Done"));
        QCOMPARE(ReadBytes(path),
                 QByteArray("Thu 1/1/70  12:00 AM\r\n\r\n    No Goals") + QByteArray(51, ' ') + " 0.00\r\n");
        for (const QString& blocked : {QStringLiteral("/dev/full"), dir.path()}) {
            message = ReportWriter::Write(list, CTime(0), blocked.toStdString());
            QCOMPARE(message.text + "|" + message.caption,
                     std::string("Your report could not be written.|File Error"));
        }
    }
};

QTEST_APPLESS_MAIN(TestReportWriter)
#include "TestReportWriter.moc"
