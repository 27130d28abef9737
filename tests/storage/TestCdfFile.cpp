#include "storage/CdfFile.h"
#include "support/Fixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

Q_DECLARE_METATYPE(std::vector<std::string>)

class TestCdfFile : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void writeLine_data();
    void writeLine();
    void readFields_data();
    void readFields();
    void roundTrip_data();
    void roundTrip();
    void lineEndsAndLastLine();
    void veryLongLine();
    void endOfFileGivesEmptyLines();
    void missingFileThrowsNotFound();
    void fullDiskThrowsDiskFull();

private:
    QString Path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
};

void TestCdfFile::writeLine_data() {
    QTest::addColumn<std::vector<std::string>>("fields");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("comma inside") << std::vector<std::string>{"a,b", "c", "12:30"}
                                  << QByteArray("a,,b,c,12:30");
    QTest::newRow("comma at end") << std::vector<std::string>{"x,", "y"} << QByteArray("x,,,y");
    QTest::newRow("comma at start") << std::vector<std::string>{",x", "y"} << QByteArray(",,x,y");
    QTest::newRow("one field") << std::vector<std::string>{"Bob"} << QByteArray("Bob");
    QTest::newRow("empty first field")
        << std::vector<std::string>{"", "01:00", "00:30"} << QByteArray(",01:00,00:30");
    QTest::newRow("blanks kept") << std::vector<std::string>{" a "} << QByteArray(" a ");
}

void TestCdfFile::writeLine() {
    QFETCH(std::vector<std::string>, fields);
    QFETCH(QByteArray, line);
    {
        CdfFile file(Path("w.cdf").toStdString(), CdfFile::Mode::Write);
        file.Clear();
        for (const auto& field : fields)
            file.AppendField(field);
        file.WriteLine();
        file.Close();
    }
    QCOMPARE(ReadBytes(Path("w.cdf")), line + "\r\n");
}

void TestCdfFile::readFields_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<std::vector<std::string>>("fields");
    QTest::newRow("pair then separator") << QByteArray("a,,b,c") << std::vector<std::string>{"a,b", "c", ""};
    QTest::newRow("pair at end of field") << QByteArray("a,,,b") << std::vector<std::string>{"a,", "b"};
    QTest::newRow("pair at start") << QByteArray(",,a,b") << std::vector<std::string>{",a", "b"};
    QTest::newRow("empty first") << QByteArray(",a") << std::vector<std::string>{"", "a"};
    QTest::newRow("comma ends line") << QByteArray("a,") << std::vector<std::string>{"a,", ""};
    QTest::newRow("blanks trimmed") << QByteArray("  x  , y") << std::vector<std::string>{"x", "y"};
    QTest::newRow("tabs and vt trimmed") << QByteArray("\tx\v,\fy\r") << std::vector<std::string>{"x", "y"};
    QTest::newRow("empty line") << QByteArray("") << std::vector<std::string>{"", "", ""};
}

void TestCdfFile::readFields() {
    QFETCH(QByteArray, line);
    QFETCH(std::vector<std::string>, fields);
    QVERIFY(WriteBytes(Path("r.cdf"), line + "\r\n"));
    CdfFile file(Path("r.cdf").toStdString(), CdfFile::Mode::Read);
    file.ReadLine();
    for (const auto& expected : fields)
        QCOMPARE(file.GetField(), expected);
    QCOMPARE(file.GetReadPos(), file.GetLine().size());
}

void TestCdfFile::roundTrip_data() {
    QTest::addColumn<std::vector<std::string>>("fields");
    QTest::newRow("commas everywhere in the first field")
        << std::vector<std::string>{",,a,,b,", "01:00", "00:30"};
    QTest::newRow("only commas") << std::vector<std::string>{",", "01:00"};
    QTest::newRow("empty name") << std::vector<std::string>{"", "01:00", "00:30"};
    QTest::newRow("empty only") << std::vector<std::string>{""};
    QTest::newRow("commas inside later fields") << std::vector<std::string>{"a", "b,c", "d,,e"};
    QTest::newRow("utf-8") << std::vector<std::string>{"Café, zwölf", "02:00"};
    QTest::newRow("long field") << std::vector<std::string>{std::string(5000, 'x') + ",", "01:00"};
}

void TestCdfFile::roundTrip() {
    QFETCH(std::vector<std::string>, fields);
    {
        CdfFile file(Path("rt.cdf").toStdString(), CdfFile::Mode::Write);
        for (int line = 0; line < 3; ++line) {
            file.Clear();
            for (const auto& field : fields)
                file.AppendField(field);
            file.WriteLine();
        }
        file.Close();
    }
    CdfFile file(Path("rt.cdf").toStdString(), CdfFile::Mode::Read);
    for (int line = 0; line < 3; ++line) {
        file.ReadLine();
        for (const auto& expected : fields)
            QCOMPARE(file.GetField(), expected);
        QCOMPARE(file.GetField(), std::string());
    }
}

void TestCdfFile::lineEndsAndLastLine() {
    QVERIFY(WriteBytes(Path("lf.cdf"), "a,b\nc\r\n\nlast,line"));
    CdfFile file(Path("lf.cdf").toStdString(), CdfFile::Mode::Read);
    file.ReadLine();
    QCOMPARE(file.GetLine(), std::string("a,b"));
    file.ReadLine();
    QCOMPARE(file.GetLine(), std::string("c"));
    file.ReadLine();
    QCOMPARE(file.GetLine(), std::string());
    file.ReadLine();
    QCOMPARE(file.GetField(), std::string("last"));
    QCOMPARE(file.GetField(), std::string("line"));
    QCOMPARE(file.GetPosition(), file.GetLength());
}

void TestCdfFile::veryLongLine() {
    const std::string name(100000, 'n');
    {
        CdfFile file(Path("long.cdf").toStdString(), CdfFile::Mode::Write);
        file.AppendField(name);
        file.AppendField("01:00");
        file.WriteLine();
        file.Clear();
        file.AppendField("next");
        file.WriteLine();
        file.Close();
    }
    CdfFile file(Path("long.cdf").toStdString(), CdfFile::Mode::Read);
    file.ReadLine();
    QCOMPARE(file.GetField(), name);
    QCOMPARE(file.GetField(), std::string("01:00"));
    file.ReadLine();
    QCOMPARE(file.GetField(), std::string("next"));
}

void TestCdfFile::endOfFileGivesEmptyLines() {
    QVERIFY(WriteBytes(Path("one.cdf"), "only\r\n"));
    CdfFile file(Path("one.cdf").toStdString(), CdfFile::Mode::Read);
    file.ReadLine();
    QCOMPARE(file.GetField(), std::string("only"));
    file.ReadLine();
    QCOMPARE(file.GetLine(), std::string());
    QCOMPARE(file.GetField(), std::string());
    QCOMPARE(file.GetField(), std::string());
}

void TestCdfFile::missingFileThrowsNotFound() {
    try {
        CdfFile file(Path("missing.cdf").toStdString(), CdfFile::Mode::Read);
        QFAIL("opened a missing file");
    } catch (const CFileException& e) {
        QCOMPARE(e.GetCause(), CFileException::Cause::FileNotFound);
        QVERIFY(!e.GetErrorText().empty());
    }
    try {
        CdfFile file(Path("no/such/dir.cdf").toStdString(), CdfFile::Mode::Write);
        QFAIL("created a file in a missing directory");
    } catch (const CFileException& e) {
        QCOMPARE(e.GetCause(), CFileException::Cause::FileNotFound);
    }
}

void TestCdfFile::fullDiskThrowsDiskFull() {
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full here");
    CdfFile file("/dev/full", CdfFile::Mode::Write);
    file.AppendField(std::string(1 << 20, 'x'));
    try {
        file.WriteLine();
        file.Close();
        QFAIL("a write to a full disk succeeded");
    } catch (const CFileException& e) {
        QCOMPARE(e.GetCause(), CFileException::Cause::DiskFull);
    }
}

QTEST_APPLESS_MAIN(TestCdfFile)
#include "TestCdfFile.moc"
