#include "clock/AwaySpan.h"
#include "clock/TickGoals.h"
#include "support/Fixtures.h"
#include "support/TestClock.h"

#include <QTest>

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
    void PlayAlert() override { calls << "alert"; }
    void BringToFront() override { calls << "front"; }
    Answer AskTimesUp(const std::string& goalName) override {
        calls << QString::fromStdString("ask " + goalName);
        m_step = script.empty() ? Step{} : script.front();
        if (!script.empty())
            script.erase(script.begin());
        clock->Advance(m_step.thinkSeconds);
        if (duringDialog)
            duringDialog();
        return {m_step.choice, m_step.minutes};
    }
    bool AskOverrun(const std::string& goalName, const std::string& question) override {
        calls << QString::fromStdString("overrun " + goalName + ": " + question);
        return m_step.overrunYes;
    }
    void HandBack() override { calls << "back"; }

    std::shared_ptr<TestClock> clock = TestClock::Install();
    std::vector<Step> script;
    QStringList calls;
    std::function<void()> duringDialog;

private:
    Step m_step;
};

QString Overrun(const char* goal, const char* span) {
    return QStringLiteral(
               "overrun %1: Over %2 have passed since this goal's time was up.  Apply time to goal?")
        .arg(goal, span);
}

} // namespace

class TestTickGoals : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedHost> m_host;

private slots:
    void init() { m_host = std::make_unique<ScriptedHost>(); }
    void cleanup() { TestClock::Uninstall(); }

    void answers_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<qint64>("think");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("overrun");
        QTest::addColumn<QString>("after");
        // clang-format off
        const struct { const char* name; int choice; const char* minutes; qint64 think; bool yes;
                       const char* overrun; const char* after; } rows[] = {
            {"done at once", 0, "15", 0, true, "", "Essay 1:00/0:00 done"},
            {"60 s of thought asks nothing", 0, "15", 60, true, "", "Essay 1:00/0:00 done"},
            {"61 s, No", 0, "15", 61, false, "1 minutes", "Essay 1:00/0:00 done"},
            {"61 s, Yes adds it all", 0, "15", 61, true, "1 minutes", "Essay 1:01/0:00 done"},
            {"1 h 59 min says 1 hours", 0, "15", 7140, true, "1 hours", "Essay 2:59/0:00 done"},
            {"26 h keeps the days", 0, "15", 26 * 3600, false, "26 hours", "Essay 1:00/0:00 done"},
            {"continue 15", 1, "15", 10, false, "", "Essay 1:15/0:15 running"},
            {"continue, leading number", 1, "45 mins", 0, false, "", "Essay 1:45/0:45 running"},
            {"continue with letters", 1, "abc", 0, false, "", "Essay 1:00/0:00"},
            {"continue negative", 1, "-5", 0, false, "", "Essay 0:55/0:-5"},
            {"continue, then Yes", 1, "15", 320, true, "5 minutes", "Essay 1:20/0:15 running"}};
        // clang-format on
        for (const auto& r : rows)
            QTest::newRow(r.name) << r.choice << r.minutes << r.think << r.yes << r.overrun << r.after;
    }
    // The goal runs out; the answers, the time they took and the overrun question set its times.
    void answers() {
        QFETCH(int, choice);
        QFETCH(QString, minutes);
        QFETCH(qint64, think);
        QFETCH(bool, yes);
        QFETCH(QString, overrun);
        QFETCH(QString, after);
        GoalList list;
        list.Append(std::make_unique<Goal>("Essay", Minutes(60), Minutes(1)));
        list.GetAt(0).ToggleRunning();
        m_host->clock->Advance(59);
        QVERIFY(TickGoals(list, *m_host).repaints.at(0).remainingText && m_host->calls.isEmpty());
        m_host->clock->Advance(1);
        m_host->script.push_back({choice, minutes.toStdString(), think, yes});
        const TickResult result = TickGoals(list, *m_host);
        const QString expected = QStringList({"alert", "front", "ask Essay",
                                              overrun.isEmpty() ? "" : Overrun("Essay", qPrintable(overrun)),
                                              choice ? "back" : ""})
                                     .join('|');
        QCOMPARE(m_host->calls.join('|'), expected.split('|', Qt::SkipEmptyParts).join('|'));
        QCOMPARE(Describe(list), after);
        QCOMPARE(result.changed, choice != 0 || (yes && !overrun.isEmpty()));
        QVERIFY(result.repaints.at(0).wholeItem);
        // Restarted after the questions: the time they stood open is not taken off. A goal that
        // is out is reported once.
        const CTimeSpan left = list.GetAt(0).GetRemaining();
        m_host->clock->Advance(1);
        m_host->calls.clear();
        (void)TickGoals(list, *m_host);
        QCOMPARE(list.GetAt(0).GetRemaining(), left - CTimeSpan(list.GetAt(0).IsRunning() ? 1 : 0));
        QVERIFY(m_host->calls.isEmpty());
    }

    // Away from the desk: the idle minutes before the lock go back to each goal, never more than
    // its clock counted; one question names them; Yes restarts those still as they were.
    void awaySpan() {
        qputenv("TZ", "UTC0");
        tzset();
        const CTime start(2026, 12, 7, 10, 0, 0);
        m_host->clock->Set(start.GetTime());
        GoalList list;
        for (const char* name : {"Write", "Read", "Late", "Idle", "Short"})
            list.Append(std::make_unique<Goal>(name, Minutes(60), Minutes(name[0] == 'S' ? 19 : 60)));
        for (const int i : {0, 1, 4})
            list.GetAt(i).ToggleRunning();
        for (int minute = 1; minute <= 20; ++minute) {
            m_host->clock->Advance(60);
            if (minute == 15)
                list.GetAt(2).ToggleRunning(); // started after the user went idle
            (void)TickGoals(list, *m_host);
        }
        m_host->clock->Advance(30); // the seconds since the last tick are not counted anyway
        AwaySpan away;
        QVERIFY(away.Stop(list, CTime::GetCurrentTime(), start + Minutes(13)));
        QCOMPARE(Describe(list),
                 QStringLiteral("Write 1:00/0:47, Read 1:00/0:47, Late 1:00/1:00, Idle 1:00/1:00, "
                                "Short 1:00/0:00 done"));
        m_host->clock->Advance(600);
        QVERIFY(!away.Stop(list, CTime::GetCurrentTime()));  // locked again: the same span
        list.GetAt(1).Set("Read", Minutes(60), Minutes(30)); // edited meanwhile
        QCOMPARE(
            QString::fromStdString(away.Question(start + Minutes(45))),
            QStringLiteral("You were away 0:32 (10:13 to 10:45). Restart the clocks of Write, Read, Late?"));
        QCOMPARE(away.Restart(list), 2);
        QVERIFY(!away.IsWaiting());
        QCOMPARE(Describe(list),
                 QStringLiteral("Write 1:00/0:47 running, Read 1:00/0:30, Late 1:00/1:00 running, "
                                "Idle 1:00/1:00, Short 1:00/0:00 done"));
    }
};

QTEST_APPLESS_MAIN(TestTickGoals)
#include "TestTickGoals.moc"
