// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/TickGoals.h"
#include "session/GoalSession.h"
#include "support/Fixtures.h"
#include "support/Reference.h"
#include "support/SilentHost.h"
#include "support/TestClock.h"
#include "ui/CGoalView.h"
#include "ui/GoalListBox.h"

#include <QPainter>

// The goal list on screen, in the view that connects it to the session: its layout and pixels,
// what it repaints, and the mouse and keys.
class TestGoalListBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qputenv("TZ", "UTC0"), tzset(); // the finish times drawn
        GoalPainter::RegisterFontSubstitutes();
        m_session.Timer().stop();
    }
    void init() {
        m_clock = TestClock::Install(1'700'000'000 - 1'700'000'000 % 60); // on a whole minute
        m_goals.Clear();
        m_goals.Append(std::make_unique<Goal>("Essay", Minutes(120), Minutes(60)));
        m_goals.Append(std::make_unique<Goal>("Gym", Minutes(60), Minutes(60)));
        m_goals.Append(std::make_unique<Goal>("Done & dusted", Minutes(30), CTimeSpan()));
        m_view = std::make_unique<CGoalView>(m_session, nullptr);
        m_list = m_view->ListBox();
        m_list->UpdateLayout();
        m_list->ItemsChanged();
        m_view->resize(m_list->GetIdealSize());
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        m_spy = std::make_unique<PaintSpy>(m_list->viewport());
        Settle();
    }
    void cleanup() { m_spy.reset(), m_view.reset(), TestClock::Uninstall(); }
    // Open, running and done goals, names in other scripts and with accented capitals, a Remaining
    // time of 499 hours and its bar half filled, items as wide as the list, the focus frame with
    // nothing selected, then the selection frame, the wheel's every turn and a bar one pixel square,
    // against a reference picture. Both frames leave the screen with what they show. A character
    // just past the table of Latin advances is measured like any other.
    void drawing() {
        m_goals.Append(std::make_unique<Goal>("Caf\xc3\xa9 e\xcc\x81t\xc3\xa9", Minutes(200), Minutes(5)));
        // Accents above capitals stay whole; every hour digit is shown.
        m_goals.Append(std::make_unique<Goal>("\xc3\x89tude \xc3\x91"
                                              "and\xc3\xba gy",
                                              Minutes(60'000), Minutes(29'999)));
        m_goals.GetAt(1).ToggleRunning();
        QVERIFY(m_list->UpdateLayout() && !m_list->UpdateLayout());
        m_view->resize(m_list->GetIdealSize() + QSize(40, 0)); // items span a wider list
        m_list->activateWindow();
        m_list->setFocus();
        m_list->SetSelection(2);
        m_list->SetSelection(-1); // the focus frame stays on the caret, item 2
        QTRY_VERIFY(m_list->hasFocus());
        ShownAsRepainted(m_list->viewport());
        const QImage focused = Grab();
        m_list->clearFocus();
        QTRY_VERIFY(!m_list->hasFocus());
        ShownAsRepainted(m_list->viewport());
        m_list->SetSelection(0);
        ShownAsRepainted(m_list->viewport());
        QImage sheet(std::max(focused.width(), 13 * 24), 2 * focused.height() + 22, QImage::Format_RGB32);
        sheet.fill(Qt::darkBlue);
        QPainter painter(&sheet);
        painter.drawImage(0, 0, focused);
        painter.drawImage(0, focused.height(), Grab());
        ClockWheel wheel;
        for (int turn = 0; turn < 13; ++turn, wheel.Advance())
            painter.drawImage(turn * 24, 2 * focused.height(), Painter().WheelImage(wheel, QSize(24, 22)));
        GoalPainter::DrawBar(painter, ProgressBar(), QRect(0, sheet.height() - 5, 1, 5), false);
        painter.end();
        QVERIFY(Painter().GetNameWidth(Goal("\xc9\x90", Minutes(1), Minutes(1))) > 0); // U+0250
        MatchesReference(sheet, "goallist.png");
    }
    // A tick repaints the wheel, the bar when its fill moves, the Remaining text once a minute and the
    // finish time when it moved; a new
    // selection repaints only the one-pixel frames. After a run of such ticks, the screen shows what a full
    // repaint draws.
    void repaintsOnlyWhatChanged() {
        m_goals.GetAt(0).Set("Essay", Minutes(120), Minutes(60) + CTimeSpan(30));
        m_goals.GetAt(0).ToggleRunning();
        m_list->viewport()->update(); // shown running, as when its clock is started in the window
        const QRect item = Item(0);
        const QRect remaining = Painter().GetRemainingRect(item);
        int textRepaints = 0, barRepaints = 0, finishRepaints = 0;
        for (int second = 0; second < 130; ++second) {
            Settle();
            m_clock->Advance(1);
            if (second == 50) // the time of day moves on, and the finish time with it
                m_clock->Set(m_clock->Now() + 120);
            emit m_session.ticked(TickGoals(m_goals, m_host)); // as the session tells the view
            QCoreApplication::processEvents();
            const QRegion allowed = QRegion(Painter().GetWheelRect(item)) +
                                    Painter().GetBarRect(m_goals.GetAt(0), item) + remaining +
                                    Painter().GetFinishRect(m_goals.GetAt(0), item);
            QVERIFY((m_spy->painted - allowed).isEmpty());
            QVERIFY(m_spy->painted.contains(Painter().GetWheelRect(item)));
            textRepaints += m_spy->painted.intersects(remaining) ? 1 : 0;
            barRepaints += m_spy->painted.intersects(Painter().GetBarRect(m_goals.GetAt(0), item)) ? 1 : 0;
            finishRepaints +=
                m_spy->painted.intersects(Painter().GetFinishRect(m_goals.GetAt(0), item)) ? 1 : 0;
        }
        QCOMPARE(QList<int>({textRepaints, barRepaints, finishRepaints}), QList<int>({2, 3, 1}));
        ShownAsRepainted(m_list->viewport());
        m_list->SetSelection(0);
        Settle();
        m_list->SetSelection(1);
        QCoreApplication::processEvents();
        QVERIFY(!m_spy->painted.intersects(item.adjusted(2, 2, -3, -2)));
        QVERIFY(m_spy->painted.contains(QRect(item.left(), item.top(), item.width() - 1, 1)));
        QVERIFY(m_spy->painted.contains(QRect(0, Item(1).bottom(), 10, 1)));
        // Two clocks side by side tick as one rectangle: the selection's dotted line between them stays.
        m_goals.GetAt(1).ToggleRunning();
        m_list->clearFocus();                      // the selection dotted
        for (int second = 0; second < 2; ++second) // the second tick turns the wheels alone
            Settle(), m_clock->Advance(1), emit m_session.ticked(TickGoals(m_goals, m_host));
        QCoreApplication::processEvents();
        QCOMPARE(m_spy->painted, QRegion(Painter().GetWheelRect(Item(0)) | Painter().GetWheelRect(Item(1))));
        ShownAsRepainted(m_list->viewport());
        m_list->InvalidateClock(3); // no such goal: nothing to repaint
    }

    // A double-click starts the goal and stops the others, unless Ctrl is held; a second one stops
    // it; a goal with nothing left, or no goal, does not start.
    void doubleClickStartsAndStops() {
        const auto running = [&] {
            QString states;
            for (int i = 0; i < m_goals.GetCount(); ++i)
                states += m_goals.GetAt(i).IsRunning() ? 'R' : '-';
            return states + QString::number(m_goals.GetSelection());
        };
        m_goals.GetAt(0).ToggleRunning();
        DoubleClick(1);
        ShownAsRepainted(m_list->viewport()); // the stopped goal's wheel and the old frames are gone
        QCOMPARE(running(), QStringLiteral("-R-1"));
        Settle();
        DoubleClick(0, Qt::ControlModifier);
        QCoreApplication::processEvents();
        QVERIFY(m_spy->painted.contains(Painter().GetWheelRect(Item(0)))); // the wheel shows at once
        QCOMPARE(running(), QStringLiteral("RR-0"));
        DoubleClick(1);
        DoubleClick(2);
        QCOMPARE(running(), "R--2");
        QTest::mouseDClick(m_list->viewport(), Qt::RightButton, Qt::NoModifier, Item(0).center());
        m_list->SetSelection(-1);
        const QPoint below(5, Item(2).bottom() + 2); // no row there
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, Qt::NoModifier, below);
        QTest::mouseDClick(m_list->viewport(), Qt::LeftButton, Qt::NoModifier, below);
        QCOMPARE(running(), "R---1");
    }
    void keysMoveTheSelection() {
        for (int i = 0; i < 20; ++i)
            m_goals.Append(std::make_unique<Goal>("more", Minutes(1), Minutes(1)));
        m_list->ItemsChanged();
        m_view->resize(m_list->width(), Painter().GetLineHeight() * 5);
        m_list->activateWindow();
        m_list->setFocus();
        QStringList seen;
        for (const int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up,
                              Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Up, Qt::Key_End,
                              Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_PageUp}) {
            QTest::keyClick(m_list, static_cast<Qt::Key>(key));
            seen << QString::number(m_goals.GetSelection()) +
                        (key == Qt::Key_End ? "@" + QString::number(Item(22).bottom()) : "");
        }
        // The last item scrolled into view, and back.
        QCOMPARE(seen.join(' '),
                 QStringLiteral("0 1 0 0 0 5 10 5 4 22@%1 22 22 0 0").arg(m_list->viewport()->height() - 1));
        QCOMPARE(Item(0).top(), 0);
        // Fewer items than the caret's place: it comes back into the list, with its focus frame.
        QTest::keyClick(m_list, Qt::Key_End);
        m_goals.Clear();
        m_goals.Append(std::make_unique<Goal>("one", Minutes(1), Minutes(1)));
        m_list->ItemsChanged();
        QTRY_VERIFY(m_list->hasFocus());
        m_list->viewport()->repaint();
        QCOMPARE(Grab().pixelColor(0, Item(0).center().y()), GoalPainter::kFocusFrameColor);
        // The names column narrows when its widest name goes; an empty list keeps one line.
        m_list->UpdateLayout();
        const QSize one = m_list->GetIdealSize();
        m_goals.Append(std::make_unique<Goal>("a much longer name", Minutes(1), Minutes(1)));
        QVERIFY(m_list->UpdateLayout() && m_list->GetIdealSize().width() > one.width() && m_goals.Remove(1));
        QVERIFY(m_list->UpdateLayout() && m_list->GetIdealSize() == one && m_goals.Remove(0));
        QVERIFY(m_list->UpdateLayout() && m_list->GetIdealSize().height() == one.height());
    }

private:
    void Settle() { QCoreApplication::processEvents(), m_spy->painted = QRegion(); }
    QImage Grab() { return m_list->viewport()->grab().toImage(); }
    void DoubleClick(int index, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPoint at = m_list->GetItemRect(index).center();
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, modifiers, at);
        QTest::mouseDClick(m_list->viewport(), Qt::LeftButton, modifiers, at);
    }
    const GoalPainter& Painter() const { return m_list->Painter(); }
    QRect Item(int index) const { return m_list->GetItemRect(index); }

    std::shared_ptr<TestClock> m_clock;
    GoalSession m_session;
    GoalList& m_goals = m_session.Goals();
    std::unique_ptr<CGoalView> m_view;
    GoalListBox* m_list = nullptr;
    std::unique_ptr<PaintSpy> m_spy;
    SilentHost m_host;
};

QTEST_MAIN(TestGoalListBox)
#include "TestGoalListBox.moc"
