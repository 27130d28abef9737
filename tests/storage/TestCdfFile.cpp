// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/CdfFile.h"
#include "storage/TextCodec.h"
#include "support/Fixtures.h"

#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using Fields = std::vector<std::string>;
Q_DECLARE_METATYPE(Fields)

// The comma-delimited line file, its errors, and the text codec it is read through.
class TestCdfFile : public QObject {
    Q_OBJECT

    std::string Path(const char* name) const {
        return m_dir.filePath(QString::fromLatin1(name)).toStdString();
    }
    QTemporaryDir m_dir;
    qsizetype m_open = 0;

private slots:
    void init() { m_open = Descriptors(); }
    void cleanup() { QCOMPARE(Descriptors(), m_open); }
    void fieldsRoundTrip_data() {
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<Fields>("readBack");
        const std::string longName(60000, 'n'); // two of them cross a read-ahead block
        QTest::newRow("commas") << Fields{"a,b", "12:30"} << QByteArray("a,,b,12:30")
                                << Fields{"a,b", "12:30"};
        QTest::newRow("comma in last") << Fields{"a", "b,c"} << QByteArray("a,b,,c") << Fields{"a", "b,c"};
        QTest::newRow("at the ends") << Fields{",x,", "y"} << QByteArray(",,x,,,y") << Fields{",x,", "y"};
        QTest::newRow("empty first") << Fields{"", "01:00"} << QByteArray(",01:00") << Fields{"", "01:00"};
        QTest::newRow("empty last") << Fields{"a", ""} << QByteArray("a,")
                                    << Fields{"a,"}; // a lone comma ends it
        QTest::newRow("blanks") << Fields{" a\t", "\vb\f"} << QByteArray(" a\t,\vb\f") << Fields{"a", "b"};
        QTest::newRow("breaks") << Fields{"one\r\ntwo\n", "x"} << QByteArray("one  two ,x")
                                << Fields{"one  two", "x"};
        QTest::newRow("long") << Fields{longName + ","} << QByteArray::fromStdString(longName + ",,")
                              << Fields{longName + ","};
    }

    // A comma inside a field is doubled, a line break becomes a blank, blanks around are trimmed.
    void fieldsRoundTrip() {
        QFETCH(Fields, fields);
        QFETCH(QByteArray, line);
        QFETCH(Fields, readBack);
        const InputClosed input; // each file opened as descriptor 0
        {
            std::remove(Path("rt.cdf").c_str()); // a new file is made, never one that exists
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
            Fields read;
            while (file.GetReadPos() < file.GetLine().size())
                read.push_back(file.GetField());
            QVERIFY(read == readBack && file.GetField().empty());
        }
        QVERIFY(!file.ReadLine());
    }

    void errorsCarryTheirCause() {
        using Cause = CFileException::Cause;
        const auto failure = [](const std::string& path, CdfFile::Mode mode) {
            try {
                CdfFile file(path, mode);
                file.AppendField(std::string(1 << 20, 'x'));
                file.WriteLine();
                file.Close();
            } catch (const CFileException& e) {
                return std::pair{e.GetCause(), QString::fromStdString(e.what())};
            }
            return std::pair{Cause::Generic, QStringLiteral("no error")};
        };
        QCOMPARE(failure(Path("missing"), CdfFile::Mode::Read),
                 std::pair(Cause::FileNotFound,
                           QString::fromStdString(Path("missing") + ": No such file or directory")));
        QCOMPARE(failure(Path("no/dir.cdf"), CdfFile::Mode::Write).first, Cause::FileNotFound);
        QCOMPARE(failure(m_dir.path().toStdString(), CdfFile::Mode::Write).first, Cause::Generic);
        // Never through a planted link, never waiting on a FIFO or a device, never a line past 64 KiB.
        QVERIFY(WriteBytes(QString::fromStdString(Path("victim")), "mine"));
        QVERIFY(symlink(Path("victim").c_str(), Path("planted").c_str()) == 0 &&
                mkfifo(Path("fifo").c_str(), 0600) == 0);
        QCOMPARE(failure(Path("planted"), CdfFile::Mode::Write).second,
                 QString::fromStdString(Path("planted") + ": File exists"));
        QCOMPARE(ReadBytes(QString::fromStdString(Path("victim"))), "mine");
        for (const std::string& device : {Path("fifo"), std::string("/dev/zero"), m_dir.path().toStdString()})
            QCOMPARE(
                failure(device, CdfFile::Mode::Read),
                std::pair(Cause::NotAFile, QString::fromStdString(device + ": it is not a regular file")));
        QVERIFY(WriteBytes(QString::fromStdString(Path("long")), QByteArray(CdfFile::kMaxLine, 'x') + "\r\n" +
                                                                     QByteArray(CdfFile::kMaxLine + 1, 'y')));
        CdfFile longLines(Path("long"), CdfFile::Mode::Read);
        QVERIFY(longLines.ReadLine() && longLines.GetLine().size() == CdfFile::kMaxLine);
        QVERIFY_THROWS_EXCEPTION(CFileException, longLines.ReadLine());
        QString causes; // what the user is told for each system error; others keep the caller's cause
        for (const int error : {ENOENT, ENOTDIR, EACCES, EPERM, EROFS, ENOSPC, EDQUOT, EFBIG, EIO})
            causes += QString::number(int(CFileException::FromErrno(error, "f", Cause::NotAFile).GetCause()));
        QCOMPARE(causes, "112223334");
        QString texts;
        for (const Cause cause : {Cause::DiskFull, Cause::AccessDenied, Cause::FileNotFound, Cause::Generic})
            texts += QString::fromStdString(CFileException(cause, "f").GetErrorText()) + "|";
        QCOMPARE(texts, "f: disk full|f: access denied|f: file not found|f: file error|");
    }

    // Text that is not UTF-8 (from the Windows version) is read as Windows-1252.
    void windowsTextReadAsUtf8() {
        // clang-format off
        const std::pair<QByteArray, QString> rows[] = {
            {"Ren\xe9 \x80 \x96 \x81 \x89\x9b\x98", "René € – \u0081 ‰›˜"}, {"\xf0\x90\x80\x80", "\U00010000"},
            {"Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "Café € 😀"}, {"\xf4\x8f\xbf\xbf", "\U0010FFFF"},
            {"\xf4\x90\x80\x80", "ô\u0090€€"}, {"\xf0\x8f\xbf\xbf", "ð\u008f¿¿"}, {"\xed\xa0\x80", "í\u00a0€"},
            {"\xe0\xa0\x80", "\u0800"}, {"\xee\x80\x80", "\ue000"}, {"\xed\x9f\xbf", "\ud7ff"}, {"\x80", "€"},
            {"\xef\xbc\x81", "\uff01"}, {"\xe0\x80\x80", "à€€"}, {"\xe0\x9f\xbf", "àŸ¿"}, {"plain", "plain"},
            {"\xed\xbf\xbf", "í¿¿"}, {"a\xc3", "aÃ"}, {"\xc3(", "Ã("}};
        // clang-format on
        for (const auto& [bytes, text] : rows) {
            const std::string utf8 = ToUtf8(bytes.toStdString());
            QCOMPARE(QString::fromStdString(utf8), text);
            QCOMPARE(Utf8Length(utf8), static_cast<std::size_t>(text.toUcs4().size()));
        }
        QByteArray high; // every byte Windows-1252 gives a character of its own, read as it reads them
        for (int byte = 0x80; byte < 0xA0; ++byte)
            high += static_cast<char>(byte);
        QCOMPARE(QString::fromStdString(ToUtf8(high.toStdString())),
                 QString(QStringDecoder("windows-1252")(high)));
    }
};

QTEST_APPLESS_MAIN(TestCdfFile)
#include "TestCdfFile.moc"
