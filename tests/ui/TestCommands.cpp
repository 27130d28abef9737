#include "model/ParseHoursMinutes.h"
#include "support/Fixtures.h"
#include "support/ModalDriver.h"
#include "support/TestClock.h"
#include "ui/CGoalView.h"
#include "ui/CMainFrame.h"
#include "ui/GoalListBox.h"
#include "ui/GoalPainter.h"
#include "ui/WindowHost.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <ctime>
#include <optional>

namespace {

QLineEdit* Field(QWidget* dialog, const char* name) { return dialog->findChild<QLineEdit*>(name); }

void Retype(QLineEdit* field, const QString& text) {
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QTest::keyClicks(field, text);
}

void Click(QWidget* dialog, const char* button) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
}

} // namespace

// The goal, clock, user-name and report commands, driven through the real dialogs and keys.
class TestCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void timeUpThroughTheDialog();
    void overrunAskedAfterAMinute();
    void addThroughTheDialog();
    void addWithPromptsUnchanged();
    void totalLeaveRule_data();
    void totalLeaveRule();
    void remainingReformatted();
    void remainingAboveTotalRefused();
    void deleteSelectsTheRightItem();
    void deleteTheLastGoalLeavesThePlaceholder();
    void placeholderDisablesCommands();
    void startStopAndFinishEarly();
    void userName();
    void report();
    void windowHandedBackAfterContinue();

private:
    void Open(const QByteArray& goals) {
        QFile file(m_dir->filePath("Ordalune.cdf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("File Version : 1\r\nUser : Pat\r\n" + goals);
        file.close();
        m_frame = std::make_unique<CMainFrame>(m_dir->path().toStdString());
        m_view = m_frame->View();
        m_view->Timer().stop();
        m_view->OnInitialUpdate();
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        m_frame->activateWindow();
        m_view->ListBox()->setFocus();
    }
    GoalList& Goals() { return m_view->Goals(); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        // Keys reach the window's shortcuts only while it is the active window again.
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        QTest::keyClick(m_view->ListBox(), static_cast<Qt::Key>(key), modifiers);
    }
    // Opens the goal dialog with a key, plays the user's part, and returns what the fields showed.
    void WithGoalDialog(int key, const std::function<void(QWidget*)>& play) {
        const auto watch = WhenModal(play);
        Key(key);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::shared_ptr<TestClock> m_clock;
    std::unique_ptr<CMainFrame> m_frame;
    CGoalView* m_view = nullptr;
};

void TestCommands::initTestCase() {
    qputenv("TZ", "UTC0");
    tzset();
    GoalPainter::RegisterFontSubstitutes();
}

void TestCommands::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_clock = TestClock::Install(CTime(2026, 12, 6, 10, 0, 0).GetTime());
}

void TestCommands::cleanup() {
    if (m_frame)
        m_view->SetQuitting();
    m_frame.reset();
    TestClock::Uninstall();
}

void TestCommands::timeUpThroughTheDialog() {
    Open("Out,00:30,00:01\r\nOther,01:00,01:00\r\n");
    Goals().GetAt(0).ToggleRunning();
    Goals().GetAt(1).ToggleRunning();
    m_clock->Advance(60);
    CTimeSpan otherWhileOpen;
    const auto watch = WhenModal([&](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Time's Up!"));
        // The tick is waiting on the question: the other goal is not counted down meanwhile.
        m_clock->Advance(50);
        m_view->OnTimer();
        otherWhileOpen = Goals().GetAt(1).GetRemaining();
        QTest::mouseClick(Field(dialog, "minutes"), Qt::LeftButton);
        Click(dialog, "ok");
    });
    m_view->OnTimer();
    QCOMPARE(otherWhileOpen, Minutes(60));
    const Goal& goal = Goals().GetAt(0);
    QCOMPARE(goal.GetTotal(), Minutes(45));
    QCOMPARE(goal.GetRemaining(), Minutes(15));
    QVERIFY(goal.IsRunning());
    QVERIFY(!goal.IsDone());
    // Right after the dialog, the goal after it caught up with all the time that passed.
    QCOMPARE(Goals().GetAt(1).GetRemaining(), Minutes(60) - CTimeSpan(110));
    QCOMPARE(m_view->TickCount(), 1u);
}

void TestCommands::overrunAskedAfterAMinute() {
    Open("Out,00:30,00:01\r\n");
    Goals().GetAt(0).ToggleRunning();
    m_clock->Advance(60);
    SeenBox question;
    std::optional<ModalWatch> second;
    const auto watch = WhenModal([&](QWidget* dialog) {
        m_clock->Advance(61);
        second.emplace(AnswerBox(question, QMessageBox::Yes, dialog));
        Click(dialog, "ok");
    });
    m_view->OnTimer();
    QCOMPARE(
        question.text,
        QStringLiteral("Over 1 minutes have passed since this goal's time was up.  Apply time to goal?"));
    QCOMPARE(question.caption, QStringLiteral("Out"));
    QCOMPARE(question.icon, QMessageBox::NoIcon);
    const Goal& goal = Goals().GetAt(0);
    QVERIFY(goal.IsDone());
    QCOMPARE(goal.GetTotal(), Minutes(30) + CTimeSpan(61));
    QCOMPARE(goal.GetRemaining(), CTimeSpan());
    QVERIFY(!goal.IsRunning());
}

void TestCommands::addThroughTheDialog() {
    Open("");
    QCOMPARE(Goals().GetCount(), 1); // the placeholder
    QString caption;
    QString remainingAfterTotal;
    WithGoalDialog(Qt::Key_A, [&](QWidget* dialog) {
        caption = dialog->windowTitle();
        QCOMPARE(Field(dialog, "name")->text(), QStringLiteral("Enter the title of your goal"));
        QCOMPARE(Field(dialog, "name")->selectedText(), QStringLiteral("Enter the title of your goal"));
        QCOMPARE(Field(dialog, "total")->text(), QStringLiteral("Hours:Mins"));
        QTest::keyClicks(Field(dialog, "name"), "Essay, part one");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(Field(dialog, "total")->selectedText(), QStringLiteral("Hours:Mins"));
        QTest::keyClicks(Field(dialog, "total"), "2:00");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        remainingAfterTotal = Field(dialog, "remaining")->text();
        Click(dialog, "ok");
    });
    QCOMPARE(caption, QStringLiteral("Add Goal"));
    QCOMPARE(remainingAfterTotal, QStringLiteral("2:00"));
    QCOMPARE(Goals().GetCount(), 1);
    QCOMPARE(Goals().GetAt(0).GetName(), std::string("Essay, part one"));
    QCOMPARE(Goals().GetAt(0).GetRemaining(), Minutes(120));
    QVERIFY(!Goals().GetAt(0).IsDone());
    QCOMPARE(m_frame->Pane(2)->property("text").toString(), QStringLiteral(" Remain : 2:00 "));

    // Enter in the Total field takes the typed time too; a second Add keeps the first goal.
    WithGoalDialog(Qt::Key_A, [&](QWidget* dialog) {
        Retype(Field(dialog, "total"), "1.5");
        QTest::keyClick(Field(dialog, "total"), Qt::Key_Return);
    });
    QCOMPARE(Goals().GetCount(), 2);
    QCOMPARE(Goals().GetAt(1).GetTotal(), Minutes(90));
    QCOMPARE(Goals().GetAt(1).GetRemaining(), Minutes(90));
}

void TestCommands::addWithPromptsUnchanged() {
    Open("");
    WithGoalDialog(Qt::Key_A, [&](QWidget* dialog) { Click(dialog, "ok"); });
    QCOMPARE(Goals().GetCount(), 1);
    QCOMPARE(Goals().GetAt(0).GetName(), std::string("Enter the title of your goal"));
    QCOMPARE(Goals().GetAt(0).GetTotal(), CTimeSpan());
    QVERIFY(Goals().GetAt(0).IsDone());
    // Cancel adds nothing.
    WithGoalDialog(Qt::Key_A, [&](QWidget* dialog) { Click(dialog, "cancel"); });
    QCOMPARE(Goals().GetCount(), 1);
}

void TestCommands::totalLeaveRule_data() {
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("shownTotal");
    QTest::addColumn<QString>("shownRemaining");
    QTest::newRow("larger grows Remaining") << "2:00"
                                            << "2:00"
                                            << "1:15";
    QTest::newRow("smaller keeps its text") << "1:00"
                                            << "1:00"
                                            << "00:45";
    QTest::newRow("below Remaining") << "0:30"
                                     << "0:30"
                                     << "0:30";
    QTest::newRow("decimal hours") << "1.5"
                                   << "1:30"
                                   << "00:45";
    QTest::newRow("a day and more") << "26"
                                    << "26:00"
                                    << "25:15";
}

void TestCommands::totalLeaveRule() {
    QFETCH(QString, total);
    QFETCH(QString, shownTotal);
    QFETCH(QString, shownRemaining);
    Open("Essay,01:30,00:45\r\n");
    QString openedWith;
    QString shown[2];
    WithGoalDialog(Qt::Key_E, [&](QWidget* dialog) {
        openedWith = Field(dialog, "total")->text() + "/" + Field(dialog, "remaining")->text();
        Retype(Field(dialog, "total"), total);
        Field(dialog, "remaining")->setFocus(Qt::TabFocusReason);
        shown[0] = Field(dialog, "total")->text();
        shown[1] = Field(dialog, "remaining")->text();
        Click(dialog, "ok");
    });
    QCOMPARE(openedWith, QStringLiteral("01:30/00:45"));
    QCOMPARE(shown[0], shownTotal);
    QCOMPARE(shown[1], shownRemaining);
    QCOMPARE(Goals().GetAt(0).GetTotal(), ParseTimeSpan(shownTotal.toStdString()));
}

void TestCommands::remainingReformatted() {
    Open("Essay,03:00,00:45\r\n");
    QString shown;
    WithGoalDialog(Qt::Key_E, [&](QWidget* dialog) {
        Retype(Field(dialog, "remaining"), "1:75");
        Field(dialog, "name")->setFocus(Qt::TabFocusReason);
        shown = Field(dialog, "remaining")->text();
        Click(dialog, "ok");
    });
    QCOMPARE(shown, QStringLiteral("2:15"));
    QCOMPARE(Goals().GetAt(0).GetRemaining(), Minutes(135));
}

void TestCommands::remainingAboveTotalRefused() {
    Open("Essay,02:00,01:00\r\n");
    SeenBox refusal;
    bool stayedOpen = false;
    std::optional<ModalWatch> box;
    WithGoalDialog(Qt::Key_E, [&](QWidget* dialog) {
        Retype(Field(dialog, "remaining"), "2:01");
        box.emplace(AnswerBox(refusal, QMessageBox::Ok, dialog));
        Click(dialog, "ok"); // returns once the refusal is answered
        stayedOpen = dialog->isVisible();
        Retype(Field(dialog, "remaining"), "2:00");
        Click(dialog, "ok");
    });
    QCOMPARE(refusal.text, QStringLiteral("The Remaining time must not exceed the Total time"));
    QCOMPARE(refusal.caption, QStringLiteral("Ordalune"));
    QCOMPARE(refusal.icon, QMessageBox::Warning);
    QVERIFY(stayedOpen);
    QCOMPARE(Goals().GetAt(0).GetRemaining(), Minutes(120));
}

void TestCommands::deleteSelectsTheRightItem() {
    Open("a,1:00,1:00\r\nb,1:00,1:00\r\nc,1:00,1:00\r\nd,1:00,1:00\r\n");
    SeenBox seen;
    m_view->ListBox()->SetSelection(1);
    {
        const auto watch = AnswerBox(seen, QMessageBox::No);
        Key(Qt::Key_D);
    }
    QCOMPARE(Goals().GetCount(), 4);
    QCOMPARE(seen.text, QStringLiteral("Delete this goal?"));
    QCOMPARE(seen.caption, QStringLiteral("b"));
    {
        const auto watch = AnswerBox(seen, QMessageBox::Yes);
        Key(Qt::Key_Delete, Qt::NoModifier);
    }
    QCOMPARE(Goals().GetCount(), 3);
    QCOMPARE(Goals().GetSelectedGoal()->GetName(), std::string("c")); // the one that moved up
    m_view->ListBox()->SetSelection(2);
    {
        const auto watch = AnswerBox(seen, QMessageBox::Yes);
        Key(Qt::Key_D);
    }
    QCOMPARE(Goals().GetSelection(), 1); // the new last item
    QCOMPARE(Goals().GetSelectedGoal()->GetName(), std::string("c"));
}

void TestCommands::deleteTheLastGoalLeavesThePlaceholder() {
    Open("only,1:00,0:30\r\n");
    Goals().GetAt(0).ToggleRunning(); // deleted whether it runs or not
    SeenBox seen;
    {
        const auto watch = AnswerBox(seen, QMessageBox::Yes);
        Key(Qt::Key_D);
    }
    QCOMPARE(Goals().GetCount(), 1);
    QVERIFY(GoalList::IsPlaceholder(Goals().GetAt(0)));
    QCOMPARE(Goals().GetSelection(), GoalList::kNoSelection);
    QCOMPARE(m_frame->Pane(3)->property("text").toString(), QString());
    // The next Add replaces it.
    WithGoalDialog(Qt::Key_A, [&](QWidget* dialog) {
        Retype(Field(dialog, "total"), "1:00");
        Click(dialog, "ok");
    });
    QCOMPARE(Goals().GetCount(), 1);
    QVERIFY(!GoalList::IsPlaceholder(Goals().GetAt(0)));
}

void TestCommands::placeholderDisablesCommands() {
    Open("");
    QVERIFY(GoalList::IsPlaceholder(*Goals().GetSelectedGoal()));
    for (const char* name : {"goalEdit", "goalDelete", "goalStart", "goalStop", "goalFinish"})
        QVERIFY2(!m_frame->Action(name)->isEnabled(), name);
    QVERIFY(m_frame->Action("goalAdd")->isEnabled());
    bool opened = false;
    const auto watch = WhenModal([&](QWidget* modal) {
        opened = true;
        modal->close();
    });
    for (const int key : {Qt::Key_E, Qt::Key_D, Qt::Key_F, Qt::Key_T})
        Key(key);
    Key(Qt::Key_Delete, Qt::NoModifier);
    m_view->OnGoalEdit(); // even called straight, a disabled command does nothing
    m_view->OnGoalStart();
    QTest::qWait(30);
    QVERIFY(!opened);
    QCOMPARE(Goals().GetCount(), 1);
    QVERIFY(!Goals().GetAt(0).IsRunning());

    // A real goal that differs only in letter case is editable.
    Open("no goals,1:00,1:00\r\n");
    QVERIFY(m_frame->Action("goalEdit")->isEnabled());
}

void TestCommands::startStopAndFinishEarly() {
    Open("a,2:00,0:45\r\nb,1:00,1:00\r\n");
    m_frame->Action("goalStart")->trigger();
    QVERIFY(Goals().GetAt(0).IsRunning());
    QVERIFY(!m_frame->Action("goalStart")->isEnabled());
    QVERIFY(m_frame->Action("goalStop")->isEnabled());
    m_view->ListBox()->SetSelection(1);
    m_frame->Action("goalStart")->trigger();
    QVERIFY(Goals().GetAt(0).IsRunning()); // the Start command leaves the others running
    QVERIFY(Goals().GetAt(1).IsRunning());
    m_clock->Advance(29 * 60 + 31);
    m_view->OnTimer();
    // Finish Early on a running goal: stopped, Total cut to the time spent, done.
    Key(Qt::Key_F);
    const Goal& b = Goals().GetAt(1);
    QVERIFY(!b.IsRunning());
    QVERIFY(b.IsDone());
    QCOMPARE(b.GetRemaining(), CTimeSpan());
    QCOMPARE(b.GetTotal(), CTimeSpan(29 * 60 + 31));
    QVERIFY(!m_frame->Action("goalFinish")->isEnabled());
    QVERIFY(!m_frame->Action("goalStart")->isEnabled());
    // A goal never started: Total and Remaining both zero.
    m_view->ListBox()->SetSelection(0);
    m_frame->Action("goalStop")->trigger();
    Goals().GetAt(0).Set("a", Minutes(45), Minutes(45));
    Key(Qt::Key_F);
    QCOMPARE(Goals().GetAt(0).GetTotal(), CTimeSpan());
}

void TestCommands::userName() {
    Open("");
    QString preset;
    {
        const auto watch = WhenModal([&](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Set User Name"));
            preset = Field(dialog, "userName")->text();
            Retype(Field(dialog, "userName"), "Robin");
            Click(dialog, "ok");
        });
        m_frame->Action("optionsUserName")->trigger();
    }
    QCOMPARE(preset, QStringLiteral("Pat"));
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ordalune Tracker - Robin"));
    {
        const auto watch = WhenModal([&](QWidget* dialog) {
            Retype(Field(dialog, "userName"), "Someone else");
            Click(dialog, "cancel");
        });
        m_frame->Action("optionsUserName")->trigger();
    }
    QCOMPARE(m_view->UserName(), std::string("Robin"));
    {
        const auto watch = WhenModal([&](QWidget* dialog) {
            Field(dialog, "userName")->clear();
            Click(dialog, "ok");
        });
        m_frame->Action("optionsUserName")->trigger();
    }
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ordalune Tracker - "));
}

void TestCommands::report() {
    Open("Essay,02:00,00:30\r\n");
    SeenBox seen;
    {
        const auto watch = AnswerBox(seen);
        m_frame->Action("fileReport")->trigger();
    }
    QCOMPARE(seen.text, QStringLiteral("Report saved to ORDALUNE.REP"));
    QCOMPARE(seen.caption, QStringLiteral("Done"));
    QVERIFY(ReadBytes(m_dir->filePath("ORDALUNE.REP")).startsWith("Sun 12/6/26  10:00 AM\r\n\r\n    Essay"));

    QVERIFY(QFile::remove(m_dir->filePath("ORDALUNE.REP")));
    QVERIFY(QDir(m_dir->path()).mkdir("ORDALUNE.REP"));
    {
        const auto watch = AnswerBox(seen);
        m_frame->Action("fileReport")->trigger();
    }
    QCOMPARE(seen.text, QStringLiteral("Your report could not be written."));
    QCOMPARE(seen.caption, QStringLiteral("File Error"));
}

// A minimised window comes up for the question and goes back down after a continue answer.
void TestCommands::windowHandedBackAfterContinue() {
    Open("");
    m_frame->showMinimized();
    QTRY_VERIFY(m_frame->windowState() & Qt::WindowMinimized);
    WindowHost host(m_frame.get(), m_view->ListBox());
    host.BringToFront();
    QVERIFY(!(m_frame->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)));
    host.HandBack();
    QVERIFY(m_frame->windowState() & Qt::WindowMinimized);

    m_frame->showMaximized();
    host.BringToFront();
    QVERIFY(!(m_frame->windowState() & Qt::WindowMaximized));
    host.HandBack();
    QVERIFY(m_frame->windowState() & Qt::WindowMaximized);
}

QTEST_MAIN(TestCommands)
#include "TestCommands.moc"
