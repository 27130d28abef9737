// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"
#include "history/HistoryWindow.h"
#include "history/InstantText.h"
#include "model/GoalList.h"
#include "session/GoalSession.h"
#include "session/MessageText.h"
#include "session/Settings.h"
#include "session/TimeOfDay.h"
#include "storage/GoalFile.h"
#include "storage/Journal.h"
#include "storage/ReportWriter.h"
#include "support/Fixtures.h"
#include "ui/AboutDialog.h"
#include "ui/CMainFrame.h"
#include "ui/GoalDialog.h"
#include "ui/GoalPainter.h"
#include "ui/ProgramStyle.h"
#include "ui/TimesUpDialog.h"
#include "ui/UserNameDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <sys/stat.h>

namespace {

// The texts of `window` cut by their room: a label, button or check box narrower than its text (or
// a wrapped label too short for its lines), a menu the menu bar could not show in full.
QStringList Cut(QWidget* window) {
    QStringList cut;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget); // not a tool button, which shows its icon
        if (label != nullptr && label->wordWrap()
                ? label->heightForWidth(label->width()) > label->height()
                : (label != nullptr || (button && !qobject_cast<QToolButton*>(button))) &&
                      widget->width() < widget->minimumSizeHint().width())
            cut << (label != nullptr ? label->text() : button->text());
    }
    if (auto* frame = qobject_cast<QMainWindow*>(window))
        for (QAction* menu : frame->menuBar()->actions())
            if (!frame->menuBar()->rect().contains(frame->menuBar()->actionGeometry(menu)))
                cut << menu->text();
    return cut;
}

} // namespace

// Run once for each environment ctest gives it, with the language it should choose.
class TestTranslations : public QObject {
    Q_OBJECT

    QString m_language;
private slots:
    void initTestCase() {
        m_language = Translations::Install(*qApp); // before any window, as the program does
        QApplication::setStyle(new ProgramStyle);
        GoalPainter::RegisterFontSubstitutes();
    }

    void installsTheUsersLanguage() {
        const QString expected = qEnvironmentVariable("ORDALUNE_EXPECT_LANGUAGE");
        QCOMPARE(m_language, expected);
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
        const QStringList shown{
            QCoreApplication::translate("CMainFrame", "&File"),
            QCoreApplication::translate("QPlatformTheme", "Cancel"),
            TimeOfDay::Of(CTime(2026, 12, 9, 21, 5, 0)) + " " + TimeOfDay::Short(CTime(2026, 12, 9, 9, 5, 0)),
            TimeOfDay::Span(CTime(2026, 12, 9, 21, 5, 0), CTime(2026, 12, 9, 22, 0, 0)),
            HistoryWindow::Title(HistoryPeriod::Containing(run, HistoryPeriod::Span::Week)),
            QFile::exists(page) ? page : "",
            MessageText::Caption(failed) + ": " + MessageText::Of(failed),
            MessageText::Of(marked) + "|" + QString::fromStdString(marked.text),
            InstantText::Show(run) + (InstantText::Read(InstantText::Show(run), 0) == run ? "" : " unread"),
            MessageText::Of(told.at(0)).section('\n', 0, 0),
            MessageText::Of(told.at(1)).section(dir.path(), 0, 0).section(", ", -1)};
        QCOMPARE(
            shown,
            (QMap<QString, QStringList>{
                {"",
                 {"&File", "Cancel", "9:05 PM 9:05", "2026-12-09 21:05 to 22:00", "7 \u2013 13 December 2026",
                  ":/help/help.html", "File Error: Your report could not be written.", "%2 and b|%2 and b",
                  "2026-12-09 21:05", "Ordalune.cdf could not be read: it is not a regular file.",
                  "and everyone can write to "}},
                {"de",
                 {"&Datei", "Abbrechen", "21:05 09:05", "am 09.12.26 von 21:05 bis 22:00",
                  "7. \u2013 13. Dezember 2026", ":/help/help_de.html",
                  "Dateifehler: Ihr Bericht konnte nicht geschrieben werden.", "%2 and b|%2 and b",
                  "09.12.26 21:05", "Ordalune.cdf konnte nicht gelesen werden: es ist keine reguläre Datei.",
                  "und jeder kann in "}},
                {"fr",
                 {"&Fichier", "Annuler", "21:05 09:05", "le 09/12/2026 de 21:05 à 22:00",
                  "7 \u2013 13 décembre 2026", ":/help/help_fr.html",
                  "Erreur de fichier: Votre rapport n'a pas pu être écrit.", "%2 and b|%2 and b",
                  "09/12/2026 21:05", "Ordalune.cdf n'a pas pu être lu : ce n'est pas un fichier ordinaire.",
                  "et tout le monde peut écrire dans "}}}[expected]));
    }

    // The windows at the size they open at, and the dialogs, show every word.
    void everyTextFits() {
        QTemporaryDir dir;
        Settings settings(dir.filePath("choices.conf"));
        QVERIFY(WriteBytes(dir.filePath(GoalFile::kFileName),
                           "File Version : 1\r\nUser : Pat\r\nW,1:00,0:30\r\n"));
        GoalSession session(dir.path().toStdString());
        session.Timer().stop();
        CMainFrame frame(session, settings);
        session.LoadNow();
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        GoalDialog goal(&frame);
        goal.SetCaption(QCoreApplication::translate("CGoalView", "Edit Goal"));
        TimesUpDialog timesUp(&frame);
        UserNameDialog user(&frame);
        AboutDialog about(&frame);
        HistoryWindow history(session.History(), 1, &frame);
        for (QWidget* window :
             std::initializer_list<QWidget*>{&frame, &goal, &timesUp, &user, &about, &history}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QCOMPARE(Cut(window), QStringList()); // a failure names the first text cut
            window->hide();
        }
        session.SetQuitting();
    }

    // A text added or changed in the sources and not translated shows as unfinished once
    // lupdate has read them.
    void everyTextIsTranslated() {
        QTemporaryDir dir;
        for (const QString language : {"de", "fr"}) {
            const QString ts = dir.filePath("ordalune_" + language + ".ts");
            QVERIFY(QFile::copy(ORDALUNE_TRANSLATIONS "/ordalune_" + language + ".ts", ts));
            const QStringList arguments = QString("-silent -no-obsolete -locations none -tr-function-alias "
                                                  "QT_TRANSLATE_NOOP+=ORDALUNE_TRANSLATE")
                                              .split(' ')
                                          << ORDALUNE_SOURCES << "-ts" << ts;
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
