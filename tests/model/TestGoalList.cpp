#include "model/GoalList.h"
#include "support/Fixtures.h"
#include "support/TestClock.h"

#include <QTest>

// A goal counting down with the wall clock, and the list that holds the goals.
class TestGoalList : public QObject {
    Q_OBJECT

    std::shared_ptr<TestClock> m_clock;

private slots:
    void init() { m_clock = TestClock::Install(); }
    void cleanup() { TestClock::Uninstall(); }

    // A clock set back gives the time back; stopping drops the seconds since the last tick, and a
    // restart counts from the restart.
    void clockStepsAndStops() {
        Goal goal("g", Minutes(60), Minutes(30));
        goal.ToggleRunning();
        m_clock->Advance(10);
        QVERIFY(!goal.Tick());
        m_clock->Advance(-100);
        QVERIFY(!goal.Tick() && !goal.Tick()); // a second tick in the same second takes nothing
        QCOMPARE(goal.GetRemaining(), Minutes(30) + CTimeSpan(90));
        m_clock->Advance(40);
        goal.ToggleRunning();
        m_clock->Advance(500);
        goal.ToggleRunning();
        m_clock->Advance(5);
        goal.Tick();
        QCOMPARE(goal.GetRemainingText(), std::string("0:31"));
    }

    // Done is set at construction and left alone by Set; the bar follows the time spent.
    void doneMarkAndBar() {
        QVERIFY(Goal("a", Minutes(60), CTimeSpan()).IsDone() &&
                !Goal("b", CTimeSpan(), CTimeSpan(1)).IsDone());
        Goal goal("g", Minutes(60), Minutes(45));
        const auto fill = [&](CTimeSpan total, CTimeSpan remaining, int length) {
            goal.Set("h", total, remaining);
            return goal.GetBar().FillLength(length);
        };
        QCOMPARE(fill(Minutes(120), Minutes(80), 120), 40);
        QVERIFY(!goal.IsDone());
        QCOMPARE(fill(Minutes(120), Minutes(80), 0), 0);
        QCOMPARE(fill(CTimeSpan(1), CTimeSpan(), 99), 99);
        QCOMPARE(fill(Minutes(10), Minutes(20), 99), 0); // hand-edited: more left than planned
        QCOMPARE(fill(CTimeSpan(), CTimeSpan(), 99), 0);
    }
};

QTEST_APPLESS_MAIN(TestGoalList)
#include "TestGoalList.moc"
