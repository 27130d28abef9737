// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"
#include "session/TimeOfDay.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Run once for each environment ctest gives it, with the language it should choose.
class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void installsTheUsersLanguage() {
        const QString expected = qEnvironmentVariable("ORDALUNE_EXPECT_LANGUAGE");
        QCOMPARE(Translations::Install(*qApp), expected);
        // A menu, one of Qt's own buttons, a time of day and the help page, which must be there.
        const QString page =
            ":/help/" + QCoreApplication::translate("HelpWindow", "help.html", "this language's help page");
        const QStringList shown{QCoreApplication::translate("CMainFrame", "&File"),
                                QCoreApplication::translate("QPlatformTheme", "Cancel"),
                                TimeOfDay::Of(CTime(2026, 12, 9, 21, 5, 0)), QFile::exists(page) ? page : ""};
        QCOMPARE(shown, (QMap<QString, QStringList>{
                            {"", {"&File", "Cancel", "9:05 PM", ":/help/help.html"}},
                            {"de", {"&Datei", "Abbrechen", "21:05", ":/help/help_de.html"}},
                            {"fr", {"&Fichier", "Annuler", "21:05", ":/help/help_fr.html"}}}[expected]));
    }

    // A text added or changed in the sources and not translated shows as unfinished once
    // lupdate has read them.
    void everyTextIsTranslated() {
        QTemporaryDir dir;
        for (const QString language : {"de", "fr"}) {
            const QString ts = dir.filePath("ordalune_" + language + ".ts");
            QVERIFY(QFile::copy(ORDALUNE_TRANSLATIONS "/ordalune_" + language + ".ts", ts));
            const QStringList arguments{
                "-silent", "-no-obsolete", "-locations", "none", ORDALUNE_SOURCES, "-ts", ts};
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
