#include "storage/CdfFile.h"
#include "storage/TextCodec.h"
#include "support/Fixtures.h"

#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <unistd.h>

// The comma-delimited line file, its errors, and the text codec it is read through.
class TestCdfFile : public QObject {
    Q_OBJECT

private slots:
    void fieldsRoundTrip_data();
    void fieldsRoundTrip();
    void readsWhatEditorsWrite();
    void stopsAtTheEndOfAShrunkFile();
    void errorsCarryTheirCause();
    void windowsTextReadAsUtf8_data();
    void windowsTextReadAsUtf8();

private:
    std::string Path(const char* name) const {
        return m_dir.filePath(QString::fromLatin1(name)).toStdString();
    }
    QTemporaryDir m_dir;
};

Q_DECLARE_METATYPE(std::vector<std::string>)

void TestCdfFile::fieldsRoundTrip_data() {
    QTest::addColumn<std::vector<std::string>>("fields");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<std::vector<std::string>>("readBack");
    using V = std::vector<std::string>;
    QTest::newRow("commas") << V{"a,b", "c", "12:30"} << QByteArray("a,,b,c,12:30") << V{"a,b", "c", "12:30"};
    QTest::newRow("commas at the ends") << V{",x,", "y"} << QByteArray(",,x,,,y") << V{",x,", "y"};
    QTest::newRow("empty first field") << V{"", "01:00"} << QByteArray(",01:00") << V{"", "01:00"};
    QTest::newRow("blanks trimmed") << V{" a\t", "\vb\f"} << QByteArray(" a\t,\vb\f") << V{"a", "b"};
    QTest::newRow("line breaks") << V{"one\r\ntwo\n", "x"} << QByteArray("one  two ,x") << V{"one  two", "x"};
    QTest::newRow("long") << V{std::string(100000, 'n') + ",", "01:00"}
                          << QByteArray(100000, 'n') + ",,,01:00"
                          << V{std::string(100000, 'n') + ",", "01:00"};
}

void TestCdfFile::fieldsRoundTrip() {
    QFETCH(std::vector<std::string>, fields);
    QFETCH(QByteArray, line);
    QFETCH(std::vector<std::string>, readBack);
    {
        CdfFile file(Path("rt.cdf"), CdfFile::Mode::Write);
        for (int copy = 0; copy < 2; ++copy) {
            file.Clear();
            for (const auto& field : fields)
                file.AppendField(field);
            file.WriteLine();
        }
        file.Sync();
        file.Close();
    }
    QCOMPARE(ReadBytes(QString::fromStdString(Path("rt.cdf"))), line + "\r\n" + line + "\r\n");
    CdfFile file(Path("rt.cdf"), CdfFile::Mode::Read);
    for (int copy = 0; copy < 2; ++copy) {
        QVERIFY(file.ReadLine());
        for (const auto& expected : readBack)
            QCOMPARE(file.GetField(), expected);
        QCOMPARE(file.GetField(), std::string());
        QCOMPARE(file.GetReadPos(), file.GetLine().size());
    }
    QVERIFY(!file.ReadLine());
}

// LF alone, a last line without its line end, a byte-order mark before the first line only, and
// a lone comma ending a line.
void TestCdfFile::readsWhatEditorsWrite() {
    QVERIFY(WriteBytes(QString::fromStdString(Path("ed.cdf")),
                       "\xEF\xBB\xBFVersion\nc\r\n\n\xEF\xBB\xBFx\nlast,"));
    CdfFile file(Path("ed.cdf"), CdfFile::Mode::Read);
    QByteArrayList lines;
    while (file.ReadLine())
        lines << QByteArray::fromStdString(file.GetLine());
    QCOMPARE(lines, (QByteArrayList{"Version", "c", "", "\xEF\xBB\xBFx", "last,"}));
    QCOMPARE(file.GetField(), std::string());
    CdfFile again(Path("ed.cdf"), CdfFile::Mode::Read);
    for (int i = 0; i < 5; ++i)
        QVERIFY(again.ReadLine());
    QCOMPARE(again.GetField(), std::string("last,"));
}

// Cut short while it is being read (an editor saving in place): the reading ends.
void TestCdfFile::stopsAtTheEndOfAShrunkFile() {
    QByteArray text;
    for (int i = 0; i < 2000; ++i)
        text += "goal,01:00,00:30\r\n";
    QVERIFY(WriteBytes(QString::fromStdString(Path("shrink.cdf")), text));
    CdfFile file(Path("shrink.cdf"), CdfFile::Mode::Read);
    QVERIFY(truncate(Path("shrink.cdf").c_str(), 36) == 0);
    int lines = 0;
    while (file.ReadLine() && lines < 10000)
        ++lines;
    QCOMPARE(lines, 2);
}

void TestCdfFile::errorsCarryTheirCause() {
    using Cause = CFileException::Cause;
    const auto causeOf = [](const std::string& path, CdfFile::Mode mode, std::size_t bytes = 0) {
        try {
            CdfFile file(path, mode);
            file.AppendField(std::string(bytes, 'x'));
            file.WriteLine();
            file.Close();
        } catch (const CFileException& e) {
            return std::pair{e.GetCause(), QString::fromStdString(e.what())};
        }
        return std::pair{Cause::Generic, QStringLiteral("no error")};
    };
    QCOMPARE(causeOf(Path("missing.cdf"), CdfFile::Mode::Read),
             std::pair(Cause::FileNotFound,
                       QString::fromStdString(Path("missing.cdf")) + ": No such file or directory"));
    QCOMPARE(causeOf(Path("no/dir.cdf"), CdfFile::Mode::Write).first, Cause::FileNotFound);
    QCOMPARE(causeOf("/dev/full", CdfFile::Mode::Write, 1 << 20).first, Cause::DiskFull);
    QCOMPARE(causeOf(m_dir.path().toStdString(), CdfFile::Mode::Write).first, Cause::Generic);
    const struct {
        int error;
        Cause cause;
        const char* text;
    } rows[] = {{ENOSPC, Cause::DiskFull, "f: No space left on device"},
                {EDQUOT, Cause::DiskFull, ""},
                {EFBIG, Cause::DiskFull, ""},
                {EROFS, Cause::AccessDenied, "f: Read-only file system"},
                {EPERM, Cause::AccessDenied, ""},
                {ENOTDIR, Cause::FileNotFound, ""},
                {EIO, Cause::Generic, ""}};
    for (const auto& row : rows) {
        const CFileException e = CFileException::FromErrno(row.error, "f", Cause::Generic);
        QCOMPARE(e.GetCause(), row.cause);
        QCOMPARE(e.GetErrorText(), std::string(strerror(row.error)));
        if (*row.text)
            QCOMPARE(std::string(e.what()), std::string(row.text));
    }
    QCOMPARE(CFileException(Cause::DiskFull, "f").GetErrorText(), std::string("f: disk full"));
    QCOMPARE(std::string(CFileException(Cause::AccessDenied, "f").what()), std::string("f: access denied"));
    QCOMPARE(std::string(CFileException(Cause::FileNotFound, "f").what()), std::string("f: file not found"));
    QCOMPARE(std::string(CFileException(Cause::Generic, "f").what()), std::string("f: file error"));
}

void TestCdfFile::windowsTextReadAsUtf8_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::newRow("ascii") << QByteArray("plain") << "plain" << 5;
    QTest::newRow("utf-8 kept") << QByteArray("Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80") << "Café € 😀" << 8;
    QTest::newRow("cp1252") << QByteArray("Ren\xe9 \x80 \x96 \x81") << "René € – \u0081" << 10;
    QTest::newRow("cut short") << QByteArray("a\xc3") << "aÃ" << 2;
    QTest::newRow("overlong") << QByteArray("\xe0\x80\x80") << "à€€" << 3;
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << "í\u00a0€" << 3;
    QTest::newRow("past U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << "ô\u0090€€" << 4;
    QTest::newRow("bad follower") << QByteArray("\xc3(") << "Ã(" << 2;
}

void TestCdfFile::windowsTextReadAsUtf8() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(int, length);
    const std::string utf8 = ToUtf8(bytes.toStdString());
    QCOMPARE(QString::fromStdString(utf8), text);
    QCOMPARE(Utf8Length(utf8), static_cast<std::size_t>(length));
}

QTEST_APPLESS_MAIN(TestCdfFile)
#include "TestCdfFile.moc"
