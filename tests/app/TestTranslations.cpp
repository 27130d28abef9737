// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"
#include "history/InstantText.h"
#include "model/GoalList.h"
#include "session/MessageText.h"
#include "session/TimeOfDay.h"
#include "storage/GoalFile.h"
#include "storage/Journal.h"
#include "storage/ReportWriter.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// Run once for each environment ctest gives it, with the language it should choose.
class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void installsTheUsersLanguage() {
        const QString expected = qEnvironmentVariable("ORDALUNE_EXPECT_LANGUAGE");
        QCOMPARE(Translations::Install(*qApp), expected);
        // A menu, one of Qt's own buttons, a time of day, the help page (which must be there), a
        // message from storage with its caption, and arguments that hold markers of their own.
        const QString page =
            ":/help/" + QCoreApplication::translate("HelpWindow", "help.html", "this language's help page");
        const UserMessage failed = ReportWriter::Write(GoalList(), CTime(0), "/nonexistent/ORDALUNE.REP");
        const qint64 run = QDateTime(QDate(2026, 12, 9), QTime(21, 5)).toSecsSinceEpoch();
        const UserMessage marked = UserMessage::Of({{"", "%1 and %2", {"%2", "b"}}});
        // Storage's words within its messages: a goal file that is a FIFO, a folder anyone can write
        QTemporaryDir dir;
        QVERIFY(mkfifo(qPrintable(dir.filePath(GoalFile::kFileName)), 0600) == 0);
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)));
        GoalList list;
        std::string user;
        const std::vector<UserMessage> told{
            GoalFile(dir.path().toStdString()).LoadGoals(list, user).messages.at(0),
            Journal(dir.path().toStdString()).Open(0).messages.at(0)};
        const auto first = [&told](std::size_t i) { return MessageText::Of(told.at(i)).section('\n', 0, 0); };
        const QStringList shown{
            QCoreApplication::translate("CMainFrame", "&File"),
            QCoreApplication::translate("QPlatformTheme", "Cancel"),
            TimeOfDay::Of(CTime(2026, 12, 9, 21, 5, 0)) + " " + TimeOfDay::Short(CTime(2026, 12, 9, 9, 5, 0)),
            QFile::exists(page) ? page : "",
            MessageText::Caption(failed) + ": " + MessageText::Of(failed),
            MessageText::Of(marked) + "|" + QString::fromStdString(marked.text),
            InstantText::Show(run) + (InstantText::Read(InstantText::Show(run), 0) == run ? "" : " unread"),
            first(0),
            MessageText::Of(told.at(1)).section(dir.path(), 0, 0).section(", ", -1)};
        QCOMPARE(
            shown,
            (QMap<QString, QStringList>{
                {"",
                 {"&File", "Cancel", "9:05 PM 9:05", ":/help/help.html",
                  "File Error: Your report could not be written.", "%2 and b|%2 and b", "2026-12-09 21:05",
                  "Ordalune.cdf could not be read: it is not a regular file.", "and everyone can write to "}},
                {"de",
                 {"&Datei", "Abbrechen", "21:05 09:05", ":/help/help_de.html",
                  "Dateifehler: Ihr Bericht konnte nicht geschrieben werden.", "%2 and b|%2 and b",
                  "09.12.26 21:05", "Ordalune.cdf konnte nicht gelesen werden: es ist keine reguläre Datei.",
                  "und jeder kann in "}},
                {"fr",
                 {"&Fichier", "Annuler", "21:05 09:05", ":/help/help_fr.html",
                  "Erreur de fichier: Votre rapport n'a pas pu être écrit.", "%2 and b|%2 and b",
                  "09/12/2026 21:05", "Ordalune.cdf n'a pas pu être lu : ce n'est pas un fichier ordinaire.",
                  "et tout le monde peut écrire dans "}}}[expected]));
    }

    // A text added or changed in the sources and not translated shows as unfinished once
    // lupdate has read them.
    void everyTextIsTranslated() {
        QTemporaryDir dir;
        for (const QString language : {"de", "fr"}) {
            const QString ts = dir.filePath("ordalune_" + language + ".ts");
            QVERIFY(QFile::copy(ORDALUNE_TRANSLATIONS "/ordalune_" + language + ".ts", ts));
            const QStringList arguments{"-silent",
                                        "-no-obsolete",
                                        "-locations",
                                        "none",
                                        "-tr-function-alias",
                                        "QT_TRANSLATE_NOOP+=ORDALUNE_TRANSLATE",
                                        ORDALUNE_SOURCES,
                                        "-ts",
                                        ts};
            QCOMPARE(QProcess::execute(ORDALUNE_LUPDATE, arguments), 0);
            QFile file(ts);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QRegularExpressionMatch untranslated =
                QRegularExpression(R"(<source>([^<]*)</source>\s*(<comment>[^<]*</comment>\s*)?)"
                                   R"(<translation( type="unfinished"[^>]*>|>\s*</translation>))")
                    .match(QString::fromUtf8(file.readAll()));
            QVERIFY2(!untranslated.hasMatch(), qPrintable(language + ": " + untranslated.captured(1)));
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "TestTranslations.moc"
