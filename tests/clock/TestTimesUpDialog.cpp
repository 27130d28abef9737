#include "clock/TimesUpDialog.h"
#include "support/ModalDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <functional>

// Each case runs the real dialog modally and plays the user's part from inside its event loop.
class TestTimesUpDialog : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void arrowsStepTheNumber();
    void showsTheGoal();

private:
    using Play = std::function<void(TimesUpDialog*)>;
};

Q_DECLARE_METATYPE(std::function<void(TimesUpDialog*)>)

namespace {

QLineEdit* Minutes(TimesUpDialog* d) { return d->findChild<QLineEdit*>("minutes"); }
void ClickMinutes(TimesUpDialog* d) { QTest::mouseClick(Minutes(d), Qt::LeftButton); }
void Type30(TimesUpDialog* d) {
    Minutes(d)->selectAll();
    QTest::keyClicks(Minutes(d), "30");
}
void Ok(TimesUpDialog* d) { QTest::mouseClick(d->findChild<QPushButton*>("ok"), Qt::LeftButton); }
void Esc(TimesUpDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }

} // namespace

void TestTimesUpDialog::answers_data() {
    QTest::addColumn<Play>("play");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("minutes");
    QTest::newRow("OK at once") << Play(Ok) << 0 << "15";
    QTest::newRow("click into minutes, OK") << Play([](TimesUpDialog* d) {
        ClickMinutes(d);
        Ok(d);
    }) << 1 << "15";
    QTest::newRow("30 typed, OK") << Play([](TimesUpDialog* d) {
        ClickMinutes(d);
        Type30(d);
        QVERIFY(d->findChild<QRadioButton*>("continue")->isChecked());
        Ok(d);
    }) << 1 << "30";
    QTest::newRow("30 typed, stop chosen again") << Play([](TimesUpDialog* d) {
        ClickMinutes(d);
        Type30(d);
        QTest::mouseClick(d->findChild<QRadioButton*>("stop"), Qt::LeftButton);
        Ok(d);
    }) << 0 << "30";
    QTest::newRow("tab into minutes") << Play([](TimesUpDialog* d) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Minutes(d)));
        Ok(d);
    }) << 1 << "15";
    QTest::newRow("Esc at once") << Play(Esc) << 0 << "15";
    QTest::newRow("30 typed, then Esc") << Play([](TimesUpDialog* d) {
        ClickMinutes(d);
        Type30(d);
        Esc(d);
    }) << 1 << "15";
    QTest::newRow("letters accepted") << Play([](TimesUpDialog* d) {
        ClickMinutes(d);
        Minutes(d)->selectAll();
        QTest::keyClicks(Minutes(d), "abc");
        QTest::keyClick(d, Qt::Key_Return);
    }) << 1 << "abc";
}

void TestTimesUpDialog::answers() {
    QFETCH(Play, play);
    QFETCH(int, choice);
    QFETCH(QString, minutes);
    TimesUpDialog dialog;
    dialog.m_strGoalName = QStringLiteral("Essay");
    const auto watch = WhenModal([&](QWidget*) {
        QCOMPARE(Minutes(&dialog)->text(), QStringLiteral("15"));
        QVERIFY(dialog.findChild<QRadioButton*>("stop")->isChecked());
        play(&dialog);
        if (dialog.isVisible())
            dialog.reject();
    });
    dialog.exec();
    QCOMPARE(dialog.m_nChoice, choice);
    QCOMPARE(dialog.m_strMinutes, minutes);
}

void TestTimesUpDialog::arrowsStepTheNumber() {
    TimesUpDialog dialog;
    QStringList seen;
    const auto watch = WhenModal([&](QWidget*) {
        auto* up = dialog.findChild<QToolButton*>("up");
        auto* down = dialog.findChild<QToolButton*>("down");
        QTest::mouseClick(up, Qt::LeftButton);
        seen << Minutes(&dialog)->text();
        // The arrows lead into the field, so they choose "continue" as a click there does.
        QVERIFY(dialog.findChild<QRadioButton*>("continue")->isChecked());
        QTest::keyClick(Minutes(&dialog), Qt::Key_Down);
        QTest::keyClick(Minutes(&dialog), Qt::Key_Down);
        seen << Minutes(&dialog)->text();
        Minutes(&dialog)->setText(QStringLiteral("0"));
        QTest::mouseClick(down, Qt::LeftButton);
        seen << Minutes(&dialog)->text();
        Minutes(&dialog)->setText(QStringLiteral("abc"));
        QTest::mouseClick(up, Qt::LeftButton);
        seen << Minutes(&dialog)->text();
        Minutes(&dialog)->setText(QStringLiteral("998"));
        QTest::keyClick(Minutes(&dialog), Qt::Key_Up);
        QTest::keyClick(Minutes(&dialog), Qt::Key_Up);
        seen << Minutes(&dialog)->text();
        Ok(&dialog);
    });
    dialog.exec();
    QCOMPARE(seen, (QStringList{"16", "14", "0", "1", "1000"}));
    QCOMPARE(dialog.m_nChoice, 1);
}

void TestTimesUpDialog::showsTheGoal() {
    TimesUpDialog dialog;
    dialog.m_strGoalName = QStringLiteral("Write & <b>edit</b>");
    QString title;
    QString name;
    const auto watch = WhenModal([&](QWidget*) {
        title = dialog.windowTitle();
        name = dialog.findChild<QLabel*>("goalName")->text();
        dialog.accept();
    });
    dialog.exec();
    QCOMPARE(title, QStringLiteral("Time's Up!"));
    QCOMPARE(name, QStringLiteral("Write & <b>edit</b>"));
}

QTEST_MAIN(TestTimesUpDialog)
#include "TestTimesUpDialog.moc"
