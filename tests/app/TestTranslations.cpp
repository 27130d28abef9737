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
        const auto index = QStringList{QString(), "de", "fr"}.indexOf(expected);
        QCOMPARE(QCoreApplication::translate("CMainFrame", "&File"),
                 (QStringList{"&File", "&Datei", "&Fichier"}[index]));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), // Qt's own buttons
                 (QStringList{"Cancel", "Abbrechen", "Annuler"}[index]));
        QCOMPARE(TimeOfDay::Of(CTime(2026, 12, 9, 21, 5, 0)),
                 (QStringList{"9:05 PM", "21:05", "21:05"}[index]));
    }

    // A text added or changed in the sources and not translated shows as unfinished once
    // lupdate has read them.
    void everyTextIsTranslated() {
        QTemporaryDir dir;
        for (const QString language : {"de", "fr"}) {
            const QString ts = dir.filePath("ordalune_" + language + ".ts");
            QVERIFY(QFile::copy(ORDALUNE_TRANSLATIONS "/ordalune_" + language + ".ts", ts));
            QCOMPARE(QProcess::execute(ORDALUNE_LUPDATE, {"-silent", "-no-obsolete", "-locations", "none",
                                                          ORDALUNE_SOURCES, "-ts", ts}),
                     0);
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
