// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/GoalSession.h"
#include "session/Settings.h"
#include "support/Fixtures.h"
#include "support/ModalDriver.h"
#include "support/Reference.h"
#include "support/TestClock.h"
#include "ui/CGoalView.h"
#include "ui/CMainFrame.h"
#include "ui/GoalListBox.h"
#include "ui/HelpWindow.h"
#include "ui/ProgramStyle.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolTip>
#include <QWhatsThis>

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

// The main window with its goal view, driven through the real menus, keys, dialogs and timer. The
// rules behind the commands are the session's, checked in its own test.
class TestGoalView : public QObject {
    Q_OBJECT

    void Open(const QByteArray& goals, const QByteArray& header = "File Version : 1\r\nUser : Pat\r\n") {
        QVERIFY(WriteBytes(m_dir->filePath("Ordalune.cdf"), header + goals));
        Close();
        m_session = std::make_unique<GoalSession>(m_dir->path().toStdString());
        m_session->Timer().stop(); // the tests tick by hand
        m_frame = std::make_unique<CMainFrame>(*m_session, *m_settings);
        m_view = m_frame->View();
        m_session->LoadNow();
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        m_view->ListBox()->setFocus();
    }
    void Close() {
        if (m_session)
            m_session->SetQuitting();
        m_frame.reset();
        m_session.reset();
    }
    GoalList& Goals() { return m_session->Goals(); }
    QString Describe() { return ::Describe(Goals()); }
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
    QString Enabled() const {
        QString states;
        for (const char* name : {"goalEdit", "goalDelete", "goalStart", "goalStop", "goalFinish"})
            states += m_frame->Action(name)->isEnabled() ? '1' : '0';
        return states;
    }

    QTemporaryDir m_config;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::shared_ptr<TestClock> m_clock;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<GoalSession> m_session;
    std::unique_ptr<CMainFrame> m_frame;
    CGoalView* m_view = nullptr;
    std::optional<DialogGuard> m_guard;

private slots:
    void initTestCase() {
        // Choices go to a file of this run's own, so no other copy of the tests shares them.
        m_settings = std::make_unique<Settings>(m_config.filePath("choices.conf"));
        qputenv("TZ", "UTC0"), tzset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); // weeks start on Monday
        GoalPainter::RegisterFontSubstitutes();
        QApplication::setStyle(new ProgramStyle);
    }
    void init() {
        m_guard.emplace();
        m_dir = std::make_unique<QTemporaryDir>();
        m_clock = TestClock::Install(CTime(2026, 12, 6, 9, 59, 30).GetTime());
    }
    void cleanup() { CloseDialogs(), Close(), m_guard.reset(), TestClock::Uninstall(); }

    // Title, menus with their keys, panes, the first selection, and a frame that fits the list;
    // Open reads the goals again in place.
    void startsWithTheFile() {
        Open("Essay,02:00,01:30\r\nGym,01:00,00:00\r\n");
        QCOMPARE(m_frame->windowTitle(), "Ordalune Tracker - Pat");
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get())); // as first shown: its bars, panes and size
        MatchesReference(m_frame->grab().toImage(), "mainwindow.png");
        QStringList menus;
        for (QAction* menu : m_frame->menuBar()->actions())
            menus << menu->text() << Items(menu->menu()->actions());
        QCOMPARE(
            menus.join('|'),
            "&File|&Open... Ctrl+O|&Save Ctrl+S|-|&Generate report |Export &history... |-|E&xit |&Goal|"
            "&Add ... Ctrl+A|&Edit ... Ctrl+E|&Delete Ctrl+D|-|&Start clock |&Stop clock -|-|&Finish Early "
            "Ctrl+F|-|&History... Ctrl+H|&Options|&User name ... |-|&Desktop notifications |&Tray icon |"
            "Stop clocks when the screen &locks |Warn when a budget is &nearly spent |&Help|&Help Topics |-|"
            "&About Ordalune... ");
        for (const char* choice : {"optionsTray", "optionsTray", "optionsNotifications"}) // kept as made
            m_frame->Action(choice)->trigger();
        QVERIFY(m_frame->Action("optionsStopOnLock")->isChecked() && m_settings->TrayIcon());
        QVERIFY(!m_settings->Notifications());
        m_session->StartJournal(); // File > Export history writes where and as the user chose
        const auto exporting = WhenModal([&](QWidget* dialog) {
            QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down); // JSON
            Field(dialog, "fileNameEdit")->setText(m_dir->filePath("history"));
            QTest::keyClick(Field(dialog, "fileNameEdit"), Qt::Key_Return);
        });
        m_frame->Action("fileExportHistory")->trigger();
        QTRY_COMPARE(ReadBytes(m_dir->filePath("history.json")), "[]\n");
        QCOMPARE(m_frame->statusBar()->currentMessage(),
                 "The history was exported to " + m_dir->filePath("history.json") + ".");
        m_frame->statusBar()->clearMessage(); // gone after a while
        const QImage idle = m_frame->statusBar()->grab(m_frame->Pane(0)->geometry()).toImage();
        m_frame->statusBar()->showMessage(Pane(0)); // a prompt stands just where the idle text stood
        QCOMPARE(m_frame->statusBar()->grab(m_frame->Pane(0)->geometry()).toImage(), idle);
        m_frame->statusBar()->clearMessage();
        QStringList read; // each pane named, its text read as its description, and explained
        for (int pane = 1; pane < 5; ++pane) {
            QAccessibleInterface* described = QAccessible::queryAccessibleInterface(m_frame->Pane(pane));
            read << described->text(QAccessible::Name) + ":" + described->text(QAccessible::Description);
            QVERIFY(!m_frame->Pane(pane)->whatsThis().isEmpty());
        }
        QCOMPARE(read.join('|'),
                 "Elapsed:Elapsed : 1:30|Remain:Remain : 1:30|Finish:Finish : 11:29 AM|Clock:9:59 AM");
        GoalListBox* list = m_view->ListBox();
        QVERIFY(WriteBytes(m_dir->filePath("Ordalune.cdf"),
                           "File Version : 1\r\nUser : Pat\r\nA much longer "
                           "goal name than any before it,40:00,30:00\r\nx,0:00,0:00\r\n"));
        Goals().GetAt(0).ToggleRunning();
        list->SetSelection(1);
        SeenBox asked;
        const auto watch = AnswerBox(asked, QMessageBox::No); // a running clock has counted since
        Key(Qt::Key_O);
        QCOMPARE(asked.text, "Save the goals before reading the goal file again?");
        QTRY_COMPARE(Describe(), "A much longer goal name than any before it 40:00/30:00, x 0:00/0:00 done");
        // Only the new selection is framed, and the first row is drawn anew; the list has the keys
        // again, so its frame is solid.
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        list->setFocus();
        QTRY_VERIFY(list->hasFocus());
        ShownAsRepainted(list->viewport());
        const QImage frames = list->viewport()->grab().toImage();
        QCOMPARE(frames.pixelColor(0, list->GetItemRect(0).center().y()), GoalPainter::kSelectedFrameColor);
        QCOMPARE(Pane(1) + Pane(2) + Pane(3), " Elapsed : 10:00  Remain : 30:00  Finish : 3:59 PM ");
        QTRY_VERIFY(list->viewport()->width() >= list->GetIdealSize().width());
        // The clock pane moves with the time of day, on screen too.
        m_clock->Advance(30);
        m_session->Tick();
        QCOMPARE(Pane(4), " 10:00 AM ");
        ShownAsRepainted(m_frame->Pane(4));
        // Digits that change alone are drawn again, and not the words before them, measured anew
        // in a new font.
        Goals().GetAt(0).ToggleRunning();
        m_frame->Pane(2)->setFont(QFont(m_frame->Pane(2)->font().family(), -1, QFont::Bold));
        m_clock->Advance(60);
        for (int tick = 0; tick < 15; ++tick)
            m_session->Tick(); // a first text in it, the pane widened for it
        QCoreApplication::processEvents();
        const PaintSpy remainPaints(m_frame->Pane(2));
        m_clock->Advance(60);
        for (int tick = 0; tick < 15; ++tick)
            m_session->Tick();
        QCOMPARE(Pane(2), " Remain : 29:58 ");
        QCoreApplication::processEvents();
        const QFont bold = m_frame->Pane(2)->font(); // the words, after the frame and half an 'x'
        QCOMPARE(remainPaints.painted.boundingRect().left(),
                 static_cast<int>(QFontMetricsF(bold).horizontalAdvance(" Remain : ")) +
                     QFontMetrics(bold).horizontalAdvance('x') / 2);
        ShownAsRepainted(m_frame->Pane(2));
        const QImage words = m_frame->Pane(2)->grab(QRect(4, 2, 40, 12)).toImage(); // drawn whole too
        QVERIFY(words != words.copy(0, 0, 1, 1).scaled(words.size()));
        Goals().GetAt(0).ToggleRunning();
        QWhatsThis::enterWhatsThisMode(); // its prompt stays while the panes are brought up to date
        for (int tick = 0; tick < 15; ++tick)
            m_session->Tick();
        QCOMPARE(Pane(0), "Select an object on which to get Help");
        QWhatsThis::leaveWhatsThisMode();
        // Narrowed, the idle text gives way.
        m_frame->resize(m_frame->width() - m_frame->Pane(0)->width() + 20, m_frame->height());
        QTRY_VERIFY(m_frame->Pane(0)->width() < m_frame->Pane(0)->sizeHint().width());
        const int narrowed = m_frame->width();
        m_session->EditSelected(Goals().GetAt(0).GetName(), Minutes(2400), Minutes(1799)); // no column moves
        QCOMPARE(m_frame->width(), narrowed);
        // Low on the screen it is brought up just until its frame ends at the screen's last row.
        m_frame->move(m_frame->x(), m_frame->screen()->availableGeometry().bottom() - 10);
        m_frame->FitFrameToList();
        QCOMPARE(m_frame->frameGeometry().bottom(), m_frame->screen()->availableGeometry().bottom());
        CMainFrame unseen(*m_session, *m_settings); // fitted before it shows, its bars allowed for
        unseen.FitFrameToList();
        QVERIFY(unseen.height() == m_frame->height() && !unseen.Action("goalStop")->isEnabled());
    }

    // A minimised, maximised or full-screen window comes up, active, for the time's-up question and
    // goes back as it was after it.
    void comesUpForTheQuestion() {
        Open("Out,00:30,00:01\r\n");
        for (const Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized, Qt::WindowFullScreen}) {
            m_frame->setWindowState(state);
            m_view->Asker().BringToFront();
            QTRY_VERIFY(m_frame->isActiveWindow() && !(m_frame->windowState() & state));
            m_view->Asker().HandBack();
            QCOMPARE(m_frame->windowState(), state);
        }
    }

    // New reads the goals again and shows or hides the toolbar, whose unused tools stay disabled;
    // a file with no user name asks for one.
    void newShowsTheToolbar() {
        Open("Essay,02:00,01:30\r\n");
        QStringList titles;
        connect(m_frame.get(), &QWidget::windowTitleChanged, this,
                [&](const QString& title) { titles << title.section(" - ", 1); });
        Key(Qt::Key_N);
        QTRY_COMPARE(titles.size(), 2);
        QVERIFY(m_frame->ToolBar()->isVisible());
        MatchesReference(m_frame->ToolBar()->grab().toImage(), "toolbar.png"); // its icons, at their size
        QCOMPARE(
            Items(m_frame->ToolBar()->actions()),
            "&New Ctrl+N|&Open... Ctrl+O|&Save Ctrl+S|-|Cut -|Copy -|Paste -|-|Print -|&About Ordalune... |"
            "What's &This? Shift+F1");
        Key(Qt::Key_N);
        QVERIFY(m_frame->ToolBar()->isHidden());
        QTRY_COMPARE(titles.join('|') + " " + Describe(), "Untitled|Pat|Untitled|Pat Essay 2:00/1:30");
        SeenBox asked; // a file with no user name: it is asked once the list is painted
        const auto watch = WhenModal([&](QWidget* dialog) {
            asked.text = dialog->windowTitle() + ": " + Field(dialog, "userName")->text();
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        });
        Open("", "File Version : 1\r\nUser :\r\n");
        QTRY_COMPARE(asked.text, "Set User Name: Please enter your name");
    }

    // A name pasted with its line breaks and tabs stays on one line; Enter in the Total field
    // takes the typed time; the prompts alone add a done goal; Cancel adds nothing. A budget set
    // to renew shows in the status bar and in the dialog that edits it.
    void addThroughTheDialog() {
        Open("");
        QString seen;
        WithDialog(Qt::Key_A, [&](QWidget* dialog) {
            seen = dialog->windowTitle() + "|" + Field(dialog, "name")->selectedText() + "|" +
                   Field(dialog, "total")->text();
            QGuiApplication::clipboard()->setText(QStringLiteral("Line one\nLine\ttwo\r\n"));
            QTest::keyClick(Field(dialog, "name"), Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(Field(dialog, "total"), "1.5");
            auto* carry = dialog->findChild<QWidget*>("carryOver");
            seen += QString::number(carry->isEnabled());
            for (const int key : {Qt::Key_Down, Qt::Key_Down})
                QTest::keyClick(dialog->findChild<QWidget*>("renewEvery"), key);
            QTest::keyClick(carry, Qt::Key_Space);
            QTest::keyClick(Field(dialog, "total"), Qt::Key_Return);
        });
        QCOMPARE(seen, "Add Goal|Enter the title of your goal|Hours:Mins0");
        Key(Qt::Key_Home, Qt::NoModifier);
        QCOMPARE(Pane(0), "Renews every Monday \u2014 this week 0:00 of 1:30 spent");
        WithDialog(Qt::Key_E, [&](QWidget* dialog) {
            auto* every = qobject_cast<QComboBox*>(dialog->findChild<QWidget*>("renewEvery"));
            every->setFocus(); // laid out as drawn before, with no caret to blink
            MatchesReference(dialog->grab().toImage(), "goaldialog.png");
            seen = every->currentText() + " " +
                   QString::number(dialog->findChild<QCheckBox*>("carryOver")->isChecked());
            QTest::keyClick(every, Qt::Key_Home);
            Click(dialog, "ok");
        });
        QCOMPARE(seen + Pane(0) + Pane(2), "week 1Think ahead! Remain : 1:30 ");
        WithDialog(Qt::Key_A, [&](QWidget* dialog) { // the placeholder's name is no goal's
            Field(dialog, "name")->setText(QStringLiteral(" No Goals\u2029"));
            SeenBox refused;
            const auto box = AnswerBox(refused, QMessageBox::Ok, dialog);
            Click(dialog, "ok");
            QTRY_VERIFY(refused.text.startsWith("\"No Goals\" is what the list shows when it holds no goal"));
            QTRY_VERIFY(QApplication::activeModalWidget() == dialog);
            QVERIFY(Field(dialog, "name")->selectedText() == Field(dialog, "name")->text() &&
                    dialog->focusWidget() == Field(dialog, "name")); // to be typed over
            Click(dialog, "cancel");
        });
        WithDialog(Qt::Key_A, [&](QWidget* dialog) { Click(dialog, "ok"); });
        QCOMPARE(Describe(), "Line one Line two 1:30/1:30, Enter the title of your goal 0:00/0:00 done");
        m_session->Save();
        m_session->Flush();
        QVERIFY(ReadBytes(m_dir->filePath("Ordalune.cdf")).contains("\r\nLine one Line two,01:30,01:30\r\n"));
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
        Open("Essay,01:30,00:45\r\nOther,01:00,00:30\r\n"); // its bar follows the largest Total
        QStringList seen;
        SeenBox refusal;
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
            const auto box = AnswerBox(refusal, QMessageBox::Ok, dialog);
            Click(dialog, "ok");                            // returns once the refusal is answered
            seen << Field(dialog, "name")->selectedText() + // to be typed over
                        (dialog->focusWidget() == Field(dialog, "name") ? "" : "?");
            Retype(dialog, "remaining", shown.section('/', 0, 0)); // as much as the Total: taken
            Click(dialog, "ok");
        });
        QCOMPARE(seen.join(' '),
                 "Edit Goal 01:30/00:45 " + shown + " " + shown.section('/', 0, 0) + "/100:15 Essay");
        QCOMPARE(Said(refusal), "Ordalune: The Remaining time must not exceed the Total time");
        QCOMPARE(Describe(),
                 "Essay " + shown.section('/', 0, 0) + "/" + shown.section('/', 0, 0) + ", Other 1:00/0:30");
        ShownAsRepainted(m_view->ListBox()->viewport());
    }

    // Edit, Delete, Start, Stop and Finish Early are enabled as the selected goal allows, and follow
    // the selection; Delete asks; a list longer than the screen fits it with the window's frame,
    // and a deletion shortens the scroll range by its row.
    void commandsFollowTheSelection() {
        Open("");
        QCOMPARE(Enabled(), "00000");
        QByteArray many;
        for (int i = 0; i < 60; ++i)
            many += "g" + QByteArray::number(i) + ",1:00,1:00\r\n";
        Close();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        Open(QByteArray(400, 'W') + ",1:00,0:00\r\n" + many);
        // Wider and longer than the screen: from the first show the window, title bar included, fits the
        // screen and the list scrolls.
        QTRY_VERIFY(area.contains(m_frame->frameGeometry()));
        QVERIFY(m_frame->frameGeometry().height() == area.height() && Enabled() == "11000");
        m_view->ListBox()->SetSelection(1);
        QCOMPARE(Enabled(), "11101");
        m_frame->Action("goalStart")->trigger();
        QCOMPARE(Enabled(), "11011");
        Key(Qt::Key_F);
        QCOMPARE(Enabled(), "11000");
        const QScrollBar* bar = m_view->ListBox()->verticalScrollBar();
        const int range = bar->maximum();
        m_view->ListBox()->SetSelection(60);
        SeenBox seen;
        const auto watch = AnswerBox(seen, QMessageBox::Yes);
        Key(Qt::Key_Delete, Qt::NoModifier);
        QCOMPARE(Said(seen) + " " + QString::number(Goals().GetCount()), "g59: Delete this goal? 60");
        QCOMPARE(bar->maximum(), range - m_view->ListBox()->Painter().GetLineHeight());
    }

    // The user name, pasted with a line break; then About and Help.
    // One name longer than the room never pushes the times out of the window: on a screen too
    // narrow for it (1280 px when run as test_longname_1280), every goal's Remaining time, bar
    // and finish time lie inside the window, and the long name is drawn cut in its middle, its
    // whole self in the tooltip. A wider window gives the name more room.
    void longNameKeepsTimesInView() {
        QByteArray goals;
        for (int i = 0; i < 30; ++i)
            goals += (i == 0 ? "Write " + QByteArray(194, 'w') : "Goal " + QByteArray::number(i)) +
                     ",120:00,95:30\r\n";
        Open(goals);
        for (int i = 0; i < 30; ++i)
            Goals().GetAt(i).ToggleRunning(); // finish times shown
        GoalListBox* list = m_view->ListBox();
        const QRect window(list->viewport()->mapTo(m_frame.get(), QPoint()), list->viewport()->size());
        QVERIFY(m_frame->rect().contains(window) &&
                m_frame->width() <= m_frame->screen()->availableGeometry().width());
        const GoalPainter& painter = list->Painter();
        for (int i = 0; i < 30; ++i) {
            const QRect item = list->GetItemRect(i);
            for (const QRect& part :
                 {painter.GetRemainingRect(item), painter.GetBarRect(Goals().GetAt(i), item),
                  painter.GetFinishRect(Goals().GetAt(i), item)})
                QVERIFY(part.left() >= 0 && part.right() < list->viewport()->width());
        }
        const QString shown = painter.GetShownName(Goals().GetAt(0));
        QVERIFY(shown.startsWith("Write www") && shown.contains(QChar(0x2026)) && shown.endsWith("www"));
        QCOMPARE(painter.GetShownName(Goals().GetAt(6)), "Goal 6");
        // No ink of the long name inside the Remaining time's column.
        const QImage drawn = list->viewport()->grab().toImage();
        const QRect remaining = painter.GetRemainingRect(list->GetItemRect(0));
        for (int x = remaining.left(); x <= remaining.right(); ++x)
            for (int y = remaining.top(); y <= remaining.bottom(); ++y)
                QVERIFY(drawn.pixelColor(x, y) != GoalPainter::kNameColor);
        QHelpEvent tip(QEvent::ToolTip, list->GetItemRect(0).center(),
                       list->viewport()->mapToGlobal(list->GetItemRect(0).center()));
        QApplication::sendEvent(list->viewport(), &tip);
        QTRY_COMPARE(QToolTip::text(), QString::fromStdString(Goals().GetAt(0).GetName()));
        const int before = painter.GetNameRect(list->GetItemRect(0)).width();
        m_frame->resize(m_frame->width() + 300, m_frame->height());
        QTRY_VERIFY(painter.GetNameRect(list->GetItemRect(0)).width() >
                    std::min(before, painter.GetNameWidth(Goals().GetAt(0)) - 300));
        QVERIFY(painter.GetNameRect(list->GetItemRect(0)).width() <= painter.GetNameWidth(Goals().GetAt(0)));
    }

    void userNameAboutAndHelp() {
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
        QStringList texts;
        const auto watch = WhenModal([&](QWidget* about) {
            for (QLabel* label : about->findChildren<QLabel*>())
                if (label->isVisible())
                    texts << (label->pixmap().isNull() ? label->text() : QStringLiteral("picture"));
            // Laid out as it always was, the icon and the banner drawn for the screen's pixel density.
            MatchesReference(about->grab().toImage(),
                             about->devicePixelRatioF() > 1 ? "about-2x.png" : "about.png");
            about->close();
        });
        m_frame->Action("appAbout")->trigger();
        QCOMPARE(texts.join('|'), "picture|picture|Ordalune Tracker|Version 1.1");
        Key(Qt::Key_F1, Qt::NoModifier);
        auto* help = m_frame->findChild<HelpWindow*>();
        QVERIFY(help != nullptr && help->isVisible() && help->Browser()->toPlainText().contains("Ordalune"));
        // The History window's F1 opens it at the section on the window.
        QCOMPARE(help->Browser()->verticalScrollBar()->value(), 0);
        m_frame->ShowHelpAt(QStringLiteral("history"));
        QVERIFY(help->Browser()->verticalScrollBar()->value() > 0);
        const QString line = help->Browser()->cursorForPosition(QPoint(10, 10)).block().text();
        QVERIFY(line.startsWith("Where the time went"));
    }
};

QTEST_MAIN(TestGoalView)
#include "TestGoalView.moc"
