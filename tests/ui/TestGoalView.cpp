#include "support/Fixtures.h"
#include "support/ModalDriver.h"
#include "support/TestClock.h"
#include "ui/CGoalView.h"
#include "ui/CMainFrame.h"
#include "ui/GoalListBox.h"
#include "ui/WindowHost.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>

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
QString Pane(CMainFrame* frame, int index) { return frame->Pane(index)->text(); }

} // namespace

// The main window with its goal view, driven through the real menus, keys, dialogs and timer.
class TestGoalView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsWithTheFile();
    void statusTexts_data();
    void statusTexts();
    void tickSchedule();
    void timeUpThroughTheDialogs();
    void windowHandedBack();
    void fitsTheFrameToTheList();
    void suspendStopsClocks();
    void openAndNewReadInPlace();
    void refusedFileThenNamePrompt();
    void exitSaveFailureAsks();
    void addWithPastedLines();
    void totalLeaveRule_data();
    void totalLeaveRule();
    void remainingAboveTotalRefused();
    void deleteMovesTheSelection();
    void commandsFollowTheSelection();
    void userNameAndReport();
    void aboutAndHelp();

private:
    void Open(const QByteArray& goals, bool withHeader = true) {
        QVERIFY(WriteBytes(m_dir->filePath("Ordalune.cdf"),
                           (withHeader ? "File Version : 1\r\nUser : Pat\r\n" : "") + goals));
        m_frame = std::make_unique<CMainFrame>(m_dir->path().toStdString());
        m_view = m_frame->View();
        m_view->Timer().stop(); // the tests tick by hand
        m_view->OnInitialUpdate();
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        m_view->ListBox()->setFocus();
    }
    GoalList& Goals() { return m_view->Goals(); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        // Keys reach the window's shortcuts only while it is the active window again.
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        QTest::keyClick(m_view->ListBox(), static_cast<Qt::Key>(key), modifiers);
    }
    void WithDialog(int key, const std::function<void(QWidget*)>& play) {
        const auto watch = WhenModal(play);
        Key(key);
    }
    QString Describe() {
        QStringList goals;
        for (int i = 0; i < Goals().GetCount(); ++i) {
            const Goal& g = Goals().GetAt(i);
            goals << QStringLiteral("%1 %2/%3%4%5")
                         .arg(QString::fromStdString(g.GetName()),
                              QString::fromStdString(g.GetTotal().FormatShort()),
                              QString::fromStdString(g.GetRemaining().FormatShort()),
                              g.IsDone() ? " done" : "", g.IsRunning() ? " running" : "");
        }
        return goals.join(QStringLiteral(", "));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::shared_ptr<TestClock> m_clock;
    std::unique_ptr<CMainFrame> m_frame;
    CGoalView* m_view = nullptr;
};

void TestGoalView::initTestCase() {
    qputenv("TZ", "UTC0");
    tzset();
    GoalPainter::RegisterFontSubstitutes();
}

void TestGoalView::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_clock = TestClock::Install(CTime(2026, 12, 6, 9, 59, 30).GetTime());
}

void TestGoalView::cleanup() {
    CloseDialogs();
    if (m_frame)
        m_view->SetQuitting();
    m_frame.reset();
    TestClock::Uninstall();
}

// Title, menus with their keys, panes and the first selection.
void TestGoalView::startsWithTheFile() {
    Open("Essay,02:00,01:30\r\nGym,01:00,00:00\r\n");
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ordalune Tracker - Pat"));
    QVERIFY(m_frame->ToolBar()->isHidden());
    QStringList menus;
    for (QAction* menu : m_frame->menuBar()->actions()) {
        QStringList items;
        for (QAction* item : menu->menu()->actions())
            items << (item->isSeparator()
                          ? QStringLiteral("-")
                          : item->text() +
                                (item->shortcuts().isEmpty() ? "" : " " + item->shortcut().toString()));
        menus << menu->text() + "[" + items.join('|') + "]";
    }
    QCOMPARE(menus.join(' '),
             QStringLiteral("&File[&Open... Ctrl+O|&Save Ctrl+S|-|&Generate report|-|E&xit] "
                            "&Goal[&Add ... Ctrl+A|&Edit ... Ctrl+E|&Delete Ctrl+D|-|&Start clock|"
                            "&Stop clock|-|&Finish Early Ctrl+F] &Options[&User name ...] "
                            "&Help[&Help Topics F1|-|&About Ordalune...]"));
    QCOMPARE(m_frame->Action("goalDelete")->shortcuts().last(), QKeySequence(Qt::Key_Delete));
    QCOMPARE(m_frame->Action("goalFinish")->statusTip(),
             QStringLiteral("Goal is finished; set remaining time to zero, adjusting total time"));
    QCOMPARE(Goals().GetSelection(), 0);
    QCOMPARE(m_view->ListBox()->geometry(), m_view->rect());
    QCOMPARE(Pane(m_frame.get(), 0) + Pane(m_frame.get(), 4), QStringLiteral("Think ahead! 9:59 AM "));
}

void TestGoalView::statusTexts_data() {
    QTest::addColumn<QByteArray>("goals");
    QTest::addColumn<QString>("panes");
    QTest::newRow("placeholder") << QByteArray() << " Elapsed : 0:00 | Remain : 0:00 |";
    QTest::newRow("leading zero") << QByteArray("a,10:12,00:07\r\n")
                                  << " Elapsed : 10:05 | Remain : 0:07 | Finish : 10:06 AM ";
    QTest::newRow("days") << QByteArray("a,40:00,30:00\r\nb,03:00,03:00\r\n")
                          << " Elapsed : 10:00 | Remain : 33:00 | Finish : 6:59 PM ";
}

void TestGoalView::statusTexts() {
    QFETCH(QByteArray, goals);
    QFETCH(QString, panes);
    Open(goals);
    QCOMPARE(Pane(m_frame.get(), 1) + "|" + Pane(m_frame.get(), 2) + "|" + Pane(m_frame.get(), 3), panes);
}

// Panes every 15 ticks, the goal file every 60 even with nothing running, the clock pane at the
// minute; timer messages that arrive while a question is open are dropped, the clock still moves.
void TestGoalView::tickSchedule() {
    Open("Essay,02:00,01:30\r\n");
    QSignalSpy panes(m_view, &CGoalView::statusTextsChanged);
    for (unsigned tick = 1; tick <= 120; ++tick) {
        m_clock->Advance(1);
        m_view->OnTimer();
        QCOMPARE(panes.count(), static_cast<int>(tick / 15));
        QCOMPARE(QFile::exists(m_dir->filePath("ordalune.bak")), tick >= 60);
        if (tick == 29 || tick == 30)
            QCOMPARE(Pane(m_frame.get(), 4),
                     tick == 29 ? QStringLiteral(" 9:59 AM ") : QStringLiteral(" 10:00 AM "));
    }
    QCOMPARE(m_view->TickCount(), 120u);
}

// The real Time's Up dialog and overrun question: the tick waits on them, the other goals wait,
// and the list is laid out again for the new Total.
void TestGoalView::timeUpThroughTheDialogs() {
    Open("Out,00:30,00:01\r\nOther,01:00,01:00\r\n");
    Goals().GetAt(0).ToggleRunning();
    Goals().GetAt(1).ToggleRunning();
    m_clock->Advance(60);
    const int width = m_frame->width();
    QString whileOpen, clockWhileOpen;
    SeenBox overrun;
    std::optional<ModalWatch> second;
    const auto watch = WhenModal([&](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Time's Up!"));
        QVERIFY(CGoalView::InTimer());
        m_clock->Advance(125);
        m_view->OnTimer();
        whileOpen = Describe();
        clockWhileOpen = Pane(m_frame.get(), 4);
        second.emplace(AnswerBox(overrun, QMessageBox::Yes, dialog));
        QTest::mouseClick(Field(dialog, "minutes"), Qt::LeftButton);
        Retype(Field(dialog, "minutes"), "600");
        Click(dialog, "ok");
    });
    m_view->OnTimer();
    QCOMPARE(whileOpen, QStringLiteral("Out 0:30/0:00, Other 1:00/1:00 running"));
    QCOMPARE(clockWhileOpen, QStringLiteral(" 10:02 AM "));
    QCOMPARE(
        overrun.text,
        QStringLiteral("Over 2 minutes have passed since this goal's time was up.  Apply time to goal?"));
    QCOMPARE(overrun.caption, QStringLiteral("Out"));
    QCOMPARE(Describe(), QStringLiteral("Out 10:32/10:00 running, Other 1:00/0:56 running"));
    QCOMPARE(m_view->TickCount(), 1u);
    QVERIFY(!CGoalView::InTimer());
    QCOMPARE(Pane(m_frame.get(), 2), QStringLiteral(" Remain : 10:56 "));
    QVERIFY(m_frame->width() > width); // wider Remaining and bar layout: the frame follows
}

// A minimised window comes up for the question and goes back down after a continue answer.
void TestGoalView::windowHandedBack() {
    Open("");
    WindowHost host(m_frame.get(), m_view->ListBox());
    for (const Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized}) {
        m_frame->setWindowState(state);
        QTRY_VERIFY(m_frame->windowState() & state);
        host.BringToFront();
        QVERIFY(!(m_frame->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)));
        host.HandBack();
        QVERIFY(m_frame->windowState() & state);
    }
    m_frame->showMinimized();
    m_frame->BringToFront();
    QVERIFY(!(m_frame->windowState() & Qt::WindowMinimized));
}

void TestGoalView::fitsTheFrameToTheList() {
    Open("Essay,02:00,01:30\r\nGym,01:00,00:00\r\nd,1:00,1:00\r\ne,1:00,1:00\r\nf,1:00,1:00\r\n");
    GoalListBox* list = m_view->ListBox();
    QCOMPARE(list->viewport()->height(), list->GetIdealSize().height() + 4);
    QVERIFY(list->viewport()->width() >= list->GetIdealSize().width());
    QVERIFY(WriteBytes(
        m_dir->filePath("Ordalune.cdf"),
        "File Version : 1\r\nUser : Pat\r\nA much longer goal name than any before it,1:00,1:00\r\n"));
    m_frame->Action("fileOpen")->trigger();
    QCoreApplication::processEvents();
    QVERIFY(list->GetIdealSize().width() > 560);
    QTRY_VERIFY(list->viewport()->width() >= list->GetIdealSize().width());
    for (int pane = 1; pane <= 4; ++pane)
        QVERIFY(m_frame->Pane(pane)->width() >= m_frame->Pane(pane)->minimumWidth());
    QVERIFY(m_frame->Pane(0)->width() >= m_frame->Pane(0)->fontMetrics().horizontalAdvance("Think ahead!"));
}

void TestGoalView::suspendStopsClocks() {
    Open("a,1:00,1:00\r\nb,1:00,1:00\r\nc,1:00,1:00\r\n");
    bool boxSeen = false;
    {
        const auto watch = WhenModal([&](QWidget* box) {
            boxSeen = true;
            box->close();
        });
        bool released = false;
        m_view->OnPowerSuspend([&] { released = true; });
        QVERIFY(released);
    }
    QVERIFY(!boxSeen);
    Goals().GetAt(0).ToggleRunning();
    Goals().GetAt(2).ToggleRunning();
    bool stoppedFirst = false;
    SeenBox warning;
    const auto watch = AnswerBox(warning);
    m_view->OnPowerSuspend([&] { stoppedFirst = Describe() == "a 1:00/1:00, b 1:00/1:00, c 1:00/1:00"; });
    QVERIFY(stoppedFirst);
    QCOMPARE(warning.text + "|" + warning.caption,
             QStringLiteral("Before suspending the PC, running goals were stopped|Ordalune Warning"));
}

void TestGoalView::openAndNewReadInPlace() {
    Open("Essay,02:00,01:30\r\nGym,01:00,00:00\r\n");
    Goals().GetAt(0).ToggleRunning();
    Key(Qt::Key_O);
    QCOMPARE(Describe(), QStringLiteral("Essay 2:00/1:30, Gym 1:00/0:00 done"));
    QStringList titles;
    connect(m_view, &CGoalView::documentTitleChanged, this, [&](const QString& title) { titles << title; });
    Key(Qt::Key_N);
    QVERIFY(m_frame->ToolBar()->isVisible());
    QCOMPARE(titles, (QStringList{"Untitled", "Pat"}));
    QCOMPARE(Goals().GetCount(), 2);
    Key(Qt::Key_N);
    QVERIFY(m_frame->ToolBar()->isHidden());
}

// A refused file's message, captioned with the program's name, and then the name prompt.
void TestGoalView::refusedFileThenNamePrompt() {
    SeenBox refusal;
    QString askedWith;
    std::optional<ModalWatch> nameWatch;
    const auto watch = WhenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        refusal = {box->text(), box->windowTitle(), box->icon()};
        box->accept();
        nameWatch.emplace(WhenModal([&](QWidget* dialog) {
            askedWith = dialog->windowTitle() + ": " + Field(dialog, "userName")->text();
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        }));
    });
    Open("File Version : 2\r\nUser : Pat\r\n", false);
    QVERIFY(
        refusal.text.startsWith("Incompatible ORDALUNE.CDF : incorrect version ... ignoring rest of file"));
    QCOMPARE(refusal.caption, QStringLiteral("Ordalune"));
    QCOMPARE(refusal.icon, QMessageBox::Warning);
    QTRY_COMPARE(askedWith, QStringLiteral("Set User Name: Please enter your name"));
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ordalune Tracker - Untitled"));
}

// Closing saves once; when that save fails the user chooses: Retry, Quit Anyway, or keep the
// window open.
void TestGoalView::exitSaveFailureAsks() {
    Open("Essay,02:00,01:30\r\n");
    Goals().GetAt(0).Set("Renamed", Minutes(120), Minutes(30));
    QVERIFY(QDir(m_dir->path()).mkdir("Ordalune.cdf.new")); // in the way of every save
    QStringList seen;
    const auto answer = [&](const char* button) {
        return WhenModal([&seen, button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            seen << box->windowTitle() + ": " + box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QLatin1String(button))
                    b->click();
            if (QLatin1String(button) == "Esc")
                QTest::keyClick(box, Qt::Key_Escape);
        });
    };
    {
        const auto watch = answer("Esc");
        QVERIFY(!m_frame->close());
    }
    QVERIFY(m_frame->isVisible());
    QVERIFY(m_view->Timer().isActive());
    QCOMPARE(seen.value(0), QStringLiteral("File Error: Your goals could not be saved.\n\nIs a directory"));
    {
        const auto watch = answer("Retry");
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(seen.size() == 2);
            QDir(m_dir->filePath("Ordalune.cdf.new")).removeRecursively();
        });
        QVERIFY(m_frame->close());
    }
    QVERIFY(ReadBytes(m_dir->filePath("Ordalune.cdf")).contains("Renamed,02:00,00:30"));
    QVERIFY(m_view->OnDestroy()); // once only: nothing more is written
    QVERIFY(ReadBytes(m_dir->filePath("ordalune.bak")).contains("Essay"));
    Open("Kept,01:00,00:30\r\n");
    Goals().GetAt(0).Set("Lost", Minutes(60), Minutes(30));
    QVERIFY(QDir(m_dir->path()).mkdir("Ordalune.cdf.new"));
    {
        const auto watch = answer("Quit Anyway");
        QVERIFY(m_frame->close());
    }
    QCOMPARE(seen.size(), 3);
    QVERIFY(ReadBytes(m_dir->filePath("Ordalune.cdf")).contains("Kept,01:00,00:30"));
}

// A name pasted with its line breaks and tabs stays on one line; Enter in the Total field takes
// the typed time.
void TestGoalView::addWithPastedLines() {
    Open("");
    QString caption, prompts;
    WithDialog(Qt::Key_A, [&](QWidget* dialog) {
        caption = dialog->windowTitle();
        prompts = Field(dialog, "name")->selectedText() + "|" + Field(dialog, "total")->text();
        QVERIFY(Field(dialog, "name")->isVisible() && Field(dialog, "remaining")->isVisible());
        QGuiApplication::clipboard()->setText(QStringLiteral("Line one\nLine\ttwo\r\n"));
        QTest::keyClick(Field(dialog, "name"), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(Field(dialog, "total"), "1.5");
        QTest::keyClick(Field(dialog, "total"), Qt::Key_Return);
    });
    QCOMPARE(caption + "|" + prompts, QStringLiteral("Add Goal|Enter the title of your goal|Hours:Mins"));
    QCOMPARE(Describe(), QStringLiteral("Line one Line two   1:30/1:30"));
    QCOMPARE(Pane(m_frame.get(), 2), QStringLiteral(" Remain : 1:30 "));
    WithDialog(Qt::Key_A, [&](QWidget* dialog) { Click(dialog, "cancel"); });
    WithDialog(Qt::Key_A, [&](QWidget* dialog) { Click(dialog, "ok"); });
    QCOMPARE(Describe(),
             QStringLiteral("Line one Line two   1:30/1:30, Enter the title of your goal 0:00/0:00 done"));
    m_view->SaveGoals();
    QVERIFY(ReadBytes(m_dir->filePath("Ordalune.cdf")).contains("\r\nLine one Line two  ,01:30,01:30\r\n"));
}

void TestGoalView::totalLeaveRule_data() {
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("shown");
    QTest::newRow("larger grows Remaining") << "2:00"
                                            << "2:00/1:15";
    QTest::newRow("smaller keeps its text") << "1:00"
                                            << "1:00/00:45";
    QTest::newRow("below Remaining") << "0:30"
                                     << "0:30/0:30";
    QTest::newRow("decimal hours") << "1.5"
                                   << "1:30/00:45";
    QTest::newRow("a day and more") << "26"
                                    << "26:00/25:15";
}

// Leaving the Total field applies its rule; leaving the Remaining field reformats it.
void TestGoalView::totalLeaveRule() {
    QFETCH(QString, total);
    QFETCH(QString, shown);
    Open("Essay,01:30,00:45\r\n");
    QString openedWith, seen, reformatted;
    WithDialog(Qt::Key_E, [&](QWidget* dialog) {
        openedWith = dialog->windowTitle() + " " + Field(dialog, "total")->text() + "/" +
                     Field(dialog, "remaining")->text();
        Retype(Field(dialog, "total"), total);
        Field(dialog, "remaining")->setFocus(Qt::TabFocusReason);
        seen = Field(dialog, "total")->text() + "/" + Field(dialog, "remaining")->text();
        Retype(Field(dialog, "remaining"), "0:75");
        Field(dialog, "name")->setFocus(Qt::TabFocusReason);
        reformatted = Field(dialog, "remaining")->text();
        Retype(Field(dialog, "remaining"), "0:10");
        Click(dialog, "ok");
    });
    QCOMPARE(openedWith, QStringLiteral("Edit Goal 01:30/00:45"));
    QCOMPARE(seen, shown);
    QCOMPARE(reformatted, QStringLiteral("1:15"));
    QCOMPARE(QString::fromStdString(Goals().GetAt(0).GetTotal().FormatShort()), shown.section('/', 0, 0));
    QCOMPARE(Goals().GetAt(0).GetRemaining(), Minutes(10));
}

void TestGoalView::remainingAboveTotalRefused() {
    Open("Essay,02:00,01:00\r\n");
    SeenBox refusal;
    bool stayedOpen = false;
    std::optional<ModalWatch> box;
    WithDialog(Qt::Key_E, [&](QWidget* dialog) {
        Retype(Field(dialog, "remaining"), "2:01");
        box.emplace(AnswerBox(refusal, QMessageBox::Ok, dialog));
        Click(dialog, "ok"); // returns once the refusal is answered
        stayedOpen = dialog->isVisible();
        Retype(Field(dialog, "remaining"), "0");
        Click(dialog, "ok");
    });
    QCOMPARE(refusal.text + "|" + refusal.caption,
             QStringLiteral("The Remaining time must not exceed the Total time|Ordalune"));
    QVERIFY(stayedOpen);
    QCOMPARE(Describe(), QStringLiteral("Essay 2:00/0:00 done"));
}

void TestGoalView::deleteMovesTheSelection() {
    Open("a,1:00,1:00\r\nb,1:00,1:00\r\nc,1:00,1:00\r\n");
    SeenBox seen;
    m_view->ListBox()->SetSelection(1);
    const auto answered = [&](QMessageBox::StandardButton button, int key, Qt::KeyboardModifiers modifiers) {
        const auto watch = AnswerBox(seen, button);
        Key(key, modifiers);
        return seen.caption + ": " + seen.text + " -> " + QString::number(Goals().GetSelection()) + " " +
               Describe();
    };
    QCOMPARE(answered(QMessageBox::No, Qt::Key_D, Qt::ControlModifier),
             QStringLiteral("b: Delete this goal? -> 1 a 1:00/1:00, b 1:00/1:00, c 1:00/1:00"));
    QCOMPARE(answered(QMessageBox::Yes, Qt::Key_Delete, Qt::NoModifier),
             QStringLiteral("b: Delete this goal? -> 1 a 1:00/1:00, c 1:00/1:00"));
    QCOMPARE(answered(QMessageBox::Yes, Qt::Key_D, Qt::ControlModifier),
             QStringLiteral("c: Delete this goal? -> 0 a 1:00/1:00"));
    QCOMPARE(answered(QMessageBox::Yes, Qt::Key_D, Qt::ControlModifier),
             QStringLiteral("a: Delete this goal? -> -1 No Goals 0:00/0:00 done"));
    QCOMPARE(Pane(m_frame.get(), 3), QString());
}

// Edit, Delete, Start, Stop and Finish Early follow the selected goal; the placeholder allows
// none of them, even called straight.
void TestGoalView::commandsFollowTheSelection() {
    const auto enabled = [&] {
        QString states;
        for (const char* name : {"goalEdit", "goalDelete", "goalStart", "goalStop", "goalFinish"})
            states += m_frame->Action(name)->isEnabled() ? '1' : '0';
        return states;
    };
    Open("");
    QCOMPARE(enabled(), QStringLiteral("00000"));
    bool opened = false;
    {
        const auto watch = WhenModal([&](QWidget* modal) {
            opened = true;
            modal->close();
        });
        for (const int key : {Qt::Key_E, Qt::Key_D, Qt::Key_F})
            Key(key);
        m_view->OnGoalEdit();
        m_view->OnGoalDelete();
        m_view->OnGoalStart();
        m_view->OnGoalStop();
        m_view->OnFinishEarly();
    }
    QVERIFY(!opened);
    QCOMPARE(Describe(), QStringLiteral("No Goals 0:00/0:00 done"));
    Open("no goals,2:00,0:45\r\nb,1:00,1:00\r\n");
    QCOMPARE(enabled(), QStringLiteral("11101"));
    m_frame->Action("goalStart")->trigger();
    QCOMPARE(enabled(), QStringLiteral("11011"));
    m_view->ListBox()->SetSelection(1);
    m_frame->Action("goalStart")->trigger();
    m_clock->Advance(29 * 60 + 31);
    m_view->OnTimer();
    Key(Qt::Key_F); // on a running goal: stopped, Total cut to the time spent
    QCOMPARE(Describe(), QStringLiteral("no goals 2:00/0:15 running, b 0:29/0:00 done"));
    QCOMPARE(enabled(), QStringLiteral("11000"));
    m_view->ListBox()->SetSelection(0);
    m_frame->Action("goalStop")->trigger();
    QCOMPARE(enabled(), QStringLiteral("11101"));
}

void TestGoalView::userNameAndReport() {
    Open("Essay,02:00,00:30\r\n");
    QString preset;
    for (const char* button : {"ok", "cancel"}) {
        const auto watch = WhenModal([&](QWidget* dialog) {
            preset += dialog->windowTitle() + ": " + Field(dialog, "userName")->text() + ";";
            QVERIFY(Field(dialog, "userName")->isVisible());
            QGuiApplication::clipboard()->setText(QStringLiteral("night\nshift"));
            Field(dialog, "userName")->selectAll();
            QTest::keyClick(Field(dialog, "userName"), Qt::Key_V, Qt::ControlModifier);
            Click(dialog, button);
        });
        m_frame->Action("optionsUserName")->trigger();
    }
    QCOMPARE(preset, QStringLiteral("Set User Name: Pat;Set User Name: night shift;"));
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ordalune Tracker - night shift"));
    SeenBox seen;
    {
        const auto watch = AnswerBox(seen);
        m_frame->Action("fileReport")->trigger();
    }
    QCOMPARE(seen.text + "|" + seen.caption, QStringLiteral("Report saved to ORDALUNE.REP|Done"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QVERIFY(ReadBytes(m_dir->filePath("ORDALUNE.REP")).startsWith("Sun 12/6/26  9:59 AM\r\n\r\n    Essay"));
}

void TestGoalView::aboutAndHelp() {
    Open("");
    QStringList texts;
    {
        const auto watch = WhenModal([&](QWidget* about) {
            for (QLabel* label : about->findChildren<QLabel*>())
                if (label->isVisible())
                    texts << (label->pixmap().isNull() ? label->text() : QStringLiteral("picture"));
            about->close();
        });
        m_frame->Action("appAbout")->trigger();
    }
    QCOMPARE(texts, (QStringList{"picture", "picture", "Ordalune Tracker", "Version 1.1"}));
    Key(Qt::Key_F1, Qt::NoModifier);
    auto* help = m_frame->findChild<QDialog*>(QStringLiteral("HelpWindow"));
    QVERIFY(help != nullptr && help->isVisible());
    QVERIFY(help->findChild<QWidget*>() != nullptr);
}

QTEST_MAIN(TestGoalView)
#include "TestGoalView.moc"
