#include "support/Fixtures.h"
#include "support/ModalDriver.h"
#include "support/TestClock.h"
#include "ui/CGoalView.h"
#include "ui/CMainFrame.h"
#include "ui/GoalListBox.h"
#include "ui/GoalPainter.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <ctime>
#include <optional>

namespace {

// Answers every time's-up question with "stop"; can run code while the question is open.
class ScriptedHost final : public TimesUpHost {
public:
    void PlayAlert() override {}
    void BringToFront() override {}
    Answer AskTimesUp(const std::string&) override {
        if (whileAsking)
            whileAsking();
        return {0, "15"};
    }
    bool AskOverrun(const std::string&, const std::string&) override { return false; }
    void HandBack() override {}
    std::function<void()> whileAsking;
};

} // namespace

class TestGoalView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void captionAndInitialState();
    void paneAndSaveSchedule();
    void ticksDroppedWhileAsking();
    void statusTexts_data();
    void statusTexts();
    void fitsTheFrameToTheList();
    void statusPanesNeverCut();
    void suspendStopsClocksAndWarns();
    void suspendWithNothingRunningShowsNothing();
    void openReadsInPlace();
    void newTogglesToolbarAndTitle();
    void loadMessageShownWithAppCaption();
    void closingSavesOnce();
    void clockPaneFollowsTheMinute();
    void helpOpensAPage();

private:
    void WriteGoals(const QByteArray& goals) {
        QFile file(m_dir->filePath("Ordalune.cdf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("File Version : 1\r\nUser : Pat\r\n" + goals);
    }
    void Open() {
        m_frame = std::make_unique<CMainFrame>(m_dir->path().toStdString());
        m_view = m_frame->View();
        m_view->Timer().stop(); // the tests tick by hand
        m_view->SetHost(&m_host);
        m_view->OnInitialUpdate();
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }
    QString PaneText(int index) const { return m_frame->Pane(index)->text(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::shared_ptr<TestClock> m_clock;
    std::unique_ptr<CMainFrame> m_frame;
    CGoalView* m_view = nullptr;
    ScriptedHost m_host;
};

void TestGoalView::initTestCase() {
    qputenv("TZ", "UTC0");
    tzset();
    GoalPainter::RegisterFontSubstitutes();
}

void TestGoalView::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_clock = TestClock::Install(CTime(2026, 12, 6, 9, 59, 30).GetTime());
    m_host.whileAsking = nullptr;
}

void TestGoalView::cleanup() {
    if (m_frame)
        m_view->SetQuitting();
    m_frame.reset();
    TestClock::Uninstall();
}

void TestGoalView::captionAndInitialState() {
    WriteGoals("Essay,02:00,01:30\r\nGym,01:00,00:00\r\n");
    Open();
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ordalune Tracker - Pat"));
    QVERIFY(m_frame->ToolBar()->isHidden());
    QCOMPARE(m_view->Goals().GetCount(), 2);
    QCOMPARE(m_view->Goals().GetSelection(), 0);
    QCOMPARE(PaneText(0), QStringLiteral("Think ahead!"));
    QCOMPARE(PaneText(1), QStringLiteral(" Elapsed : 1:30 "));
    QCOMPARE(PaneText(2), QStringLiteral(" Remain : 1:30 "));
    QCOMPARE(PaneText(3), QStringLiteral(" Finish : 11:29 AM "));
    QCOMPARE(PaneText(4), QStringLiteral(" 9:59 AM "));
    QVERIFY(m_frame->Action("goalEdit")->isEnabled());
    QCOMPARE(m_frame->Action("goalDelete")->shortcuts().size(), 2);
}

void TestGoalView::paneAndSaveSchedule() {
    WriteGoals("Essay,02:00,01:30\r\n");
    Open();
    QSignalSpy panes(m_view, &CGoalView::statusTextsChanged);
    const QString bak = m_dir->filePath("ordalune.bak");
    for (unsigned tick = 1; tick <= 120; ++tick) {
        m_view->OnTimer();
        QCOMPARE(m_view->TickCount(), tick);
        QCOMPARE(panes.count(), static_cast<int>(tick / 15));
        // With no goal running, the file is still written every 60 ticks, and only then.
        QCOMPARE(QFile::exists(bak), tick >= 60);
    }
}

void TestGoalView::ticksDroppedWhileAsking() {
    WriteGoals("Out,01:00,00:01\r\n");
    Open();
    m_view->Goals().GetAt(0).ToggleRunning();
    m_clock->Advance(60);
    unsigned inside = 0;
    QString clockWhileAsking;
    m_host.whileAsking = [&] {
        QVERIFY(CGoalView::InTimer());
        for (int i = 0; i < 5; ++i) {
            m_clock->Advance(10);
            m_view->OnTimer(); // timer messages arriving while the question is open
        }
        inside = m_view->TickCount();
        clockWhileAsking = PaneText(4);
    };
    m_view->OnTimer();
    QCOMPARE(inside, 1u);
    QCOMPARE(m_view->TickCount(), 1u);
    QCOMPARE(clockWhileAsking, QStringLiteral(" 10:01 AM ")); // the clock pane still follows the time
    QVERIFY(!CGoalView::InTimer());
    QVERIFY(m_view->Goals().GetAt(0).IsDone());
    m_view->OnTimer();
    QCOMPARE(m_view->TickCount(), 2u);
}

void TestGoalView::statusTexts_data() {
    QTest::addColumn<QByteArray>("goals");
    QTest::addColumn<QString>("elapsed");
    QTest::addColumn<QString>("remain");
    QTest::addColumn<QString>("finish");
    QTest::newRow("placeholder") << QByteArray() << " Elapsed : 0:00 "
                                 << " Remain : 0:00 "
                                 << "";
    QTest::newRow("one leading zero") << QByteArray("a,10:12,00:07\r\n") << " Elapsed : 10:05 "
                                      << " Remain : 0:07 "
                                      << " Finish : 10:06 AM ";
    QTest::newRow("all done") << QByteArray("a,01:00,00:00\r\n") << " Elapsed : 1:00 "
                              << " Remain : 0:00 "
                              << "";
    QTest::newRow("days kept, time only")
        << QByteArray("a,40:00,30:00\r\nb,03:00,03:00\r\n") << " Elapsed : 10:00 "
        << " Remain : 33:00 "
        << " Finish : 6:59 PM ";
}

void TestGoalView::statusTexts() {
    QFETCH(QByteArray, goals);
    QFETCH(QString, elapsed);
    QFETCH(QString, remain);
    QFETCH(QString, finish);
    WriteGoals(goals);
    Open();
    QCOMPARE(PaneText(1), elapsed);
    QCOMPARE(PaneText(2), remain);
    QCOMPARE(PaneText(3), finish);
}

void TestGoalView::fitsTheFrameToTheList() {
    WriteGoals(
        "Essay,02:00,01:30\r\nGym,01:00,00:00\r\nA much longer goal name than the others,03:00,03:00\r\n"
        "d,1:00,1:00\r\ne,1:00,1:00\r\nf,1:00,1:00\r\n");
    Open();
    GoalListBox* list = m_view->ListBox();
    const QSize ideal = list->GetIdealSize();
    QCOMPARE(list->viewport()->width(), ideal.width());
    QCOMPARE(list->viewport()->height(), ideal.height() + 4);
    // After a change of the widest name the frame follows.
    m_view->Goals().GetAt(1).Set("A much longer goal name than the others, longer", Minutes(60), CTimeSpan());
    list->UpdateLayout();
    m_view->FitFrameToList();
    QCoreApplication::processEvents();
    QCOMPARE(list->viewport()->width(), list->GetIdealSize().width());
    QVERIFY(list->GetIdealSize().width() > ideal.width());
}

void TestGoalView::statusPanesNeverCut() {
    WriteGoals(""); // only the placeholder: a narrow list
    Open();
    QCoreApplication::processEvents();
    for (int pane = 1; pane <= 4; ++pane)
        QVERIFY2(m_frame->Pane(pane)->width() >= m_frame->Pane(pane)->minimumWidth(),
                 qPrintable(PaneText(pane)));
    QLabel* idle = m_frame->Pane(0);
    QVERIFY(idle->width() >= idle->fontMetrics().horizontalAdvance(idle->text()));
}

void TestGoalView::suspendStopsClocksAndWarns() {
    WriteGoals("a,1:00,1:00\r\nb,1:00,1:00\r\nc,1:00,1:00\r\nd,1:00,1:00\r\n");
    Open();
    for (int i = 0; i < 3; ++i)
        m_view->Goals().GetAt(i).ToggleRunning();
    bool stoppedFirst = false;
    SeenBox warning;
    const auto watch = AnswerBox(warning);
    m_view->OnPowerSuspend([&] {
        stoppedFirst = !m_view->Goals().GetAt(0).IsRunning() && !m_view->Goals().GetAt(2).IsRunning() &&
                       QApplication::activeModalWidget() == nullptr;
    });
    QVERIFY(stoppedFirst);
    QCOMPARE(warning.text, QStringLiteral("Before suspending the PC, running goals were stopped"));
    QCOMPARE(warning.caption, QStringLiteral("Ordalune Warning"));
    QCOMPARE(warning.icon, QMessageBox::NoIcon);
    for (int i = 0; i < 4; ++i)
        QVERIFY(!m_view->Goals().GetAt(i).IsRunning());
}

void TestGoalView::suspendWithNothingRunningShowsNothing() {
    WriteGoals("a,1:00,1:00\r\n");
    Open();
    bool released = false;
    bool boxSeen = false;
    const auto watch = WhenModal([&](QWidget* modal) {
        boxSeen = true;
        modal->close();
    });
    m_view->OnPowerSuspend([&] { released = true; });
    QTest::qWait(50);
    QVERIFY(released);
    QVERIFY(!boxSeen);
}

void TestGoalView::openReadsInPlace() {
    WriteGoals("Essay,02:00,01:30\r\nGym,01:00,00:00\r\n");
    Open();
    m_view->Goals().GetAt(0).ToggleRunning();
    QTest::keyClick(m_frame.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_view->Goals().GetCount(), 2);
    QVERIFY(!m_view->Goals().GetAt(0).IsRunning());
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ordalune Tracker - Pat"));
}

void TestGoalView::newTogglesToolbarAndTitle() {
    WriteGoals("Essay,02:00,01:30\r\n");
    Open();
    QStringList titles;
    connect(m_view, &CGoalView::documentTitleChanged, this, [&](const QString& title) { titles << title; });
    QTest::keyClick(m_frame.get(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(!m_frame->ToolBar()->isHidden());
    QCOMPARE(titles, (QStringList{"Untitled", "Pat"}));
    QCOMPARE(m_view->Goals().GetCount(), 1);
    QTest::keyClick(m_frame.get(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(m_frame->ToolBar()->isHidden());
}

void TestGoalView::loadMessageShownWithAppCaption() {
    QVERIFY(WriteBytes(m_dir->filePath("Ordalune.cdf"), "File Version : 2\r\nUser : Pat\r\n"));
    SeenBox refusal;
    QString askedWith;
    std::optional<ModalWatch> nameWatch;
    const auto watch = WhenModal([&](QWidget* modal) {
        refusal = {qobject_cast<QMessageBox*>(modal)->text(), modal->windowTitle(),
                   qobject_cast<QMessageBox*>(modal)->icon()};
        qobject_cast<QMessageBox*>(modal)->accept();
        // Then the name is asked for, once the program runs.
        nameWatch.emplace(WhenModal([&](QWidget* dialog) {
            askedWith = dialog->windowTitle() + ": " + dialog->findChild<QLineEdit*>()->text();
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        }));
    });
    Open();
    QVERIFY(
        refusal.text.startsWith("Incompatible ORDALUNE.CDF : incorrect version ... ignoring rest of file"));
    QCOMPARE(refusal.caption, QStringLiteral("Ordalune"));
    QCOMPARE(refusal.icon, QMessageBox::Warning);
    QTRY_COMPARE(askedWith, QStringLiteral("Set User Name: Please enter your name"));
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    // Cancelled: the prompt stays as the name, and the caption as it was.
    QCOMPARE(m_view->UserName(), std::string("Please enter your name"));
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ordalune Tracker - Untitled"));
}

void TestGoalView::closingSavesOnce() {
    WriteGoals("Essay,02:00,01:30\r\n");
    Open();
    m_view->Goals().GetAt(0).Set("Renamed", Minutes(120), Minutes(30));
    m_frame->close();
    QVERIFY(ReadBytes(m_dir->filePath("Ordalune.cdf")).contains("Renamed,02:00,00:30"));
    QVERIFY(ReadBytes(m_dir->filePath("ordalune.bak")).contains("Essay"));
    m_view->OnDestroy(); // a second close writes nothing more
    QVERIFY(ReadBytes(m_dir->filePath("ordalune.bak")).contains("Essay"));
}

void TestGoalView::clockPaneFollowsTheMinute() {
    WriteGoals("");
    Open();
    QCOMPARE(PaneText(4), QStringLiteral(" 9:59 AM "));
    m_clock->Advance(29);
    m_view->OnTimer();
    QCOMPARE(PaneText(4), QStringLiteral(" 9:59 AM "));
    m_clock->Advance(1);
    m_view->OnTimer();
    QCOMPARE(PaneText(4), QStringLiteral(" 10:00 AM "));
}

void TestGoalView::helpOpensAPage() {
    WriteGoals("");
    Open();
    QTest::keyClick(m_frame.get(), Qt::Key_F1);
    auto* help = m_frame->findChild<QDialog*>(QStringLiteral("HelpWindow"));
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QVERIFY(help->findChild<QWidget*>() != nullptr);
    help->close();
}

QTEST_MAIN(TestGoalView)
#include "TestGoalView.moc"
