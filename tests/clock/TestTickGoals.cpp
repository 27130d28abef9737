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
        m_step = script.empty() ? Step{} : script.front();
        if (!script.empty())
            script.pop_front();
        m_clock->Advance(m_step.thinkSeconds);
        if (duringDialog)
            duringDialog();
        return {m_step.choice, m_step.minutes};
    }
    bool AskOverrun(const std::string& goalName, const std::string& question) override {
        calls.push_back("overrun " + goalName + ": " + question);
        return m_step.overrunYes;
    }
    void HandBack() override { calls.push_back("back"); }

    std::deque<Step> script;
    std::vector<std::string> calls;
    std::function<void()> duringDialog;

private:
    std::shared_ptr<TestClock> m_clock;
    Step m_step;
};

using Calls = std::vector<std::string>;

} // namespace

class TestTickGoals : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_clock = TestClock::Install();
        m_host = std::make_unique<ScriptedHost>(m_clock);
    }
    void cleanup() { TestClock::Uninstall(); }
    void answers_data();
    void answers();
    void countsDownAndRepaintsOncePerMinute();
    void othersWaitWhileAsking();

private:
    std::shared_ptr<TestClock> m_clock;
    std::unique_ptr<ScriptedHost> m_host;
};

void TestTickGoals::answers_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<qint64>("think");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("remaining");
    const struct {
        const char* name;
        int choice;
        const char* minutes;
        qint64 think;
        bool yes;
        const char* asked;
        int total, remaining;
    } rows[] = {{"done at once", 0, "15", 0, true, "", 3600, 0},
                {"60 s of thought asks nothing", 0, "15", 60, true, "", 3600, 0},
                {"61 s, No", 0, "15", 61, false, "1 minutes", 3600, 0},
                {"61 s, Yes adds it all", 0, "15", 61, true, "1 minutes", 3661, 0},
                {"1 h 59 min says 1 hours", 0, "15", 7140, true, "1 hours", 3600 + 7140, 0},
                {"26 h keeps the days", 0, "15", 26 * 3600, false, "26 hours", 3600, 0},
                {"continue 15", 1, "15", 10, false, "", 3600 + 900, 900},
                {"continue, leading number", 1, "45 mins", 0, false, "", 3600 + 2700, 2700},
                {"continue with letters", 1, "abc", 0, false, "", 3600, 0},
                {"continue negative", 1, "-5", 0, false, "", 3600 - 300, -300},
                {"continue, then Yes", 1, "15", 320, true, "5 minutes", 3600 + 900 + 320, 900}};
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.choice << row.minutes << row.think << row.yes << row.asked << row.total
                                << row.remaining;
}

// The goal runs out; the answers, the time they took and the overrun question set its times.
void TestTickGoals::answers() {
    QFETCH(int, choice);
    QFETCH(QString, minutes);
    QFETCH(qint64, think);
    QFETCH(bool, yes);
    QFETCH(QString, asked);
    QFETCH(int, total);
    QFETCH(int, remaining);
    GoalList list;
    list.Append(std::make_unique<Goal>("Essay", Minutes(60), Minutes(1)));
    list.GetAt(0).ToggleRunning();
    m_clock->Advance(59);
    QVERIFY(TickGoals(list, *m_host).repaints.at(0).remainingText);
    QVERIFY(m_host->calls.empty());
    m_clock->Advance(1);
    m_host->script.push_back({choice, minutes.toStdString(), think, yes});
    const TickResult result = TickGoals(list, *m_host);
    Calls expected{"alert", "front", "ask Essay"};
    if (!asked.isEmpty())
        expected.push_back("overrun Essay: Over " + asked.toStdString() +
                           " have passed since this goal's time was up.  Apply time to goal?");
    if (choice != 0)
        expected.push_back("back");
    QCOMPARE(m_host->calls, expected);
    const Goal& goal = list.GetAt(0);
    QCOMPARE(goal.GetTotal(), CTimeSpan(total));
    QCOMPARE(goal.GetRemaining(), CTimeSpan(remaining));
    QCOMPARE(goal.IsDone(), choice == 0);
    QCOMPARE(goal.IsRunning(), remaining > 0);
    QCOMPARE(result.changed, choice != 0 || (yes && !asked.isEmpty()));
    QVERIFY(result.repaints.at(0).wholeItem);
    // Restarted after the questions: the time they stood open is not taken off. A goal that is
    // out is reported once.
    m_clock->Advance(1);
    m_host->calls.clear();
    (void)TickGoals(list, *m_host);
    QCOMPARE(goal.GetRemaining(), CTimeSpan(remaining > 0 ? remaining - 1 : remaining));
    QVERIFY(m_host->calls.empty());
}

void TestTickGoals::countsDownAndRepaintsOncePerMinute() {
    GoalList list;
    list.Append(std::make_unique<Goal>("Idle", Minutes(60), Minutes(60)));
    list.Append(std::make_unique<Goal>("Running", Minutes(60), Minutes(30)));
    list.GetAt(1).ToggleRunning();
    int textChanges = 0;
    for (int second = 0; second < 180; ++second) {
        m_clock->Advance(1);
        const TickResult result = TickGoals(list, *m_host);
        QCOMPARE(result.repaints.size(), std::size_t{1});
        QCOMPARE(result.repaints[0].index, 1);
        QVERIFY(!result.repaints[0].wholeItem && !result.changed);
        textChanges += result.repaints[0].remainingText ? 1 : 0;
    }
    QCOMPARE(textChanges, 3);
    QCOMPARE(list.GetAt(1).GetRemaining(), Minutes(27));
    QCOMPARE(list.GetAt(0).GetRemaining(), Minutes(60));
}

// While a question stands open nobody else moves; then the goals after it catch up in the same
// pass and those before it at the next tick. Two goals out in one tick are asked in turn.
void TestTickGoals::othersWaitWhileAsking() {
    GoalList list;
    for (const auto& [name, left] : {std::pair{"Before", 60}, {"Out", 1}, {"Also out", 1}, {"After", 60}})
        list.Append(std::make_unique<Goal>(name, Minutes(60), Minutes(left)));
    for (int i = 0; i < 4; ++i)
        list.GetAt(i).ToggleRunning();
    m_clock->Advance(60);
    std::vector<CTimeSpan> seen;
    m_host->duringDialog = [&] { seen.push_back(list.GetAt(3).GetRemaining()); };
    m_host->script = {{0, "15", 600, false}, {1, "5", 0, false}};
    (void)TickGoals(list, *m_host);
    QCOMPARE(seen, (std::vector<CTimeSpan>{Minutes(60), Minutes(60)}));
    QCOMPARE(m_host->calls, (Calls{"alert", "front", "ask Out",
                                   "overrun Out: Over 10 minutes have passed since this goal's time was up.  "
                                   "Apply time to goal?",
                                   "alert", "front", "ask Also out", "back"}));
    QCOMPARE(list.GetAt(3).GetRemaining(), Minutes(49));
    QCOMPARE(list.GetAt(0).GetRemaining(), Minutes(59));
    QCOMPARE(list.GetAt(2).GetRemaining(), Minutes(5));
    (void)TickGoals(list, *m_host);
    QCOMPARE(list.GetAt(0).GetRemaining(), Minutes(49));
}

QTEST_APPLESS_MAIN(TestTickGoals)
#include "TestTickGoals.moc"
