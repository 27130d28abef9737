// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/RunLog.h"
#include "clock/TickGoals.h"
#include "support/Fixtures.h"
#include "support/TestClock.h"

#include <QTest>

namespace {

// One user's answers to a goal's time running out, and what they leave.
struct Answers {
    int choice;
    const char* minutes;
    qint64 thinkSeconds;
    bool overrunYes;
    const char* overrun; // the span the overrun question names, or nothing asked
    const char* after;
};

// Answers as a row says; the time the user takes moves the clock on.
class ScriptedHost final : public TimesUpHost {
public:
    void PlayAlert() override { calls << "alert"; }
    void BringToFront() override { calls << "front"; }
    Answer AskTimesUp(const std::string& goalName) override {
        calls << QString::fromStdString("ask " + goalName);
        clock->Advance(row.thinkSeconds);
        return {row.choice, row.minutes};
    }
    bool AskOverrun(const std::string& goalName, const std::string& question) override {
        calls << QString::fromStdString("overrun " + goalName + ": " + question);
        return row.overrunYes;
    }
    void HandBack() override { calls << "back"; }

    std::shared_ptr<TestClock> clock = TestClock::Install();
    Answers row{};
    QStringList calls;
};

} // namespace

Q_DECLARE_METATYPE(Answers)

class TestTickGoals : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TestClock::Uninstall(); }

    void answers_data() {
        QTest::addColumn<Answers>("row");
        // clang-format off
        const std::pair<const char*, Answers> rows[] = {
            {"done at once", {0, "15", 0, true, "", "Essay 1:00/0:00 done"}},
            {"60 s of thought asks nothing", {0, "15", 60, true, "", "Essay 1:00/0:00 done"}},
            {"61 s, No", {0, "15", 61, false, "1 minutes", "Essay 1:00/0:00 done"}},
            {"61 s, Yes adds it all", {0, "15", 61, true, "1 minutes", "Essay 1:01/0:00 done"}},
            {"1 h 59 min says 1 hours", {0, "15", 7140, true, "1 hours", "Essay 2:59/0:00 done"}},
            {"59 min 59 s says 59 minutes", {0, "15", 3599, false, "59 minutes", "Essay 1:00/0:00 done"}},
            {"26 h keeps the days", {0, "15", 26 * 3600, false, "26 hours", "Essay 1:00/0:00 done"}},
            {"continue 15", {1, "15", 10, false, "", "Essay 1:15/0:15 running"}},
            {"continue, leading number", {1, "45 mins", 0, false, "", "Essay 1:45/0:45 running"}},
            {"continue with letters", {1, "abc", 0, false, "", "Essay 1:00/0:00"}},
            {"continue negative", {1, "-5", 0, false, "", "Essay 0:55/0:-5"}},
            {"continue, then Yes", {1, "15", 320, true, "5 minutes", "Essay 1:20/0:15 running"}}};
        // clang-format on
        for (const auto& [name, row] : rows)
            QTest::newRow(name) << row;
    }
    // The goal runs out; the answers, the time they took and the overrun question set its times.
    void answers() {
        QFETCH(Answers, row);
        ScriptedHost host;
        GoalList list;
        list.Append(std::make_unique<Goal>("Essay", Minutes(60), Minutes(1)));
        list.GetAt(0).ToggleRunning();
        host.clock->Advance(59);
        QVERIFY(TickGoals(list, host).repaints.at(0).remainingText && host.calls.isEmpty());
        QCOMPARE(list.GetAt(0).GetBar().GetPosition(), 3599); // the bar fills as the clock runs
        host.clock->Advance(1);
        host.row = row;
        const TickResult result = TickGoals(list, host);
        QStringList expected{"alert", "front", "ask Essay"};
        if (*row.overrun)
            expected << QStringLiteral("overrun Essay: Over %1 have passed since this goal's time was up.  "
                                       "Apply time to goal?")
                            .arg(row.overrun);
        if (row.choice)
            expected << "back";
        QCOMPARE(host.calls, expected);
        QCOMPARE(Describe(list), row.after);
        QCOMPARE(result.changed, row.choice != 0 || (row.overrunYes && *row.overrun));
        QVERIFY(result.repaints.at(0).wholeItem);
        // Restarted after the questions: the time they stood open is not taken off. A goal that
        // is out is reported once.
        const CTimeSpan left = list.GetAt(0).GetRemaining();
        host.clock->Advance(1);
        host.calls.clear();
        (void)TickGoals(list, host);
        QCOMPARE(list.GetAt(0).GetRemaining(), left - CTimeSpan(list.GetAt(0).IsRunning() ? 1 : 0));
        QVERIFY(host.calls.isEmpty());
    }

    // A clock counts the time that passes, whatever the wall clock says: set back, it gives no
    // time back; set ahead, it takes none; to a boundary between two ticks, it counts no more
    // than has passed.
    void countsWhatPasses() {
        const auto clock = TestClock::Install();
        Goal goal("Essay", Minutes(60), Minutes(60));
        goal.ToggleRunning();
        clock->Advance(10);
        clock->Set(clock->Now() - 3600);
        (void)goal.Tick();
        QCOMPARE(goal.GetRemaining(), Minutes(60) - CTimeSpan(10));
        clock->Advance(1);
        clock->Set(clock->Now() + 86400);
        QVERIFY(!goal.Tick());
        // Two ticks, each turning the wheel: no spoke is lit before the first.
        QCOMPARE(std::pair(goal.GetCounted(), goal.GetWheel().GetCurrent()), std::pair(std::int64_t{11}, 1));
        clock->Advance(1);
        clock->Set(clock->Now() + 30); // within a tick: a late one, or the clock nudged
        goal.CountUntil(goal.GetLastTick() + CTimeSpan(20));
        QCOMPARE(goal.GetCounted(), 12); // one second passed, not twenty
        clock->Advance(5);
        (void)goal.Tick();
        clock->Set(clock->Now() + 60); // the wall clock alone moves on: nothing passed
        goal.CountUntil(goal.GetLastTick() + CTimeSpan(30));
        QCOMPARE(goal.GetCounted(), 17);
        goal.GiveBack(CTimeSpan(7));
        QCOMPARE(goal.GetRemaining().GetTotalSeconds() + goal.GetCounted(), 3600);
    }

    // A tick counts exactly the goals whose clocks run, whatever the list went through since the
    // last: clocks started and stopped, goals added running, goals removed before a running one. The
    // selection stays on its goal, and is gone with it.
    void ticksWhatRuns() {
        ScriptedHost host;
        const auto& clock = host.clock;
        GoalList goals;
        for (const char* name : {"A", "B", "C"})
            goals.Append(std::make_unique<Goal>(name, Minutes(60), Minutes(60)));
        goals.GetAt(2).ToggleRunning();
        const auto remaining = [&] {
            QList<qint64> seconds;
            for (int i = 0; i < goals.GetCount(); ++i)
                seconds << goals.GetAt(i).GetRemaining().GetTotalSeconds();
            return seconds;
        };
        clock->Advance(10);
        (void)TickGoals(goals, host);
        QCOMPARE(remaining(), (QList<qint64>{3600, 3600, 3590}));
        goals.GetAt(0).ToggleRunning();
        goals.GetAt(2).ToggleRunning();
        clock->Advance(10);
        (void)TickGoals(goals, host);
        QCOMPARE(remaining(), (QList<qint64>{3590, 3600, 3590}));
        auto added = std::make_unique<Goal>("D", Minutes(60), Minutes(60));
        added->ToggleRunning(); // started, say, by a read that is not yet the list's
        clock->Advance(10);
        (void)TickGoals(goals, host);
        goals.Append(std::move(added));
        clock->Advance(10);
        (void)TickGoals(goals, host);
        QCOMPARE(remaining(), (QList<qint64>{3570, 3600, 3590, 3580}));
        goals.SetSelection(2);
        (void)goals.Remove(1); // the selection follows its goal, and goes with it
        clock->Advance(10);
        (void)TickGoals(goals, host);
        QCOMPARE(remaining(), (QList<qint64>{3560, 3590, 3570}));
        QVERIFY(goals.GetSelection() == 1 && goals.Remove(1) && goals.GetSelection() < 0);
        goals.Clear();
        QVERIFY(goals.GetRunning().empty());
    }

    // Ended all together, the runs are gone: ended once, not again, and a clock still running
    // afterwards begins a new run, which a split at its very start leaves whole.
    void runsEndedAll() {
        ScriptedHost host;
        GoalList goals;
        goals.Append(std::make_unique<Goal>("A", Minutes(60), Minutes(60)));
        goals.GetAt(0).ToggleRunning();
        RunLog runs;
        QCOMPARE(runs.Sync(goals, CTime::GetCurrentTime(), Interval::End::Stopped).size(), std::size_t{1});
        host.clock->Advance(30);
        (void)TickGoals(goals, host);
        const auto ended = runs.EndAll(goals, Interval::End::Closed);
        QCOMPARE(ended.size(), std::size_t{1});
        QVERIFY(!ended[0].began && ended[0].seconds == 30 && ended[0].how == Interval::End::Closed);
        QVERIFY(runs.EndAll(goals, Interval::End::Closed).empty() && runs.Checkpoint(goals).empty());
        const auto again = runs.Sync(goals, CTime::GetCurrentTime(), Interval::End::Stopped);
        QVERIFY(again.size() == 1 && again[0].began &&
                runs.Split(goals.GetAt(0), CTime(again[0].start)).empty());
    }
};

QTEST_APPLESS_MAIN(TestTickGoals)
#include "TestTickGoals.moc"
