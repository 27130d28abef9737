// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/TickGoals.h"
#include "session/GoalSession.h"
#include "support/Fixtures.h"
#include "support/ModalDriver.h"
#include "support/SilentHost.h"
#include "support/TestClock.h"
#include "ui/CGoalView.h"
#include "ui/GoalListBox.h"
#include "ui/TimesUpDialog.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>

namespace {

// What the program tells assistive technology, as "Focus 1", "NameChanged 0", "Alert".
QStringList g_told;

void Told(QAccessibleEvent* event) {
    static const QMap<QAccessible::Event, QString> kinds = {{QAccessible::Focus, "Focus"},
                                                            {QAccessible::NameChanged, "NameChanged"},
                                                            {QAccessible::Alert, "Alert"},
                                                            {QAccessible::Selection, "Selection"},
                                                            {QAccessible::ObjectReorder, "Reorder"}};
    if (kinds.contains(event->type()))
        g_told << kinds[event->type()] +
                      (event->child() >= 0 ? " " + QString::number(event->child()) : QString());
}

} // namespace

// What a screen reader reads of the program, on a display with the desktop's accessibility bus up
// (run through with_atspi.sh): the goal list as a list of goals whose names say their times, its
// selection and focus told as they move, the clocks' action, the status panes, and Time's Up
// announced as it appears.
class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qputenv("TZ", "UTC0"), tzset();
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000); // as a screen reader turns it on
        QAccessible::installUpdateHandler(&Told);
    }

    void goalList() {
        const auto clock = TestClock::Install(1'700'000'000 - 1'700'000'000 % 60);
        GoalSession session;
        session.Timer().stop();
        GoalList& goals = session.Goals();
        goals.Append(std::make_unique<Goal>("Essay", Minutes(120), Minutes(60)));
        goals.Append(std::make_unique<Goal>("Gym", Minutes(60), Minutes(45)));
        goals.Append(std::make_unique<Goal>("Done & dusted", Minutes(30), CTimeSpan()));
        goals.GetAt(1).ToggleRunning();
        CGoalView view(session, nullptr);
        GoalListBox* list = view.ListBox();
        list->UpdateLayout();
        list->ItemsChanged();
        view.resize(list->GetIdealSize() + QSize(0, 20));
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        list->setFocus();
        QTRY_VERIFY(list->hasFocus());
        QAccessibleInterface* described = QAccessible::queryAccessibleInterface(list);
        QCOMPARE(described->role(), QAccessible::List);
        QStringList names;
        for (int i = 0; i < described->childCount(); ++i)
            names << described->child(i)->text(QAccessible::Name);
        QCOMPARE(names.join('|'),
                 "Essay, 1:00 left|Gym, 0:45 left, running, done at 10:58 PM|Done & dusted, done");
        // The selection moves with the keys, and the reader is told where the focus went.
        g_told.clear();
        list->SetSelection(0);
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(described->child(1)->state().selected && described->child(1)->state().focused);
        QVERIFY(!described->child(0)->state().selected && described->child(0)->state().selectable);
        QCOMPARE(described->focusChild()->text(QAccessible::Name), names[1]);
        QVERIFY(g_told.contains("Focus 1") && g_told.contains("Selection 1"));
        // A name changes as the minute it shows does, not with every second.
        g_told.clear();
        SilentHost host;
        for (int second = 0; second < 60; ++second) {
            clock->Advance(1);
            list->RepaintTick(TickGoals(goals, host));
        }
        QCOMPARE(g_told.filter("NameChanged"), QStringList{"NameChanged 1"}); // 0:45 to 0:44, once
        QCOMPARE(described->child(1)->text(QAccessible::Name), "Gym, 0:44 left, running, done at 10:58 PM");
        // Its action starts or stops the clock, as a double-click or Return does.
        QSignalSpy toggled(list, &GoalListBox::toggleRequested);
        QAccessibleActionInterface* action = described->child(0)->actionInterface();
        const QString toggle = QAccessibleActionInterface::toggleAction();
        QCOMPARE(action->actionNames(), QStringList{toggle});
        QCOMPARE(action->keyBindingsForAction(toggle), QStringList{"Return"}); // as a reader tells it
        action->doAction(toggle);
        QCOMPARE(list->Goals().GetSelection(), 0);
        QTest::keyClick(list, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(toggled.count() == 2 && !toggled.at(0).at(0).toBool() && toggled.at(1).at(0).toBool());
        list->resize(list->width(), list->GetItemRect(1).bottom()); // the last goal out of view
        const QAccessible::State last = described->child(2)->state();
        QVERIFY(last.invisible && last.offscreen && !described->child(1)->state().invisible);
        QAccessibleInterface* gone = described->child(2); // as a reader holds it while the goal goes
        goals.Remove(2);
        QVERIFY(gone->state().invalid && gone->text(QAccessible::Name).isEmpty() &&
                gone->actionInterface()->actionNames().isEmpty() && gone->rect().isNull());
        list->ItemsChanged(); // and the list told it was read anew
        QVERIFY(g_told.contains("Reorder"));
    }

    // Time's Up is announced as it appears, its question and buttons readable.
    void timesUpAnnounced() {
        g_told.clear();
        TimesUpDialog dialog(nullptr);
        dialog.m_strGoalName = QStringLiteral("Essay");
        QString read;
        const auto watch = WhenModal([&](QWidget* shown) {
            QTRY_VERIFY(g_told.contains("Alert"));
            QAccessibleInterface* described = QAccessible::queryAccessibleInterface(shown);
            read = described->text(QAccessible::Name) + "|" + described->text(QAccessible::Description);
            for (int i = 0; i < described->childCount(); ++i)
                if (described->child(i)->role() == QAccessible::RadioButton)
                    read += "|" + described->child(i)->text(QAccessible::Name);
            shown->close();
        });
        dialog.exec();
        QCOMPARE(read, "Time's Up!|The time for Essay has run out.|Stop working and mark goal done.|Continue "
                       "working and add more time:");
    }
};

QTEST_MAIN(TestAccessibility)
#include "TestAccessibility.moc"
