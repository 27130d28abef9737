#include "clock/TickGoals.h"
#include "model/GoalList.h"
#include "support/Fixtures.h"
#include "support/TestClock.h"
#include "ui/GoalListBox.h"

#include <QPaintEvent>
#include <QTest>

namespace {

// Records the region of every paint the list's viewport receives.
class PaintSpy final : public QObject {
public:
    explicit PaintSpy(QWidget* target) { target->installEventFilter(this); }
    QRegion painted;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++paints;
        }
        return false;
    }
};

class SilentHost final : public TimesUpHost {
public:
    void PlayAlert() override {}
    void BringToFront() override {}
    Answer AskTimesUp(const std::string&) override { return {0, "15"}; }
    bool AskOverrun(const std::string&, const std::string&) override { return false; }
    void HandBack() override {}
};

} // namespace

class TestGoalListBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { GoalPainter::RegisterFontSubstitutes(); }
    void init();
    void cleanup();

    void tickRepaintsOnlyWheelAndBar();
    void remainingTextRepaintedWhenItChanges();
    void doubleClickStopsTheOthers();
    void ctrlDoubleClickKeepsThemRunning();
    void doubleClickOnNothingLeft();
    void keysMoveTheSelection();
    void selectionRepaintsOnlyFrames();
    void idealSize();

private:
    void Settle() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        m_spy->painted = QRegion();
        m_spy->paints = 0;
    }
    void DoubleClick(int index, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPoint at = m_list->GetItemRect(index).center();
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, modifiers, at);
        QTest::mouseDClick(m_list->viewport(), Qt::LeftButton, modifiers, at);
    }

    std::shared_ptr<TestClock> m_clock;
    GoalList m_goals;
    std::unique_ptr<GoalListBox> m_list;
    std::unique_ptr<PaintSpy> m_spy;
    SilentHost m_host;
};

void TestGoalListBox::init() {
    m_clock = TestClock::Install(1'700'000'000 - 1'700'000'000 % 60); // on a whole minute
    m_goals.Clear();
    m_goals.Append(std::make_unique<Goal>("Essay", Minutes(120), Minutes(90)));
    m_goals.Append(std::make_unique<Goal>("Gym", Minutes(60), Minutes(60)));
    m_goals.Append(std::make_unique<Goal>("Done", Minutes(30), CTimeSpan()));
    m_list = std::make_unique<GoalListBox>(m_goals);
    m_list->UpdateLayout();
    m_list->ItemsChanged();
    m_list->resize(m_list->GetIdealSize() + QSize(0, 40));
    m_list->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
    m_spy = std::make_unique<PaintSpy>(m_list->viewport());
    Settle();
}

void TestGoalListBox::cleanup() {
    m_spy.reset();
    m_list.reset();
    TestClock::Uninstall();
}

void TestGoalListBox::tickRepaintsOnlyWheelAndBar() {
    m_goals.GetAt(0).Set("Essay", Minutes(120), Minutes(90) + CTimeSpan(30)); // 1:30 stays 1:30
    m_goals.GetAt(0).ToggleRunning();
    Settle();
    m_clock->Advance(1);
    const TickResult result = TickGoals(m_goals, m_host);
    m_list->RepaintTick(result);
    QCoreApplication::processEvents();
    const QRect item = m_list->GetItemRect(0);
    const GoalPainter& painter = m_list->Painter();
    const QRegion allowed = QRegion(painter.GetWheelRect(item)) + painter.GetBarRect(m_goals.GetAt(0), item);
    QVERIFY(m_spy->paints >= 1);
    QVERIFY2((m_spy->painted - allowed).isEmpty(), "a tick repainted more than the wheel and the bar");
    QVERIFY(m_spy->painted.contains(painter.GetWheelRect(item)));
    QVERIFY(!m_spy->painted.intersects(painter.GetRemainingRect(item)));
}

void TestGoalListBox::remainingTextRepaintedWhenItChanges() {
    m_goals.GetAt(0).ToggleRunning();
    int textRepaints = 0;
    const QRect remaining = m_list->Painter().GetRemainingRect(m_list->GetItemRect(0));
    for (int second = 0; second < 120; ++second) {
        Settle();
        m_clock->Advance(1);
        m_list->RepaintTick(TickGoals(m_goals, m_host));
        QCoreApplication::processEvents();
        if (m_spy->painted.intersects(remaining))
            ++textRepaints;
        QVERIFY(!m_spy->painted.intersects(m_list->GetItemRect(1)));
    }
    QCOMPARE(textRepaints, 2);
}

void TestGoalListBox::doubleClickStopsTheOthers() {
    m_goals.GetAt(0).ToggleRunning();
    DoubleClick(1);
    QCOMPARE(m_goals.GetSelection(), 1);
    QVERIFY(!m_goals.GetAt(0).IsRunning());
    QVERIFY(m_goals.GetAt(1).IsRunning());
    // A second double-click stops only that goal.
    m_goals.GetAt(0).ToggleRunning();
    DoubleClick(1);
    QVERIFY(!m_goals.GetAt(1).IsRunning());
    QVERIFY(m_goals.GetAt(0).IsRunning());
}

void TestGoalListBox::ctrlDoubleClickKeepsThemRunning() {
    m_goals.GetAt(0).ToggleRunning();
    DoubleClick(1, Qt::ControlModifier);
    QVERIFY(m_goals.GetAt(0).IsRunning());
    QVERIFY(m_goals.GetAt(1).IsRunning());
}

void TestGoalListBox::doubleClickOnNothingLeft() {
    m_goals.GetAt(0).ToggleRunning();
    DoubleClick(2); // no Remaining time: nothing happens, the others keep running
    QVERIFY(!m_goals.GetAt(2).IsRunning());
    QVERIFY(m_goals.GetAt(0).IsRunning());
    // Below the last item nothing is selected, so nothing starts.
    m_list->SetSelection(-1);
    QTest::mouseDClick(m_list->viewport(), Qt::LeftButton, Qt::NoModifier,
                       QPoint(5, m_list->viewport()->height() - 2));
    QCOMPARE(m_goals.GetSelection(), -1);
}

void TestGoalListBox::keysMoveTheSelection() {
    m_list->setFocus();
    m_list->SetSelection(0);
    QTest::keyClick(m_list.get(), Qt::Key_Down);
    QCOMPARE(m_goals.GetSelection(), 1);
    QTest::keyClick(m_list.get(), Qt::Key_End);
    QCOMPARE(m_goals.GetSelection(), 2);
    QTest::keyClick(m_list.get(), Qt::Key_Down);
    QCOMPARE(m_goals.GetSelection(), 2);
    QTest::keyClick(m_list.get(), Qt::Key_Home);
    QCOMPARE(m_goals.GetSelection(), 0);
    QTest::keyClick(m_list.get(), Qt::Key_Up);
    QCOMPARE(m_goals.GetSelection(), 0);
}

void TestGoalListBox::selectionRepaintsOnlyFrames() {
    m_list->SetSelection(0);
    Settle();
    m_list->SetSelection(1);
    QCoreApplication::processEvents();
    const QRect first = m_list->GetItemRect(0);
    // The item's contents are not repainted, only its one-pixel frame.
    QVERIFY(!m_spy->painted.intersects(first.adjusted(2, 2, -3, -2)));
    QVERIFY(m_spy->painted.intersects(QRect(first.left(), first.top(), 3, 1)));
    QImage image = m_list->viewport()->grab().toImage();
    const QRect second = m_list->GetItemRect(1);
    QCOMPARE(image.pixelColor(second.left(), second.center().y()), GoalPainter::kSelectedFrameColor);
    QCOMPARE(image.pixelColor(first.left(), first.center().y()), QColor(Qt::black));
}

void TestGoalListBox::idealSize() {
    const QSize ideal = m_list->GetIdealSize();
    QCOMPARE(ideal.height(), 3 * m_list->Painter().GetLineHeight());
    QCOMPARE(ideal.width(), m_list->Painter().GetItemSize().width());
    m_goals.Clear();
    QCOMPARE(m_list->GetIdealSize().height(), m_list->Painter().GetLineHeight());
}

QTEST_MAIN(TestGoalListBox)
#include "TestGoalListBox.moc"
