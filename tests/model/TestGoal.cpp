#include "model/Goal.h"
#include "support/Fixtures.h"
#include "support/TestClock.h"

#include <QTest>

class TestGoal : public QObject {
    Q_OBJECT

private slots:
    void init() { m_clock = TestClock::Install(); }
    void cleanup() { TestClock::Uninstall(); }

    void doneFollowsRemainingAtConstruction();
    void setLeavesDoneAlone();
    void timeUpAtTheExactSecond_data();
    void timeUpAtTheExactSecond();
    void longPauseStopsAtZero();
    void clockSetBackGivesTimeBack();
    void twoTicksInOneSecond();
    void startAndStopChangeNothing();
    void barFollowsTheTicks();
    void wheelTurnsOneSpokeATick();
    void remainingTextDropsSeconds();

private:
    std::shared_ptr<TestClock> m_clock;
};

void TestGoal::doneFollowsRemainingAtConstruction() {
    QVERIFY(Goal("a", Minutes(60), CTimeSpan()).IsDone());
    QVERIFY(!Goal("b", CTimeSpan(), Minutes(1)).IsDone());
    QVERIFY(!Goal("c", Minutes(60), CTimeSpan(1)).IsDone());
    QVERIFY(!Goal("d", Minutes(60), Minutes(30)).IsRunning());
}

void TestGoal::setLeavesDoneAlone() {
    Goal open("a", Minutes(60), Minutes(30));
    open.Set("b", Minutes(60), CTimeSpan());
    QVERIFY(!open.IsDone());
    QCOMPARE(open.GetName(), std::string("b"));

    Goal done("c", Minutes(60), CTimeSpan());
    done.Set("c", Minutes(60), Minutes(10));
    QVERIFY(done.IsDone());
}

void TestGoal::timeUpAtTheExactSecond_data() {
    QTest::addColumn<int>("remaining");
    QTest::addColumn<int>("step");
    QTest::newRow("1 min, 1 s steps") << 60 << 1;
    QTest::newRow("1 min, one late tick") << 60 << 60;
    QTest::newRow("90 s, 7 s steps") << 90 << 7;
    QTest::newRow("2 h, 61 s steps") << 7200 << 61;
}

// However the ticks fall, the goal runs out at the first tick at or after start + Remaining.
void TestGoal::timeUpAtTheExactSecond() {
    QFETCH(int, remaining);
    QFETCH(int, step);

    Goal goal("g", CTimeSpan(remaining), CTimeSpan(remaining));
    const std::int64_t start = m_clock->Now();
    goal.ToggleRunning();
    for (;;) {
        m_clock->Advance(step);
        const bool up = goal.Tick();
        const std::int64_t passed = m_clock->Now() - start;
        QCOMPARE(up, passed >= remaining);
        QCOMPARE(goal.GetRemaining().GetTotalSeconds(),
                 static_cast<int>(std::max<std::int64_t>(0, remaining - passed)));
        if (up)
            break;
    }
}

void TestGoal::longPauseStopsAtZero() {
    Goal goal("g", Minutes(60), Minutes(1));
    goal.ToggleRunning();
    m_clock->Advance(3 * 86400);
    QVERIFY(goal.Tick());
    QCOMPARE(goal.GetRemaining(), CTimeSpan());
    QCOMPARE(goal.GetElapsed(), Minutes(60));
}

void TestGoal::clockSetBackGivesTimeBack() {
    Goal goal("g", Minutes(60), Minutes(30));
    goal.ToggleRunning();
    m_clock->Advance(10);
    QVERIFY(!goal.Tick());
    QCOMPARE(goal.GetRemaining(), Minutes(30) - CTimeSpan(10));
    m_clock->Advance(-100);
    QVERIFY(!goal.Tick());
    QCOMPARE(goal.GetRemaining(), Minutes(30) + CTimeSpan(90));
}

void TestGoal::twoTicksInOneSecond() {
    Goal goal("g", Minutes(60), Minutes(30));
    goal.ToggleRunning();
    m_clock->Advance(1);
    goal.Tick();
    const int spoke = goal.GetWheel().GetCurrent();
    const CTimeSpan left = goal.GetRemaining();
    goal.Tick();
    QCOMPARE(goal.GetRemaining(), left);
    QCOMPARE(goal.GetWheel().GetCurrent(), spoke + 1);
}

void TestGoal::startAndStopChangeNothing() {
    Goal goal("g", Minutes(60), Minutes(30));
    goal.ToggleRunning();
    goal.ToggleRunning();
    QVERIFY(!goal.IsRunning());
    QCOMPARE(goal.GetRemaining(), Minutes(30));

    // Seconds since the last tick are dropped on stop, and a restart counts from the restart.
    goal.ToggleRunning();
    m_clock->Advance(40);
    goal.ToggleRunning();
    m_clock->Advance(500);
    goal.ToggleRunning();
    m_clock->Advance(5);
    goal.Tick();
    QCOMPARE(goal.GetRemaining(), Minutes(30) - CTimeSpan(5));
}

void TestGoal::barFollowsTheTicks() {
    Goal goal("g", Minutes(60), Minutes(45));
    QCOMPARE(goal.GetBar().GetPosition(), 15 * 60);
    QCOMPARE(goal.GetBar().GetRange(), 60 * 60);
    goal.ToggleRunning();
    m_clock->Advance(300);
    goal.Tick();
    QCOMPARE(goal.GetBar().GetPosition(), 20 * 60);
    QCOMPARE(goal.GetBar().FillLength(120), 40);
    goal.Set("g", Minutes(120), Minutes(0));
    QCOMPARE(goal.GetBar().FillLength(99), 99);
}

void TestGoal::wheelTurnsOneSpokeATick() {
    Goal goal("g", Minutes(60), Minutes(60));
    QCOMPARE(goal.GetWheel().GetCurrent(), -1);
    goal.ToggleRunning();
    for (int tick = 0; tick < 25; ++tick) {
        goal.Tick();
        QCOMPARE(goal.GetWheel().GetCurrent(), tick % 12);
    }
}

void TestGoal::remainingTextDropsSeconds() {
    QCOMPARE(Goal("g", Minutes(90), CTimeSpan(3659)).GetRemainingText(), std::string("1:00"));
    QCOMPARE(Goal("g", Minutes(90), CTimeSpan(59)).GetRemainingText(), std::string("0:00"));
    QCOMPARE(Goal("g", Minutes(2000), Minutes(26 * 60 + 5)).GetRemainingText(), std::string("26:05"));
}

QTEST_APPLESS_MAIN(TestGoal)
#include "TestGoal.moc"
