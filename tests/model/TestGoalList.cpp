#include "model/GoalList.h"
#include "support/TestClock.h"

#include <QTest>

namespace {

std::unique_ptr<Goal> MakeGoal(const char* name, int totalMinutes, int remainingMinutes) {
    return std::make_unique<Goal>(name, CTimeSpan(totalMinutes * 60), CTimeSpan(remainingMinutes * 60));
}

} // namespace

class TestGoalList : public QObject {
    Q_OBJECT

private slots:
    void init() { m_clock = TestClock::Install(); }
    void cleanup() { TestClock::Uninstall(); }

    void sums();
    void placeholderOnly();
    void stopAllGoals();
    void selection();
    void removeMovesTheSelection();
    void maxTotalIgnoresNegatives();

private:
    std::shared_ptr<TestClock> m_clock;
};

void TestGoalList::sums() {
    GoalList list;
    QCOMPARE(list.GetTotalRemaining(), CTimeSpan());
    list.Append(MakeGoal("done", 120, 0));
    list.Append(MakeGoal("open", 60, 40));
    QCOMPARE(list.GetTotalRemaining(), CTimeSpan(40 * 60));
    QCOMPARE(list.GetTotalElapsed(), CTimeSpan(140 * 60));
}

void TestGoalList::placeholderOnly() {
    GoalList list;
    QVERIFY(list.AddPlaceholderIfEmpty());
    QVERIFY(!list.AddPlaceholderIfEmpty());
    QCOMPARE(list.GetCount(), 1);
    const Goal& placeholder = list.GetAt(0);
    QVERIFY(GoalList::IsPlaceholder(placeholder));
    QVERIFY(placeholder.IsDone());
    QCOMPARE(list.GetTotalRemaining(), CTimeSpan());
    QCOMPARE(list.GetTotalElapsed(), CTimeSpan());
    // Recognised by the exact name alone.
    QVERIFY(GoalList::IsPlaceholder(Goal("No Goals", CTimeSpan(600), CTimeSpan(60))));
    QVERIFY(!GoalList::IsPlaceholder(Goal("no goals", CTimeSpan(), CTimeSpan())));
}

void TestGoalList::stopAllGoals() {
    GoalList list;
    for (int i = 0; i < 5; ++i)
        list.Append(MakeGoal("g", 60, 60));
    QVERIFY(list.StopAllGoals().empty());

    for (const int i : {0, 2, 4})
        list.GetAt(i).ToggleRunning();
    m_clock->Advance(30);
    QCOMPARE(list.StopAllGoals(), (std::vector<int>{0, 2, 4}));
    for (int i = 0; i < list.GetCount(); ++i) {
        QVERIFY(!list.GetAt(i).IsRunning());
        QCOMPARE(list.GetAt(i).GetRemaining(), CTimeSpan(3600)); // the untaken seconds are dropped
    }
}

void TestGoalList::selection() {
    GoalList list;
    QCOMPARE(list.GetSelection(), GoalList::kNoSelection);
    QVERIFY(!list.SetSelection(0));
    list.Append(MakeGoal("a", 1, 1));
    list.Append(MakeGoal("b", 1, 1));
    QVERIFY(list.SetSelection(1));
    QCOMPARE(list.GetSelectedGoal()->GetName(), std::string("b"));
    QVERIFY(!list.SetSelection(2));
    QCOMPARE(list.GetSelection(), GoalList::kNoSelection);
    QVERIFY(list.GetSelectedGoal() == nullptr);
    QVERIFY(!list.SetSelection(-5));
}

void TestGoalList::removeMovesTheSelection() {
    GoalList list;
    for (const char* name : {"a", "b", "c"})
        list.Append(MakeGoal(name, 1, 1));
    list.SetSelection(2);
    auto removed = list.Remove(0);
    QCOMPARE(removed->GetName(), std::string("a"));
    QCOMPARE(list.GetSelection(), 1);
    QCOMPARE(list.GetSelectedGoal()->GetName(), std::string("c"));
    list.Remove(1);
    QCOMPARE(list.GetSelection(), GoalList::kNoSelection);
    QCOMPARE(list.GetCount(), 1);
}

void TestGoalList::maxTotalIgnoresNegatives() {
    GoalList list;
    QCOMPARE(list.GetMaxTotal(), CTimeSpan());
    list.Append(MakeGoal("neg", -30, 0));
    QCOMPARE(list.GetMaxTotal(), CTimeSpan());
    list.Append(MakeGoal("a", 90, 0));
    list.Append(MakeGoal("b", 30, 0));
    QCOMPARE(list.GetMaxTotal(), CTimeSpan(90 * 60));
}

QTEST_APPLESS_MAIN(TestGoalList)
#include "TestGoalList.moc"
