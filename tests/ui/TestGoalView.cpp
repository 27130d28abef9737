#include "support/Fixtures.h"
#include "support/ModalDriver.h"
#include "support/Reference.h"
#include "support/TestClock.h"
#include "ui/CGoalView.h"
#include "ui/CMainFrame.h"
#include "ui/GoalListBox.h"
#include "ui/HelpWindow.h"
#include "ui/TrayIcon.h"
#include "ui/WindowHost.h"

#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>

#include <ctime>
#include <optional>

namespace {

QLineEdit* Field(QWidget* dialog, const char* name) { return dialog->findChild<QLineEdit*>(name); }
void Retype(QWidget* dialog, const char* name, const QString& text) {
    Field(dialog, name)->setFocus(Qt::TabFocusReason);
    Field(dialog, name)->selectAll();
    QTest::keyClicks(Field(dialog, name), text);
}
void Click(QWidget* dialog, const char* button) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
}
// Each action's text and key, a separator as '-', a disabled action ending in '-'.
QString Items(const QList<QAction*>& actions) {
    QStringList items;
    for (QAction* a : actions)
        items << (a->isSeparator()
                      ? "-"
                      : a->text() + " " + a->shortcut().toString() + (a->isEnabled() ? "" : "-"));
    return items.join('|');
}
QString Said(const SeenBox& box) { return box.caption + ": " + box.text; }
} // namespace

// The main window with its goal view, driven through the real menus, keys, dialogs and timer.
class TestGoalView : public QObject {
    Q_OBJECT

    void Open(const QByteArray& goals, const QByteArray& header = "File Version : 1\r\nUser : Pat\r\n") {
        QVERIFY(WriteBytes(m_dir->filePath("Ordalune.cdf"), header + goals));
        m_frame = std::make_unique<CMainFrame>(m_dir->path().toStdString());
        m_view = m_frame->View();
        m_view->Timer().stop(); // the tests tick by hand
        m_view->OnInitialUpdate();
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        m_view->ListBox()->setFocus();
    }
    QString Describe() { return ::Describe(m_view->Goals()); }
    QString Pane(int index) const { return m_frame->PaneText(index); }
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
    void Tick(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            m_clock->Advance(1);
            m_view->OnTimer();
        }
    }
    QString Enabled() const {
        QString states;
        for (const char* name : {"goalEdit", "goalDelete", "goalStart", "goalStop", "goalFinish"})
            states += m_frame->Action(name)->isEnabled() ? '1' : '0';
        return states;
    }

    QTemporaryDir m_config;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::shared_ptr<TestClock> m_clock;
    std::unique_ptr<CMainFrame> m_frame;
    CGoalView* m_view = nullptr;
    std::optional<DialogGuard> m_guard;

private slots:
    void initTestCase() {
        // Choices go to a folder of this run's own, so no other copy of the tests shares them.
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        qputenv("TZ", "UTC0");
        tzset();
        GoalPainter::RegisterFontSubstitutes();
    }
    void init() {
        m_guard.emplace();
        m_dir = std::make_unique<QTemporaryDir>();
        m_clock = TestClock::Install(CTime(2026, 12, 6, 9, 59, 30).GetTime());
    }
    void cleanup() {
        CloseDialogs();
        if (m_frame)
            m_view->SetQuitting();
        m_frame.reset();
        m_guard.reset();
        TestClock::Uninstall();
    }

    // Title, menus with their keys, panes, the first selection, and a frame that fits the list;
    // Open reads the goals again in place.
    void startsWithTheFile() {
        Open("Essay,02:00,01:30\r\nGym,01:00,00:00\r\n");
        QCOMPARE(m_frame->windowTitle(), "Ordalune Tracker - Pat");
        QVERIFY(m_frame->ToolBar()->isHidden());
        QStringList menus;
        for (QAction* menu : m_frame->menuBar()->actions())
            menus << menu->text() << Items(menu->menu()->actions());
        QCOMPARE(
            menus.join('|'),
            "&File|&Open... Ctrl+O|&Save Ctrl+S|-|&Generate report |-|E&xit |&Goal|&Add ... Ctrl+A|&Edit ... "
            "Ctrl+E|&Delete Ctrl+D|-|&Start clock |&Stop clock -|-|&Finish Early Ctrl+F|&Options|&User name "
            "... |-|&Desktop notifications |&Tray icon |Stop clocks when the screen &locks |&Help|&Help "
            "Topics |-|&About Ordalune... ");
        QCOMPARE(m_view->Goals().GetSelection(), 0);
        QVERIFY(!m_view->ListBox()->UpdateLayout()); // laid out for the goals read
        QCOMPARE(
            QStringList({Pane(0), Pane(1), Pane(2), Pane(3), Pane(4)}).join('|'),
            QStringLiteral("Think ahead!| Elapsed : 1:30 | Remain : 1:30 | Finish : 11:29 AM | 9:59 AM "));
        GoalListBox* list = m_view->ListBox();
        // The frame fits a short list; wider for its panes, the items keep their own width.
        QCOMPARE(list->geometry(), m_view->rect());
        QCOMPARE(list->viewport()->height(), list->GetIdealSize().height() + 4);
        QCOMPARE(list->Painter().GetBarAreaRect(list->GetItemRect(1)).width(), 138);
        QVERIFY(WriteBytes(m_dir->filePath("Ordalune.cdf"),
                           "File Version : 1\r\nUser : Pat\r\nA much longer goal "
                           "name than any before it,40:00,30:00\r\nx,0:00,0:00\r\n"));
        m_view->Goals().GetAt(0).ToggleRunning();
        list->SetSelection(1);
        Key(Qt::Key_O);
        QCOMPARE(Describe(), "A much longer goal name than any before it 40:00/30:00, x 0:00/0:00 done");
        QVERIFY(!list->UpdateLayout());
        // Only the new selection is framed, and the first row is drawn anew.
        ShownAsRepainted(list->viewport());
        const QImage frames = list->viewport()->grab().toImage();
        QCOMPARE(frames.pixelColor(0, list->GetItemRect(0).center().y()), GoalPainter::kSelectedFrameColor);
        QCOMPARE(frames.pixelColor(0, list->GetItemRect(1).center().y()), QColor(Qt::black));
        QCOMPARE(Pane(1) + Pane(2) + Pane(3), " Elapsed : 10:00  Remain : 30:00  Finish : 3:59 PM ");
        QTRY_VERIFY(list->viewport()->width() >= list->GetIdealSize().width());
    }

    // The tray lists and stops the running goals and brings the window back; both choices are on
    // at first and kept for the next start.
    void trayAndChoices() {
        Open("Essay,02:00,01:30\r\nGym,01:00,00:30\r\n");
        m_frame->ConnectDesktop(nullptr);
        TrayIcon* tray = m_frame->Tray();
        QVERIFY(tray != nullptr);
        const QImage idle = tray->Icon().pixmap(32).toImage();
        QCOMPARE(tray->ToolTip(), "Ordalune Tracker\nNo clock is running");
        m_frame->Action("goalStart")->trigger();
        QCOMPARE(Items(tray->Menu()->actions()), "Stop Essay |-|Show Ordalune Tracker |Exit ");
        Tick(60);
        QCOMPARE(tray->ToolTip(), "Ordalune Tracker\nEssay: 1:29 left, done at 11:29 AM");
        QVERIFY(tray->Icon().pixmap(32).toImage() != idle); // coloured while a clock runs
        m_view->ListBox()->SetSelection(1);
        tray->Menu()->actions().first()->trigger();
        for (const int index : {-1, 0, 2}) // gone or stopped already: nothing happens
            m_view->StopGoal(index);
        QCOMPARE(Describe(), "Essay 2:00/1:29, Gym 1:00/0:30");
        QVERIFY(tray->Icon().pixmap(32).toImage() == idle && m_view->Goals().GetSelection() == 1);
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        tray->Activate();
        QTRY_VERIFY(m_frame->isMinimized());
        tray->Activate();
        QTRY_VERIFY(!m_frame->isMinimized());
        m_frame->Action("optionsStopOnLock")->trigger();
        m_frame->Action("goalStart")->trigger();
        m_view->OnAway(0);
        m_view->OnBack();                              // nothing waits: nothing is asked
        QVERIFY(m_view->Goals().GetAt(1).IsRunning()); // with that choice off, a lock changes nothing
        for (const char* choice : {"optionsStopOnLock", "optionsTray", "optionsNotifications"})
            m_frame->Action(choice)->trigger();
        QVERIFY(m_frame->Tray() == nullptr);
        Open("");
        QVERIFY(!m_frame->Action("optionsTray")->isChecked() &&
                !m_frame->Action("optionsNotifications")->isChecked());
        m_frame->Action("optionsTray")->trigger();
        m_frame->Action("optionsNotifications")->trigger();
        m_frame->ConnectDesktop(nullptr);
        m_frame->Tray()->Menu()->actions().last()->trigger(); // Exit, as File > Exit
        QVERIFY(!m_frame->isVisible());
    }

    // Back at the desk with the return question already open: nothing more is asked.
    void oneReturnQuestion() {
        Open("Essay,02:00,01:30\r\n");
        m_frame->Action("goalStart")->trigger();
        m_view->OnAway(0);
        const auto watch = WhenModal([&](QWidget* box) {
            m_view->OnBack();
            qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
        });
        m_view->OnBack();
        QCOMPARE(Describe(), "Essay 2:00/1:30 running");
    }

    // Panes every 15 ticks, the goal file every 60 even with nothing running, the clock pane at
    // the minute and on screen.
    void tickSchedule() {
        Open("Essay,02:00,01:30\r\n");
        QSignalSpy panes(m_view, &CGoalView::statusTextsChanged);
        for (unsigned tick = 1; tick <= 120; ++tick) {
            Tick(1);
            QCOMPARE(panes.count(), static_cast<int>(tick / 15));
            (void)m_view->File(); // saves are written in the background
            QCOMPARE(QFile::exists(m_dir->filePath("ordalune.bak")), tick >= 60);
            if (tick == 29 || tick == 30)
                QCOMPARE(Pane(4), tick == 29 ? QStringLiteral(" 9:59 AM ") : QStringLiteral(" 10:00 AM "));
        }
        ShownAsRepainted(m_frame->Pane(4));
    }

    // The real timer, Time's Up dialog and overrun question: the tick waits on them, timer messages
    // that arrive meanwhile are dropped while the clock pane moves on, and the frame follows the
    // new Total.
    void timeUpThroughTheDialogs() {
        Open("Out,00:30,00:01\r\nOther,01:00,01:00\r\n");
        m_frame->ConnectDesktop(nullptr);
        m_view->Goals().GetAt(0).ToggleRunning();
        m_view->Goals().GetAt(1).ToggleRunning();
        m_clock->Advance(60);
        QString whileOpen;
        SeenBox overrun;
        std::optional<ModalWatch> second;
        const auto watch = WhenModal([&](QWidget* dialog) {
            // Armed first, so the question that follows is answered even if a check here fails.
            second.emplace(
                [&](QWidget* box) {
                    overrun = {qobject_cast<QMessageBox*>(box)->text(), box->windowTitle()};
                    qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
                },
                dialog);
            m_clock->Advance(125);
            QTRY_COMPARE(Pane(4), " 10:02 AM ");
            QVERIFY(m_frame->Tray()->ToolTip().endsWith("Other: 1:00 left, done at 11:02 AM"));
            m_view->Timer().stop();
            whileOpen = dialog->windowTitle() + " " + Describe() + " " + QString::number(m_view->TickCount());
            QTest::mouseClick(Field(dialog, "minutes"), Qt::LeftButton);
            Retype(dialog, "minutes", "600");
            Click(dialog, "ok");
        });
        m_view->Timer().start(10);
        QTRY_VERIFY(!overrun.text.isEmpty() && !CGoalView::InTimer());
        QCOMPARE(whileOpen, "Time's Up! Out 0:30/0:00, Other 1:00/1:00 running 1");
        QCOMPARE(Said(overrun),
                 "Out: Over 2 minutes have passed since this goal's time was up.  Apply time to goal?");
        QCOMPARE(Describe(), "Out 10:32/10:00 running, Other 1:00/0:56 running");
        QCOMPARE(m_view->TickCount(), 1u);
        QCOMPARE(Pane(2), " Remain : 10:56 ");
        // Laid out again for the new largest Total: the other goal's bar shrinks to match.
        GoalListBox* list = m_view->ListBox();
        QCOMPARE(list->Painter().GetBarRect(m_view->Goals().GetAt(1), list->GetItemRect(1)).width(),
                 138 * 60 / 632);
        // A minimised or maximised window comes up, active, for the question and goes back after it.
        WindowHost host(m_frame.get(), m_view->ListBox());
        QWidget other;
        for (const Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized}) {
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            m_frame->setWindowState(state);
            host.BringToFront();
            QVERIFY(!(m_frame->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)));
            QTRY_VERIFY(m_frame->isActiveWindow());
            host.HandBack();
            QVERIFY(m_frame->windowState() & state);
        }
        m_frame->BringToFront();
        QVERIFY(!(m_frame->windowState() & Qt::WindowMaximized));
    }

    // New reads the goals again and shows or hides the toolbar, whose unused tools stay disabled;
    // a refused file's message comes with the program's name, then the name prompt.
    void newAndRefusedFile() {
        Open("Essay,02:00,01:30\r\n");
        QStringList titles;
        connect(m_view, &CGoalView::documentTitleChanged, this,
                [&](const QString& title) { titles << title; });
        Key(Qt::Key_N);
        QVERIFY(m_frame->ToolBar()->isVisible());
        QCOMPARE(m_frame->ToolBar()->iconSize(), QSize(16, 16)); // as drawn
        QCOMPARE(
            Items(m_frame->ToolBar()->actions()),
            "&New Ctrl+N|&Open... Ctrl+O|&Save Ctrl+S|-|Cut -|Copy -|Paste -|-|Print -|&About Ordalune... |"
            "What's &This? Shift+F1");
        Key(Qt::Key_N);
        QVERIFY(m_frame->ToolBar()->isHidden());
        QCOMPARE(titles.join('|') + " " + Describe(), "Untitled|Pat|Untitled|Pat Essay 2:00/1:30");
        SeenBox refusal;
        QString asked;
        std::optional<ModalWatch> nameWatch;
        const auto watch = WhenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            refusal = {box->text().section('\n', 0, 0), box->windowTitle(), box->icon()};
            box->accept();
            nameWatch.emplace(
                [&](QWidget* dialog) {
                    asked = dialog->windowTitle() + ": " + Field(dialog, "userName")->text();
                    QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
                },
                nullptr);
        });
        Open("", "File Version : 2\r\nUser : Pat\r\n");
        QCOMPARE(Said(refusal),
                 "Ordalune: Incompatible ORDALUNE.CDF : incorrect version ... ignoring rest of file");
        QCOMPARE(refusal.icon, QMessageBox::Warning);
        QTRY_COMPARE(asked, "Set User Name: Please enter your name");
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(m_frame->windowTitle(), "Ordalune Tracker - Untitled");
    }

    // Closing saves once; when that save fails the user chooses: keep the window open, or Retry.
    void exitSaveFailureAsks() {
        Open("Essay,02:00,01:30\r\n");
        m_view->Goals().GetAt(0).Set("Renamed", Minutes(120), Minutes(30));
        QVERIFY(QDir(m_dir->path()).mkdir("Ordalune.cdf.new")); // in the way of every save
        SeenBox seen;
        {
            const auto watch = WhenModal([&](QWidget* box) {
                seen = {qobject_cast<QMessageBox*>(box)->text(), box->windowTitle()};
                QTest::keyClick(box, Qt::Key_Escape);
            });
            QVERIFY(!m_frame->close());
        }
        QVERIFY(m_frame->isVisible() && m_view->Timer().isActive());
        QCOMPARE(Said(seen), "File Error: Your goals could not be saved.\n\nIs a directory");
        const auto watch = WhenModal([&](QWidget* box) {
            QVERIFY(QDir(m_dir->filePath("Ordalune.cdf.new")).removeRecursively());
            qobject_cast<QMessageBox*>(box)->buttons().at(0)->click(); // Retry
        });
        QVERIFY(m_frame->close());
        QVERIFY(ReadBytes(m_dir->filePath("Ordalune.cdf")).contains("Renamed,02:00,00:30"));
        QVERIFY(m_view->OnDestroy()); // once only: nothing more is written
        QVERIFY(ReadBytes(m_dir->filePath("ordalune.bak")).contains("Essay"));
    }

    // A name pasted with its line breaks and tabs stays on one line; Enter in the Total field
    // takes the typed time; the prompts alone add a done goal; Cancel adds nothing.
    void addThroughTheDialog() {
        Open("");
        QString seen;
        WithDialog(Qt::Key_A, [&](QWidget* dialog) {
            // Laid out as a form: each field below the one before.
            QVERIFY(Field(dialog, "name")->y() < Field(dialog, "total")->y() &&
                    Field(dialog, "total")->y() < Field(dialog, "remaining")->y());
            seen = dialog->windowTitle() + "|" + Field(dialog, "name")->selectedText() + "|" +
                   Field(dialog, "total")->text();
            QGuiApplication::clipboard()->setText(QStringLiteral("Line one\nLine\ttwo\r\n"));
            QTest::keyClick(Field(dialog, "name"), Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(Field(dialog, "total"), "1.5");
            QTest::keyClick(Field(dialog, "total"), Qt::Key_Return);
        });
        QCOMPARE(seen, "Add Goal|Enter the title of your goal|Hours:Mins");
        QCOMPARE(Pane(2), " Remain : 1:30 ");
        WithDialog(Qt::Key_A, [&](QWidget* dialog) { Click(dialog, "cancel"); });
        WithDialog(Qt::Key_A, [&](QWidget* dialog) { Click(dialog, "ok"); });
        QCOMPARE(Describe(), "Line one Line two   1:30/1:30, Enter the title of your goal 0:00/0:00 done");
        m_view->SaveGoals();
        (void)m_view->File();
        QVERIFY(
            ReadBytes(m_dir->filePath("Ordalune.cdf")).contains("\r\nLine one Line two  ,01:30,01:30\r\n"));
    }

    void leaveRules_data() {
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("shown");
        // clang-format off
        const std::tuple<const char*, const char*, const char*> rows[] = {
            {"larger grows Remaining", "2:00", "2:00/1:15"}, {"smaller keeps its text", "1:00", "1:00/00:45"},
            {"below Remaining", "0:30", "0:30/0:30"}, {"decimal hours", "1.5", "1:30/00:45"},
            {"a day and more", "26", "26:00/25:15"}};
        // clang-format on
        for (const auto& [name, total, shown] : rows)
            QTest::newRow(name) << total << shown;
    }
    // Leaving the Total field applies its rule; leaving the Remaining field reformats it; a
    // Remaining time above the Total is refused and the dialog stays. The first row is drawn anew.
    void leaveRules() {
        QFETCH(QString, total);
        QFETCH(QString, shown);
        Open("Essay,01:30,00:45\r\n");
        QStringList seen;
        SeenBox refusal;
        std::optional<ModalWatch> box;
        WithDialog(Qt::Key_E, [&](QWidget* dialog) {
            const auto fields = [&] {
                return Field(dialog, "total")->text() + "/" + Field(dialog, "remaining")->text();
            };
            seen << dialog->windowTitle() + " " + fields();
            Retype(dialog, "total", total);
            Field(dialog, "remaining")->setFocus(Qt::TabFocusReason);
            seen << fields();
            Retype(dialog, "remaining", "99:75");
            Field(dialog, "name")->setFocus(Qt::TabFocusReason);
            seen << fields();
            box.emplace(
                [&](QWidget* modal) {
                    refusal = {qobject_cast<QMessageBox*>(modal)->text(), modal->windowTitle()};
                    qobject_cast<QMessageBox*>(modal)->accept();
                },
                dialog);
            Click(dialog, "ok"); // returns once the refusal is answered
            Retype(dialog, "remaining", "0:10");
            Click(dialog, "ok");
        });
        QCOMPARE(seen.join(' '),
                 "Edit Goal 01:30/00:45 " + shown + " " + shown.section('/', 0, 0) + "/100:15");
        QCOMPARE(Said(refusal), "Ordalune: The Remaining time must not exceed the Total time");
        QCOMPARE(Describe(), "Essay " + shown.section('/', 0, 0) + "/0:10");
        ShownAsRepainted(m_view->ListBox()->viewport());
    }

    // Edit, Delete, Start, Stop and Finish Early follow the selected goal; the placeholder allows
    // none of them, even called straight; Delete asks and moves the selection.
    void commandsFollowTheSelection() {
        Open("");
        QCOMPARE(Enabled(), "00000");
        bool opened = false;
        {
            const auto watch = WhenModal([&](QWidget*) { opened = true; });
            for (const int key : {Qt::Key_E, Qt::Key_D, Qt::Key_F})
                Key(key);
            m_view->OnGoalEdit();
            m_view->OnGoalStart();
            m_view->OnGoalStop();
            m_view->OnFinishEarly();
        }
        QVERIFY(!opened);
        QCOMPARE(Describe(), "No Goals 0:00/0:00 done");
        Open("no goals,2:00,0:45\r\nb,1:00,1:00\r\nc,1:00,1:00\r\n");
        QCOMPARE(Enabled(), "11101");
        m_frame->Action("goalStart")->trigger();
        QCOMPARE(Enabled(), "11011");
        m_view->ListBox()->SetSelection(1);
        m_frame->Action("goalStart")->trigger();
        m_clock->Advance(29 * 60 + 31);
        m_view->OnTimer();
        Key(Qt::Key_F); // on a running goal: stopped, Total cut to the time spent
        QCOMPARE(Describe(), QStringLiteral("no goals 2:00/0:15 running, b 0:29/0:00 done, c 1:00/1:00"));
        QCOMPARE(Enabled(), "11000");
        m_view->ListBox()->SetSelection(0);
        m_frame->Action("goalStop")->trigger();
        QCOMPARE(Enabled(), "11101");
        const auto remove = [&](QMessageBox::StandardButton button, int key,
                                Qt::KeyboardModifiers modifiers) {
            SeenBox seen;
            const auto watch = AnswerBox(seen, button);
            Key(key, modifiers);
            return Said(seen) + " " + QString::number(m_view->Goals().GetSelection()) + " " + Describe();
        };
        m_view->ListBox()->SetSelection(1);
        QCOMPARE(remove(QMessageBox::No, Qt::Key_D, Qt::ControlModifier).left(24),
                 "b: Delete this goal? 1 n");
        QCOMPARE(remove(QMessageBox::Yes, Qt::Key_Delete, Qt::NoModifier),
                 "b: Delete this goal? 1 no goals 2:00/0:15, c 1:00/1:00");
        QCOMPARE(remove(QMessageBox::Yes, Qt::Key_D, Qt::ControlModifier),
                 "c: Delete this goal? 0 no goals 2:00/0:15");
        QCOMPARE(remove(QMessageBox::Yes, Qt::Key_D, Qt::ControlModifier),
                 "no goals: Delete this goal? -1 No Goals 0:00/0:00 done");
        QCOMPARE(Pane(3), QString());
        // In a list longer than the screen, a deletion shortens the scroll range by its row.
        QByteArray many;
        for (int i = 0; i < 60; ++i)
            many += "g" + QByteArray::number(i) + ",1:00,1:00\r\n";
        Open(many);
        const QScrollBar* bar = m_view->ListBox()->verticalScrollBar();
        const int range = bar->maximum();
        m_view->ListBox()->SetSelection(59);
        (void)remove(QMessageBox::Yes, Qt::Key_Delete, Qt::NoModifier);
        QCOMPARE(bar->maximum(), range - m_view->ListBox()->Painter().GetLineHeight());
    }

    // The user name, pasted with a line break, and the report; then About and Help.
    void userNameReportAboutAndHelp() {
        Open("Essay,02:00,00:30\r\n");
        QString preset;
        for (const char* button : {"ok", "cancel"}) {
            const auto watch = WhenModal([&](QWidget* dialog) {
                preset += dialog->windowTitle() + ": " + Field(dialog, "userName")->text() + ";";
                QGuiApplication::clipboard()->setText(QStringLiteral("night\nshift"));
                Field(dialog, "userName")->selectAll();
                QTest::keyClick(Field(dialog, "userName"), Qt::Key_V, Qt::ControlModifier);
                Click(dialog, button);
            });
            m_frame->Action("optionsUserName")->trigger();
        }
        QCOMPARE(preset + m_frame->windowTitle(),
                 "Set User Name: Pat;Set User Name: night shift;Ordalune Tracker - night shift");
        SeenBox seen;
        {
            const auto watch = AnswerBox(seen);
            m_frame->Action("fileReport")->trigger();
        }
        QCOMPARE(Said(seen) + QString::number(seen.icon), "Done: Report saved to ORDALUNE.REP0");
        QVERIFY(
            ReadBytes(m_dir->filePath("ORDALUNE.REP")).startsWith("Sun 12/6/26  9:59 AM\r\n\r\n    Essay"));
        QStringList texts;
        {
            const auto watch = WhenModal([&](QWidget* about) {
                for (QLabel* label : about->findChildren<QLabel*>())
                    if (label->isVisible())
                        texts << (label->pixmap().isNull() ? label->text() : QStringLiteral("picture"));
                // The title stands centred in the room right of the icon.
                const QRect icon = about->findChild<QLabel*>("icon")->geometry();
                const QRect title = about->findChildren<QLabel*>().at(2)->geometry();
                QVERIFY(std::abs(title.center().x() - (icon.right() + about->width()) / 2) < 20);
                about->close();
            });
            m_frame->Action("appAbout")->trigger();
        }
        QCOMPARE(texts.join('|'), "picture|picture|Ordalune Tracker|Version 1.1");
        Key(Qt::Key_F1, Qt::NoModifier);
        auto* help = m_frame->findChild<HelpWindow*>();
        QVERIFY(help != nullptr && help->isVisible());
        QVERIFY(help->Browser()->toPlainText().contains("Ordalune"));
    }
};

QTEST_MAIN(TestGoalView)
#include "TestGoalView.moc"
