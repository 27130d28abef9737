#include "clock/TimesUpDialog.h"
#include "support/ModalDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include <functional>

using Play = std::function<void(TimesUpDialog*)>;
Q_DECLARE_METATYPE(Play)

namespace {

QLineEdit* Minutes(TimesUpDialog* d) { return d->findChild<QLineEdit*>("minutes"); }
void Click(TimesUpDialog* d, const char* name) {
    QTest::mouseClick(d->findChild<QWidget*>(name), Qt::LeftButton);
}
void Type(TimesUpDialog* d, const char* text) {
    Click(d, "minutes");
    Minutes(d)->selectAll();
    QTest::keyClicks(Minutes(d), text);
}

} // namespace

// Each case runs the real dialog modally and plays the user's part once it is the active window.
class TestTimesUpDialog : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { CloseDialogs(); }
    void answers_data() {
        QTest::addColumn<Play>("play");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("minutes");
        QTest::newRow("OK at once") << Play([](TimesUpDialog* d) { Click(d, "ok"); }) << 0 << "15";
        QTest::newRow("click into minutes") << Play([](TimesUpDialog* d) {
            Click(d, "minutes");
            Click(d, "ok");
        }) << 1 << "15";
        QTest::newRow("30 typed, stop chosen again") << Play([](TimesUpDialog* d) {
            Type(d, "30");
            Click(d, "stop");
            Click(d, "ok");
        }) << 0 << "30";
        QTest::newRow("tab into minutes") << Play([](TimesUpDialog* d) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(d, Qt::Key_Return);
        }) << 1 << "15";
        QTest::newRow("Esc at once") << Play([](TimesUpDialog* d) { QTest::keyClick(d, Qt::Key_Escape); })
                                     << 0 << "15";
        QTest::newRow("30 typed, then Esc") << Play([](TimesUpDialog* d) {
            Type(d, "30");
            QTest::keyClick(d, Qt::Key_Escape);
        }) << 1 << "15";
        QTest::newRow("letters accepted") << Play([](TimesUpDialog* d) {
            Type(d, "abc");
            QTest::keyClick(d, Qt::Key_Return);
        }) << 1 << "abc";
        // The arrows lead into the field and step the number within 0..9999.
        QTest::newRow("arrows") << Play([](TimesUpDialog* d) {
            Click(d, "up");
            QTest::keyClick(Minutes(d), Qt::Key_Down);
            QTest::keyClick(Minutes(d), Qt::Key_Down);
            QCOMPARE(Minutes(d)->text(), QStringLiteral("14"));
            Minutes(d)->setText(QStringLiteral("0"));
            Click(d, "down");
            QCOMPARE(Minutes(d)->text(), QStringLiteral("0"));
            Minutes(d)->setText(QStringLiteral("9999"));
            QTest::keyClick(Minutes(d), Qt::Key_Up);
            Click(d, "ok");
        }) << 1 << "9999";
        // The stepped number is selected, so typing replaces it.
        QTest::newRow("down arrow first") << Play([](TimesUpDialog* d) {
            Click(d, "down");
            QCOMPARE(Minutes(d)->text(), QStringLiteral("14"));
            QTest::keyClicks(Minutes(d), "5");
            Click(d, "ok");
        }) << 1 << "5";
    }
    void answers() {
        QFETCH(Play, play);
        QFETCH(int, choice);
        QFETCH(QString, minutes);
        TimesUpDialog dialog;
        dialog.m_strGoalName = QStringLiteral("Write & <b>edit</b>");
        const auto watch = WhenModal([&](QWidget*) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Time's Up!"));
            QCOMPARE(dialog.findChild<QLabel*>("goalName")->text(), dialog.m_strGoalName);
            const QRect name = dialog.findChild<QWidget*>("goalName")->geometry();
            QVERIFY(dialog.findChild<QWidget*>("ok")->x() > name.right()); // OK beside the question
            QVERIFY(dialog.findChild<QWidget*>("stop")->geometry().left() < name.center().x());
            for (const char* shown : {"goalName", "up", "down", "ok", "minutes"})
                QVERIFY2(dialog.findChild<QWidget*>(shown)->isVisible(), shown);
            QCOMPARE(Minutes(&dialog)->text(), QStringLiteral("15"));
            QVERIFY(dialog.findChild<QRadioButton*>("stop")->isChecked());
            play(&dialog);
        });
        dialog.exec();
        QCOMPARE(dialog.m_nChoice, choice);
        QCOMPARE(dialog.m_strMinutes, minutes);
    }
    // A press in the minutes field counts before the window manager has made the dialog active.
    void clickBeforeTheWindowIsActiveChoosesContinue() {
        for (const char* target : {"minutes", "up"}) {
            TimesUpDialog dialog;
            dialog.show();
            QVERIFY(!dialog.isActiveWindow());
            Click(&dialog, target);
            Click(&dialog, "ok");
            QCOMPARE(dialog.m_nChoice, 1);
        }
    }
};

QTEST_MAIN(TestTimesUpDialog)
#include "TestTimesUpDialog.moc"
