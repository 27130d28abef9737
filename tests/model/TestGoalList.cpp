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

    void runsOutAtTheExactSecond_data() {
        QTest::addColumn<int>("remaining");
        QTest::addColumn<int>("step");
        QTest::newRow("1 s steps") << 60 << 1;
        QTest::newRow("one late tick") << 60 << 60;
        QTest::newRow("7 s steps") << 90 << 7;
        QTest::newRow("a long pause") << 60 << 3 * 86400;
    }

    // However the ticks fall, the goal runs out at the first tick at or after start + Remaining,
    // and the wheel turns one spoke a tick.
    void runsOutAtTheExactSecond() {
        QFETCH(int, remaining);
        QFETCH(int, step);
        Goal goal("g", CTimeSpan(remaining), CTimeSpan(remaining));
        QCOMPARE(goal.GetWheel().GetCurrent(), -1);
        goal.ToggleRunning();
        for (int tick = 0, passed = step;; ++tick, passed += step) {
            m_clock->Advance(step);
            const bool up = goal.Tick();
            QCOMPARE(up, passed >= remaining);
            QCOMPARE(goal.GetElapsed(), CTimeSpan(std::min(remaining, passed)));
            QCOMPARE(goal.GetWheel().GetCurrent(), tick % 12);
            if (up)
                break;
        }
        QCOMPARE(goal.GetRemaining(), CTimeSpan());
    }

    // A clock set back gives the time back; stopping drops the seconds since the last tick, and a
    // restart counts from the restart.
    void clockStepsAndStops() {
        Goal goal("g", Minutes(60), Minutes(30));
        goal.ToggleRunning();
        m_clock->Advance(10);
        QVERIFY(!goal.Tick());
        m_clock->Advance(-100);
        QVERIFY(!goal.Tick());
        QVERIFY(!goal.Tick()); // a second tick in the same second takes nothing
        QCOMPARE(goal.GetRemaining(), Minutes(30) + CTimeSpan(90));
        m_clock->Advance(40);
        goal.ToggleRunning();
        m_clock->Advance(500);
        goal.ToggleRunning();
        m_clock->Advance(5);
        goal.Tick();
        QCOMPARE(goal.GetRemainingText(), std::string("0:31"));
        QVERIFY(goal.IsRunning());
    }

    // Done is set at construction and left alone by Set; the bar follows the time spent.
    void doneMarkAndBar() {
        QVERIFY(Goal("a", Minutes(60), CTimeSpan()).IsDone());
        QVERIFY(!Goal("b", CTimeSpan(), CTimeSpan(1)).IsDone());
        Goal goal("g", Minutes(60), Minutes(45));
        goal.Set("h", Minutes(60), CTimeSpan());
        QVERIFY(!goal.IsDone());
        const auto fill = [&](CTimeSpan total, CTimeSpan remaining, int length) {
            goal.Set("h", total, remaining);
            return goal.GetBar().FillLength(length);
        };
        QCOMPARE(fill(Minutes(120), Minutes(80), 120), 40);
        QCOMPARE(goal.GetBar().GetPosition() + goal.GetBar().GetRange(), 160 * 60);
        QCOMPARE(fill(Minutes(120), Minutes(80), 0), 0);
        QCOMPARE(fill(CTimeSpan(1), CTimeSpan(), 99), 99);
        QCOMPARE(fill(Minutes(10), Minutes(20), 99), 0); // hand-edited: more left than planned
        QCOMPARE(fill(CTimeSpan(), CTimeSpan(), 99), 0);
    }

    void listSumsAndSelection() {
        GoalList list;
        QVERIFY(!list.SetSelection(0));
        QVERIFY(list.AddPlaceholderIfEmpty());
        QVERIFY(!list.AddPlaceholderIfEmpty());
        QVERIFY(GoalList::IsPlaceholder(list.GetAt(0)));
        QVERIFY(!GoalList::IsPlaceholder(Goal("no goals", CTimeSpan(), CTimeSpan())));
        QCOMPARE(list.Append(std::make_unique<Goal>("negative", Minutes(-30), CTimeSpan())), 1);
        QCOMPARE(list.GetMaxTotal(), CTimeSpan());
        QCOMPARE(list.Append(std::make_unique<Goal>("done", Minutes(120), CTimeSpan())), 2);
        QCOMPARE(list.Append(std::make_unique<Goal>("open", Minutes(60), Minutes(40))), 3);
        QCOMPARE(list.GetTotalRemaining(), Minutes(40));
        QCOMPARE(list.GetTotalElapsed(), Minutes(110));
        QCOMPARE(list.GetMaxTotal(), Minutes(120));
        QVERIFY(!list.SetSelection(4) && list.GetSelectedGoal() == nullptr && !list.SetSelection(-1));
        QVERIFY(list.SetSelection(2));
        QCOMPARE(list.Remove(0)->GetName(), std::string("No Goals"));
        QCOMPARE(list.GetSelectedGoal()->GetName(), std::string("done"));
        (void)list.Remove(2); // after the selection: it stays
        QCOMPARE(list.GetSelection(), 1);
        (void)list.Remove(1);
        QCOMPARE(list.GetSelection(), GoalList::kNoSelection);
        list.Clear();
        QVERIFY(list.IsEmpty());
    }

    void stopAllGoals() {
        GoalList list;
        for (int i = 0; i < 5; ++i)
            list.Append(std::make_unique<Goal>("g", Minutes(60), Minutes(60)));
        for (const int i : {0, 2, 4})
            list.GetAt(i).ToggleRunning();
        m_clock->Advance(30);
        QCOMPARE(list.StopAllGoals(), (std::vector<int>{0, 2, 4}));
        QVERIFY(list.StopAllGoals().empty());
        QCOMPARE(list.GetTotalRemaining(), Minutes(300)); // the untaken seconds are dropped
    }
};

QTEST_APPLESS_MAIN(TestGoalList)
#include "TestGoalList.moc"
