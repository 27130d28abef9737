#include "clock/TickGoals.h"
#include "support/Fixtures.h"
#include "support/TestClock.h"

#include <QTest>

#include <deque>
#include <functional>

namespace {

// Answers from a script; each answer may move the clock on, as a user taking time would.
class ScriptedHost final : public TimesUpHost {
public:
    struct Step {
        int choice = 0;
        std::string minutes = "15";
        std::int64_t thinkSeconds = 0;
        bool overrunYes = false;
    };

    explicit ScriptedHost(std::shared_ptr<TestClock> clock) : m_clock(std::move(clock)) {}

    void PlayAlert() override { calls.push_back("alert"); }
    void BringToFront() override { calls.push_back("front"); }
    Answer AskTimesUp(const std::string& goalName) override {
        calls.push_back("ask " + goalName);
        const Step step = script.empty() ? Step{} : script.front();
        if (!script.empty())
            script.pop_front();
        m_clock->Advance(step.thinkSeconds);
        m_overrunYes = step.overrunYes;
        if (duringDialog)
            duringDialog();
        return {step.choice, step.minutes};
    }
    bool AskOverrun(const std::string& goalName, const std::string& question) override {
        calls.push_back("overrun " + goalName);
        questions.push_back(question);
        return m_overrunYes;
    }
    void HandBack() override { calls.push_back("back"); }

    std::deque<Step> script;
    std::vector<std::string> calls;
    std::vector<std::string> questions;
    std::function<void()> duringDialog;

private:
    std::shared_ptr<TestClock> m_clock;
    bool m_overrunYes = false;
};

} // namespace

class TestTickGoals : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_clock = TestClock::Install();
        m_host = std::make_unique<ScriptedHost>(m_clock);
    }
    void cleanup() { TestClock::Uninstall(); }

    void countsDownWithoutAsking();
    void okAtOnceMarksDone();
    void continueAddsMinutes_data();
    void continueAddsMinutes();
    void overrunQuestion_data();
    void overrunQuestion();
    void workedExample();
    void twoGoalsOutInOneTick();
    void othersFrozenWhileAsking();
    void remainingTextRepaintOncePerMinute();

private:
    GoalList OneRunning(CTimeSpan total, CTimeSpan remaining) {
        GoalList list;
        list.Append(std::make_unique<Goal>("Essay", total, remaining));
        list.GetAt(0).ToggleRunning();
        return list;
    }

    std::shared_ptr<TestClock> m_clock;
    std::unique_ptr<ScriptedHost> m_host;
};

void TestTickGoals::countsDownWithoutAsking() {
    GoalList list = OneRunning(Minutes(60), Minutes(2));
    list.Append(std::make_unique<Goal>("Idle", Minutes(60), Minutes(60)));
    m_clock->Advance(119);
    const TickResult result = TickGoals(list, *m_host);
    QVERIFY(!result.changed);
    QVERIFY(m_host->calls.empty());
    QCOMPARE(result.repaints.size(), std::size_t{1}); // only the running goal
    QCOMPARE(list.GetAt(0).GetRemaining(), CTimeSpan(1));
    QCOMPARE(list.GetAt(1).GetRemaining(), Minutes(60));
    m_clock->Advance(1);
    (void)TickGoals(list, *m_host);
    QCOMPARE(m_host->calls.front(), std::string("alert"));
}

void TestTickGoals::okAtOnceMarksDone() {
    GoalList list = OneRunning(Minutes(60), Minutes(1));
    m_clock->Advance(600); // a long pause takes everything, once
    m_host->script.push_back({0, "15", 0, false});
    const TickResult result = TickGoals(list, *m_host);
    QVERIFY(!result.changed);
    QCOMPARE(m_host->calls, (std::vector<std::string>{"alert", "front", "ask Essay"}));
    const Goal& goal = list.GetAt(0);
    QVERIFY(goal.IsDone());
    QVERIFY(!goal.IsRunning());
    QCOMPARE(goal.GetRemaining(), CTimeSpan());
    QCOMPARE(goal.GetTotal(), Minutes(60));
    QVERIFY(result.repaints.at(0).wholeItem);
    // Reported once per run: later ticks pass it by.
    m_clock->Advance(5);
    (void)TickGoals(list, *m_host);
    QCOMPARE(m_host->calls.size(), std::size_t{3});
}

void TestTickGoals::continueAddsMinutes_data() {
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<int>("added");
    QTest::newRow("15") << "15" << 15;
    QTest::newRow("30") << "30" << 30;
    QTest::newRow("leading number") << "45 mins" << 45;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("negative") << "-5" << -5;
}

void TestTickGoals::continueAddsMinutes() {
    QFETCH(QString, minutes);
    QFETCH(int, added);
    GoalList list = OneRunning(Minutes(60), Minutes(1));
    m_clock->Advance(60);
    m_host->script.push_back({1, minutes.toStdString(), 10, false});
    const TickResult result = TickGoals(list, *m_host);
    QVERIFY(result.changed);
    QCOMPARE(m_host->calls.back(), std::string("back"));
    const Goal& goal = list.GetAt(0);
    QVERIFY(!goal.IsDone());
    QCOMPARE(goal.GetTotal(), Minutes(60 + added));
    QCOMPARE(goal.GetRemaining(), Minutes(std::max(added, 0)) + Minutes(std::min(added, 0)));
    QCOMPARE(goal.IsRunning(), added > 0);
    if (added > 0) {
        // Restarted after the dialog: the ten seconds it stood open are not taken off.
        m_clock->Advance(1);
        (void)TickGoals(list, *m_host);
        QCOMPARE(goal.GetRemaining(), Minutes(added) - CTimeSpan(1));
    }
}

void TestTickGoals::overrunQuestion_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<qint64>("think");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("totalAfter");
    QTest::newRow("60 s asks nothing") << 0 << qint64(60) << true << "" << 3600;
    QTest::newRow("61 s, 1 minutes, No") << 0 << qint64(61) << false << "1 minutes" << 3600;
    QTest::newRow("61 s, Yes adds all") << 0 << qint64(61) << true << "1 minutes" << 3661;
    QTest::newRow("1 h 59 min says 1 hours") << 0 << qint64(7140) << true << "1 hours" << 3600 + 7140;
    QTest::newRow("26 h keeps the days") << 0 << qint64(26 * 3600) << false << "26 hours" << 3600;
    QTest::newRow("continue then Yes") << 1 << qint64(320) << true << "5 minutes" << 3600 + 900 + 320;
}

void TestTickGoals::overrunQuestion() {
    QFETCH(int, choice);
    QFETCH(qint64, think);
    QFETCH(bool, yes);
    QFETCH(QString, question);
    QFETCH(int, totalAfter);
    GoalList list = OneRunning(Minutes(60), Minutes(1));
    m_clock->Advance(60);
    m_host->script.push_back({choice, "15", think, yes});
    const TickResult result = TickGoals(list, *m_host);
    if (question.isEmpty()) {
        QVERIFY(m_host->questions.empty());
    } else {
        QCOMPARE(m_host->questions.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(m_host->questions[0]),
                 "Over " + question + " have passed since this goal's time was up.  Apply time to goal?");
        QVERIFY(std::find(m_host->calls.begin(), m_host->calls.end(), "overrun Essay") !=
                m_host->calls.end());
    }
    QCOMPARE(list.GetAt(0).GetTotal().GetTotalSeconds(), totalAfter);
    QCOMPARE(result.changed, choice != 0 || (yes && !question.isEmpty()));
    if (choice == 0)
        QCOMPARE(list.GetAt(0).GetRemaining(), CTimeSpan());
}

void TestTickGoals::workedExample() {
    // 0:01 left, started at 10:00:00, out at 10:01:00, answered at 10:06:20 with 15 minutes.
    GoalList list = OneRunning(Minutes(30), Minutes(1));
    for (int second = 0; second < 60; ++second) {
        m_clock->Advance(1);
        if (second < 59)
            QVERIFY(!TickGoals(list, *m_host).changed);
    }
    m_host->script.push_back({1, "15", 320, true});
    QVERIFY(TickGoals(list, *m_host).changed);
    const Goal& goal = list.GetAt(0);
    QCOMPARE(goal.GetTotal(), Minutes(30) + CTimeSpan(900 + 320));
    QCOMPARE(goal.GetRemaining(), CTimeSpan(900));
    QVERIFY(goal.IsRunning());
    QCOMPARE(m_host->calls,
             (std::vector<std::string>{"alert", "front", "ask Essay", "overrun Essay", "back"}));
}

void TestTickGoals::twoGoalsOutInOneTick() {
    GoalList list;
    for (const char* name : {"First", "Second"}) {
        list.Append(std::make_unique<Goal>(name, Minutes(10), Minutes(1)));
        list.GetAt(list.GetCount() - 1).ToggleRunning();
    }
    m_clock->Advance(90);
    m_host->script.push_back({0, "15", 0, false});
    m_host->script.push_back({1, "5", 0, false});
    (void)TickGoals(list, *m_host);
    QCOMPARE(m_host->calls, (std::vector<std::string>{"alert", "front", "ask First", "alert", "front",
                                                      "ask Second", "back"}));
    QVERIFY(list.GetAt(0).IsDone());
    QCOMPARE(list.GetAt(1).GetRemaining(), Minutes(5));
}

void TestTickGoals::othersFrozenWhileAsking() {
    GoalList list;
    list.Append(std::make_unique<Goal>("Before", Minutes(60), Minutes(60)));
    list.Append(std::make_unique<Goal>("Out", Minutes(60), Minutes(1)));
    list.Append(std::make_unique<Goal>("After", Minutes(60), Minutes(60)));
    for (int i = 0; i < 3; ++i)
        list.GetAt(i).ToggleRunning();
    m_clock->Advance(60);
    std::vector<CTimeSpan> seen;
    m_host->duringDialog = [&] { seen = {list.GetAt(0).GetRemaining(), list.GetAt(2).GetRemaining()}; };
    m_host->script.push_back({0, "15", 600, false});
    (void)TickGoals(list, *m_host);
    // While the dialog stood open for ten minutes nobody else moved...
    QCOMPARE(seen, (std::vector<CTimeSpan>{Minutes(59), Minutes(60)}));
    // ...then the goal after it dropped by all of it in the same pass, the one before at the next.
    QCOMPARE(list.GetAt(2).GetRemaining(), Minutes(49));
    QCOMPARE(list.GetAt(0).GetRemaining(), Minutes(59));
    (void)TickGoals(list, *m_host);
    QCOMPARE(list.GetAt(0).GetRemaining(), Minutes(49));
}

void TestTickGoals::remainingTextRepaintOncePerMinute() {
    GoalList list = OneRunning(Minutes(60), Minutes(30));
    int textChanges = 0;
    for (int second = 0; second < 180; ++second) {
        m_clock->Advance(1);
        const TickResult result = TickGoals(list, *m_host);
        QCOMPARE(result.repaints.size(), std::size_t{1});
        QVERIFY(!result.repaints[0].wholeItem);
        textChanges += result.repaints[0].remainingText ? 1 : 0;
    }
    QCOMPARE(textChanges, 3);
}

QTEST_APPLESS_MAIN(TestTickGoals)
#include "TestTickGoals.moc"
