// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ModalDriver.h"
#include "support/Reference.h"
#include "ui/TimesUpDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

QLineEdit* Minutes(TimesUpDialog* d) { return d->findChild<QLineEdit*>("minutes"); }
void Click(TimesUpDialog* d, const QString& name) {
    QTest::mouseClick(d->findChild<QWidget*>(name), Qt::LeftButton);
}

// Plays the user's part from a script: "key:Up" presses a key, "=text" clicks into the minutes
// and types over them, "+text" types where the focus is, "?text" checks the minutes, and any other
// word clicks the widget of that name. A word that names no key or widget fails the test.
void Play(TimesUpDialog* d, const QString& script) {
    const QHash<QString, Qt::Key> keys{{"key:Tab", Qt::Key_Tab},       {"key:Return", Qt::Key_Return},
                                       {"key:Escape", Qt::Key_Escape}, {"key:Up", Qt::Key_Up},
                                       {"key:Down", Qt::Key_Down},     {"key:Space", Qt::Key_Space}};
    for (const QString& step : script.split(' ')) {
        if (keys.contains(step)) {
            QTest::keyClick(QApplication::focusWidget(), keys[step]);
        } else if (step[0] == '=') {
            Click(d, "minutes");
            Minutes(d)->selectAll();
            QTest::keyClicks(Minutes(d), step.mid(1));
        } else if (step[0] == '+') {
            QTest::keyClicks(QApplication::focusWidget(), step.mid(1));
        } else if (step[0] == '?') {
            QCOMPARE(Minutes(d)->text(), step.mid(1));
        } else {
            QVERIFY2(d->findChild<QWidget*>(step) != nullptr, qPrintable("no such key or widget: " + step));
            Click(d, step);
        }
    }
}

} // namespace

// Each case runs the real dialog modally and plays the user's part once it is the active window.
class TestTimesUpDialog : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { CloseDialogs(); }
    void answers_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("minutes");
        // clang-format off
        const std::tuple<const char*, const char*, int, const char*> rows[] = {
            {"OK at once", "ok", 0, "15"},
            {"click into minutes", "minutes ok", 1, "15"},
            {"30 typed, stop chosen again", "=30 stop ok", 0, "30"},
            {"tab into minutes", "key:Tab key:Return", 1, "15"},
            {"space on the choice with the focus", "key:Space ok", 0, "15"},
            {"Esc at once", "key:Escape", 0, "15"},
            {"30 typed, then Esc", "=30 key:Escape", 1, "15"},
            {"letters accepted", "=abc key:Return", 1, "abc"},
            // The arrows lead into the field and step the number within 0..9999.
            {"arrows", "up key:Down key:Down ?14 =0 down ?0 =9999 key:Up ok", 1, "9999"},
            // The stepped number is selected, so typing replaces it.
            {"down arrow first", "down ?14 +5 ok", 1, "5"}};
        // clang-format on
        for (const auto& [name, script, choice, minutes] : rows)
            QTest::newRow(name) << script << choice << minutes;
    }
    void answers() {
        QFETCH(QString, script);
        QFETCH(int, choice);
        QFETCH(QString, minutes);
        TimesUpDialog dialog;
        dialog.m_strGoalName = QStringLiteral("Write & <b>edit</b>");
        const auto watch = WhenModal([&](QWidget*) {
            QCOMPARE(dialog.windowTitle(), "Time's Up!");
            QCOMPARE(dialog.findChild<QLabel*>("goalName")->text(), dialog.m_strGoalName);
            if (QTest::currentDataTag() == QLatin1String("OK at once")) // laid out as drawn before
                MatchesReference(dialog.grab().toImage(), "timesup.png");
            QVERIFY(Minutes(&dialog)->text() == "15" && dialog.findChild<QRadioButton*>("stop")->isChecked());
            Play(&dialog, script);
        });
        dialog.exec();
        QVERIFY(dialog.m_nChoice == choice && dialog.m_strMinutes == minutes);
    }
};

QTEST_MAIN(TestTimesUpDialog)
#include "TestTimesUpDialog.moc"
