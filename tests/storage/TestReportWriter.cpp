// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ReportWriter.h"
#include "support/Fixtures.h"

#include <QTemporaryDir>
#include <QTest>

#include <ctime>

class TestReportWriter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("TZ", "UTC0"), tzset(); }
    void spent_data() {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        const std::pair<int, const char*> rows[] = {
            {0, " 0.00"},     {180, " 0.05"},     {5450, " 1.50"},  {46740, "12.98"}, {95400, "26.50"},
            {-1800, "-0.50"}, {360000, "100.00"}, {-8100, "-2.25"}, {-59, " 0.00"},   {-60, "-0.01"}};
        for (const auto& [seconds, text] : rows)
            QTest::newRow(text) << seconds << text;
    }
    void spent() {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(ReportWriter::FormatSpent(CTimeSpan(seconds))), text);
    }
    // Names padded by characters, not bytes; a line break in a name never splits its line; a
    // report that cannot be written says so.
    void written() {
        GoalList list;
        list.Append(std::make_unique<Goal>(std::string(59, 'a'), Minutes(120), Minutes(30)));
        list.Append(std::make_unique<Goal>(std::string(60, 'b'), Minutes(600), CTimeSpan()));
        list.Append(std::make_unique<Goal>("Café\r\nau lait", Minutes(120), Minutes(30)));
        QTemporaryDir dir;
        const auto write = [&](const QString& path) {
            const UserMessage message =
                ReportWriter::Write(list, CTime(2026, 12, 6, 13, 7, 0), path.toStdString());
            return QString::fromStdString(message.caption + ": " + message.text);
        };
        QCOMPARE(write(dir.filePath("ORDALUNE.REP")), "Done: Report saved to ORDALUNE.REP");
        QCOMPARE(ReadBytes(dir.filePath("ORDALUNE.REP")),
                 QByteArray("Sun 12/6/26  1:07 PM\r\n\r\n    ") + QByteArray(59, 'a') + " 1.50\r\n    " +
                     QByteArray(60, 'b') + "10.00\r\n    Café  au lait" + QByteArray(59 - 13, ' ') +
                     " 1.50\r\n");
        for (const QString& blocked : {QStringLiteral("/dev/full"), dir.path()})
            QCOMPARE(write(blocked), QStringLiteral("File Error: Your report could not be written."));
    }
};

QTEST_APPLESS_MAIN(TestReportWriter)
#include "TestReportWriter.moc"
