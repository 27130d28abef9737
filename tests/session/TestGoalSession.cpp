// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/GoalSession.h"
#include "session/RemoteControl.h"
#include "storage/Journal.h"
#include "support/Fixtures.h"
#include "support/ScriptedPrompter.h"
#include "support/TestClock.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <ctime>

using Choice = Prompter::ExitChoice;

// The session's rules with a scripted user, a test clock and a real goal file; no window.
class TestGoalSession : public QObject {
    Q_OBJECT

    void Open(const QByteArray& goals, const QByteArray& header = "File Version : 1\r\nUser : Pat\r\n") {
        m_session.reset(); // lets go of the folder, its last saves done
        QVERIFY(WriteBytes(Path("Ordalune.cdf"), header + goals));
        m_session = std::make_unique<GoalSession>(m_dir->path().toStdString());
        m_session->Timer().stop(); // ticked by hand
        m_session->SetPrompter(&m_user);
        m_session->LoadNow();
        m_session->StartJournal();
    }
    QString Path(const char* name) const { return m_dir->filePath(QString::fromLatin1(name)); }
    GoalList& Goals() { return m_session->Goals(); }
    QString Describe() { return ::Describe(Goals()); }
    QString Tick(int seconds) { // the goals after
        for (int i = 0; i < seconds; ++i) {
            m_clock->Advance(1);
            m_session->Tick();
        }
        return Describe();
    }
    void TickAndSettle(int seconds) { Tick(seconds), Settle(); }
    void Select(int index) { Goals().SetSelection(index); }
    void Renew(int goal, Renewal::Every every, bool carryOver = false) { // as its dialog sets it
        m_session->Renewals().Choose(Goals().GetAt(goal), every, carryOver, false, CTime::GetCurrentTime());
    }
    QString Log() { return m_user.log.join('|'); }
    // The journal's runs that overlap [from, to], as "Essay 90+60 stopped", starts counted from `from`.
    QString Runs(std::int64_t from, std::int64_t to) {
        Settle();
        Journal journal(m_dir->path().toStdString());
        QStringList runs;
        for (const Interval& run :
             journal.OpenToRead() ? journal.Between(from, to).value() : std::vector<Interval>())
            runs << QString::fromStdString(
                run.goalName + (run.goalDeleted ? "(deleted) " : " ") + std::to_string(run.start - from) +
                "+" + std::to_string(run.seconds) + " " + std::string(Interval::Name(run.endedBy)));
        return runs.join(", ");
    }
    // The results of every save so far, told.
    void Settle() { m_session->Flush(), QCoreApplication::processEvents(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::shared_ptr<TestClock> m_clock;
    ScriptedPrompter m_user;
    std::unique_ptr<GoalSession> m_session;
    qsizetype m_open = 0;

private slots:
    void initTestCase() { qputenv("TZ", "UTC0"), tzset(); }
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); // weeks start on Monday
        m_dir = std::make_unique<QTemporaryDir>();
        m_clock = TestClock::Install(CTime(2026, 12, 6, 9, 59, 30).GetTime());
        m_user = ScriptedPrompter();
        m_open = Descriptors();
    }
    void cleanup() {
        if (m_session)
            m_session->SetQuitting();
        m_session.reset();
        TestClock::Uninstall();
        QCOMPARE(Descriptors(), m_open); // the goal file's, the lock's and the history's closed
    }

    // Panes every 15 ticks, the goal file every 60 even with nothing running; nothing after the
    // closing save.
    void tickSchedule() {
        {
            GoalSession ticking(m_dir->path().toStdString()); // it ticks by itself
            ticking.Timer().setInterval(1);
            QVERIFY(QSignalSpy(&ticking, &GoalSession::timerFired).wait());
        }
        Open("Essay,02:00,00:00\r\n");
        QSignalSpy panes(m_session.get(), &GoalSession::statusTextsChanged);
        for (int tick = 1; tick <= 120; ++tick) {
            Tick(1);
            m_session->Flush();
            QVERIFY(panes.count() == tick / 15 && QFile::exists(Path("ordalune.bak")) == (tick >= 60));
        }
        QCOMPARE(panes.last().at(2).toString(), ""); // nothing left: no finish time
        QVERIFY(m_session->Close() && m_session->Close());
        Tick(60);
        QCOMPARE(m_session->TickCount(), 120u);
    }

    // A goal whose time runs out sounds, stops and asks; the other clocks run on; the time the
    // questions stood open is not taken off; a file read meanwhile waits for the tick to end. The
    // answers' rules are the tick's own; closing, nothing is asked and the goal is done.
    void timeUp() {
        Open("Out,00:30,00:01\r\nOther,03:00,03:00\r\n");
        Goals().GetAt(0).ToggleRunning();
        Goals().GetAt(1).ToggleRunning();
        m_user.timesUp = {{1, "10"}};
        m_user.yes = {true};
        QString seen;
        m_user.during = [&](const QString& line) {
            if (!line.startsWith("time's up"))
                return;
            m_clock->Advance(125);
            m_session->Reload();
            Settle();
            seen = Describe() + " " + QString::number(m_session->InTick());
        };
        int alerts = 0;
        m_session->SetAlert([&] { ++alerts; });
        QString answered;
        connect(m_session.get(), &GoalSession::ticked, this, [&](const TickResult& result) {
            if (result.changed)
                answered = Describe();
        });
        Tick(60);
        QCOMPARE(Log(),
                 "front|time's up Out|overrun Out: Over 2 minutes have passed since this goal's time was "
                 "up.  Apply time to goal?|hand back");
        QCOMPARE(seen + QString::number(alerts), "Out 0:30/0:00, Other 3:00/2:59 running 11"); // one alert
        QCOMPARE(answered, "Out 0:42/0:10 running, Other 3:00/2:56 running");
        QCOMPARE(Describe(), "Out 0:30/0:01, Other 3:00/3:00"); // the file read meanwhile, after the tick
        m_user.log.clear();
        m_session->SetQuitting();
        Goals().GetAt(0).ToggleRunning();
        Tick(60);
        QCOMPARE(Describe() + Log(), "Out 0:30/0:00 done, Other 3:00/3:00");
        QCOMPARE(Runs(m_clock->Now() - 60, m_clock->Now()), "Out 1+59 done");
    }

    // The Start command leaves the other clocks running, a double-click stops them unless Ctrl is
    // held; a goal with no time left starts by neither; each command is allowed by its rule.
    void startStopRules() {
        Open("a,1:00,1:00\r\nb,1:00,1:00\r\nc,1:00,0:00\r\n");
        const auto can = [&] {
            return QString::number(m_session->CanEditDelete()) + QString::number(m_session->CanStartClock()) +
                   QString::number(m_session->CanStopClock()) + QString::number(m_session->CanFinishEarly());
        };
        QCOMPARE(can(), "1101");
        m_session->StartSelected();
        QCOMPARE(can(), "1011");
        Select(1);
        m_session->StartSelected();
        QCOMPARE(Describe(), "a 1:00/1:00 running, b 1:00/1:00 running, c 1:00/0:00 done");
        m_session->ToggleFromList(false); // stops the selected one
        m_session->ToggleFromList(false); // starts it alone
        QCOMPARE(Describe(), "a 1:00/1:00, b 1:00/1:00 running, c 1:00/0:00 done");
        Select(0);
        m_session->ToggleFromList(true);
        QCOMPARE(Describe(), "a 1:00/1:00 running, b 1:00/1:00 running, c 1:00/0:00 done");
        m_session->StopGoal(0);    // as the tray asks, whichever goal is selected
        m_session->StopSelected(); // stopped already: nothing
        Select(2);
        QCOMPARE(can(), "1000");
        m_session->StartSelected();
        m_session->ToggleFromList(false);
        m_session->StartGoal(2); // as the tray asks: nothing left, so not started
        m_session->StopGoal(1);
        QCOMPARE(Describe(), "a 1:00/1:00, b 1:00/1:00, c 1:00/0:00 done");
        Select(-1);
        QCOMPARE(can(), "0000");
        m_session->ToggleFromList(false);
        Open("");
        QCOMPARE(can(), "0000"); // the placeholder allows nothing
        m_session->EditSelected("x", Minutes(1), Minutes(1));
        m_session->DeleteSelected();
        m_session->FinishEarly();
        QCOMPARE(Describe() + Log(), "No Goals 0:00/0:00 done");
    }

    // Control from outside keeps the window's rules, finds the first goal of a name, never moves
    // the selection, and says what changed once a second at most.
    void remoteControl() {
        Open("a,1:00,1:00\r\nb,1:00,0:00\r\na,0:30,0:30\r\nc,0:10,0:01\r\n");
        RemoteControl control(*m_session);
        QSignalSpy changed(&control, &RemoteControl::changed);
        const auto said = [](const RemoteControl::Result& result) {
            return QString::number(static_cast<int>(result.failure)) + " " + result.message;
        };
        QString all; // in this order: started, stopped, started, and running stays running
        for (auto command :
             {&RemoteControl::Start, &RemoteControl::Toggle, &RemoteControl::Toggle, &RemoteControl::Start})
            all += said((control.*command)("a"));
        QCoreApplication::processEvents(); // too soon to say what changed
        QCOMPARE(all + Describe(), "0 0 0 0 a 1:00/1:00 running, b 1:00/0:00 done, a 0:30/0:30, c 0:10/0:01");
        Select(2);
        QCOMPARE(said(control.Toggle("b")) + said(control.Stop(" x")) + said(control.Start("\ta ")),
                 "2 \"b\" is done: it has no time left.1 "
                 "There is no goal named \" x\".0 "); // a name as the dialog would keep it
        QCOMPARE(said(control.Start("c")), "0 ");
        // While a time's-up question is open the clocks take no command, as in the window.
        m_user.timesUp = {{1, "1"}};
        m_user.during = [&](const QString&) { control.Stop("a"); }; // refused: "a" runs on
        Tick(60);
        m_user.during = {};
        QCOMPARE(Describe(), "a 1:00/0:59 running, b 1:00/0:00 done, a 0:30/0:30, c 0:11/0:01 running");
        QCOMPARE(Goals().GetSelection(), 2);
        const RemoteGoal a = control.List().first();
        const QString values =
            QString("%1 %2 %3").arg(a.total).arg(a.remaining).arg(a.finish - m_clock->Now());
        QCOMPARE(values + " " + QString::number(a.running + control.List().size()), "3600 3540 3540 5");
        QCOMPARE(control.Running(), QStringList({"a", "c"}));
        QCOMPARE(control.StopAll().failure, RemoteControl::Failure::None);
        QVERIFY(control.List().first().finish == 0 && control.Running().isEmpty() && changed.isEmpty());
        QVERIFY(changed.wait(2 * RemoteControl::kSignalGapMs));
        QVERIFY(!changed.wait(RemoteControl::kSignalGapMs + 200)); // one for all of them
        // Add: the dialog's parser and name rules; a zero Total is refused; the placeholder gives way.
        Open("");
        RemoteControl fresh(*m_session);
        QVERIFY(fresh.List().isEmpty());
        QCOMPARE(fresh.Start("No Goals").failure, RemoteControl::Failure::NoSuchGoal);
        QCOMPARE(said(fresh.Add("x", "0:00")), "3 \"0:00\" is no Total: give hours and minutes, e.g. 1:30.");
        QCOMPARE(said(fresh.Add(" \t", "1")), "4 A goal's name is 1 to 1000 characters long.");
        QCOMPARE(fresh.Add(QString(1001, 'n'), "1").failure, RemoteControl::Failure::BadName);
        QCOMPARE(said(fresh.Add("No Goals", "1")),
                 "4 \"No Goals\" is what the list shows when it holds no goal: choose another name.");
        QString totals; // what cannot be meant is refused, what can is read as the dialog reads it
        for (const QString& total :
             QStringList{"1:-30", "-1:90", "+1", "1:30x", "600000:00", "\t\n\v 1:90 \f\r", "1.5", ":45",
                         "596523:14", QString(31, ' ') + "1", QString(32, ' ') + "1"})
            totals += QString::number(static_cast<int>(fresh.Add(total, total).failure));
        QCOMPARE(totals, "33333000003"); // 32 characters at most
        QCOMPARE(said(fresh.Add("x", "600000:00")),
                 "3 \"600000:00\" is more than the largest Total, 596523:14.");
        QCOMPARE(said(fresh.Add("Tab\tName\u2028\u0080x\u009f\u00a0\u2026\x7f~\x1f ", "1.5")), "0 ");
        QCOMPARE(Describe(),
                 "1:90 2:30/2:30, 1.5 1:30/1:30, :45 0:45/0:45, 596523:14 596523:14/596523:14, "
                 "1 1:00/1:00, Tab Name  x \u00a0\u2026 ~ 1:30/1:30"); // controls, line breaks: spaces
        // A copy that does not own the goal file changes nothing.
        GoalSession second(m_dir->path().toStdString());
        second.SetPrompter(&m_user);
        second.LoadNow();
        RemoteControl other(second);
        QCOMPARE(said(other.Add("y", "1")),
                 "5 This copy of Ordalune shows the goals but does not own the goal file.");
    }

    // Budgets that renew at the start of each day, week or month: a clock running across midnight
    // is split there, carry-over both ways, the goal file saved at once, renewed once however long
    // the program was closed, never twice, and from the journal's record after a crash. Chosen again
    // without a Total typed, a budget stays what it was. A week may start on Saturday.
    void renewal() {
        const auto reopen = [&] {
            m_session->Close();
            Open(ReadBytes(Path("Ordalune.cdf")), "");
            Settle();
            QSignalSpy commands(m_session.get(), &GoalSession::commandsChanged);
            Tick(1);
            return commands.count(); // a renewal may enable Start, and moves the tray's times
        };
        Open("Weekly,5:00,5:00\r\nDaily,0:30,0:30\r\nMonthly,1:00,0:01\r\n");
        const std::pair<Renewal::Every, bool> choices[] = {
            {Renewal::Every::Week, true}, {Renewal::Every::Day, false}, {Renewal::Every::Month, true}};
        Renew(2, Renewal::Every::Week, true);
        for (int i = 0; i < 3; ++i) // the last changed from a week to a month
            Renew(i, choices[i].first, choices[i].second);
        m_clock->Set(CTime(2026, 12, 6, 23, 58, 0).GetTime()); // a Sunday
        m_user.timesUp = {{1, "30"}};                          // Monthly: 30 minutes more, past its allowance
        for (const int i : {0, 1, 2})
            m_session->StartGoal(i);
        QCOMPARE(Tick(60), "Weekly 5:00/4:59 running, Daily 0:30/0:29 running, Monthly 1:30/0:30 running");
        // Across midnight, and a week's start.
        QCOMPARE(Tick(90), "Weekly 9:58/9:57 running, Daily 0:30/0:29 running, Monthly 1:30/0:28 running");
        QCOMPARE(Goals().GetAt(0).GetTotal().GetTotalSeconds(), 9 * 3600 + 58 * 60); // counted to midnight
        Settle();
        QVERIFY(
            ReadBytes(Path("Ordalune.cdf")).contains("Weekly,09:58,09:58\r\nDaily,00:30,00:30")); // at once
        Select(1);
        m_session->EditSelected("Day", Minutes(30), Minutes(29)); // renamed: its renewal follows it
        // Closed over three weeks and a month's end: renewed once at start, the overrun taken off.
        m_session->Close();
        QCOMPARE(Runs(m_clock->Now() - 150, m_clock->Now()),
                 "Weekly 0+120 renewed, Day 0+120 renewed, "
                 "Monthly 0+150 closed, Weekly 120+30 closed, Day 120+30 closed");
        const QByteArray before = ReadBytes(Path("Ordalune.cdf"));
        m_clock->Set(CTime(2027, 1, 1, 8, 0, 0).GetTime());
        QVERIFY(reopen() == 1 && Describe() == "Weekly 14:57/14:57, Day 0:30/0:30, Monthly 1:00/0:58");
        QCOMPARE(m_session->Renewals().Prompt(Goals().GetAt(0)) + " | " +
                     m_session->Renewals().Prompt(Goals().GetAt(2)),
                 "Renews every Monday \u2014 this week 0:00 of 14:57 spent | Renews on the 1st \u2014 this "
                 "month 0:02 of 1:00 spent");
        QCOMPARE(reopen(), 0); // the closing save held the renewals: not applied again
        QCOMPARE(Describe(), "Weekly 14:57/14:57, Day 0:30/0:30, Monthly 1:00/0:58"); // not twice
        // A crash after the journal's record and before the goal file's save: applied from the record.
        m_session->Close();
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(qPrintable(Path(Journal::kFileName)), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "UPDATE renewals SET saved = 0", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        Open(before, "");
        Settle();
        QCOMPARE(Tick(1), "Weekly 14:57/14:57, Day 0:30/0:30, Monthly 1:00/0:58");
        Renew(0, Renewal::Every::Week); // no more carry-over, and no Total typed: the budget stays
        m_clock->Set(CTime(2027, 1, 4, 0, 0, 30).GetTime());
        QCOMPARE(Tick(1), "Weekly 5:00/5:00, Day 0:30/0:30, Monthly 1:00/0:58");
        // On the night the clocks go forward a day has 23 hours: the next starts at local midnight.
        const struct Zone {
            Zone() { qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3"), tzset(); }
            ~Zone() { qputenv("TZ", "UTC0"), tzset(); }
        } zone;
        m_clock->Set(CTime(2027, 3, 28, 1, 0, 0).GetTime());
        Open("Run,1:00,0:13\r\n");
        Renew(0, Renewal::Every::Day);
        QSignalSpy warned(&m_session->Renewals(), &RenewalKeeper::nearlySpent); // at 80%, once a day
        m_clock->Set(CTime(2027, 3, 28, 23, 58, 0).GetTime());
        m_session->StartGoal(0);
        Tick(59);
        QCOMPARE(warned.count(), 0);
        Tick(121);
        QCOMPARE(Describe() + QString::number(warned.count()), "Run 1:00/0:59 running1"); // warned once
        QCOMPARE(warned.first().at(1).toString(), "Renews daily \u2014 today 0:48 of 1:00 spent");
        // A time's-up question open at midnight holds the renewal; what it grants stays in its day.
        Open("Out,0:30,0:01\r\n");
        Renew(0, Renewal::Every::Day);
        m_clock->Set(CTime(2027, 3, 29, 23, 58, 30).GetTime());
        m_session->StartGoal(0);
        m_user.timesUp = {{1, "5"}};
        m_user.during = [&](const QString& line) {
            if (line.startsWith("time's up"))
                Tick(60); // past midnight, the question still open
        };
        QCOMPARE(Tick(60), "Out 0:35/0:05 running");
        m_user.during = {};
        QCOMPARE(Tick(1), "Out 0:30/0:29 running");
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt)); // weeks start on Saturday
        Open("Sat,1:00,1:00\r\n");
        Renew(0, Renewal::Every::Week);
        QVERIFY(m_session->Renewals().Prompt(Goals().GetAt(0)).startsWith("Renews every Saturday"));
    }

    // Add replaces the placeholder; Edit marks a goal with no time left done; Finish Early stops the
    // clock and cuts the Total to the time spent; Delete asks and moves the selection.
    void goalCommands() {
        Open("");
        m_session->AddGoal("Essay", Minutes(90), Minutes(90));
        m_session->AddGoal("Gym", Minutes(60), Minutes(60));
        QCOMPARE(Describe(), "Essay 1:30/1:30, Gym 1:00/1:00");
        Select(1);
        m_session->EditSelected("Run", Minutes(60), Minutes(0));
        Select(0);
        m_session->StartSelected();
        Tick(1800);
        m_session->FinishEarly();
        QCOMPARE(Describe(), "Essay 0:30/0:00 done, Run 1:00/0:00 done");
        QCOMPARE(Runs(m_clock->Now() - 1800, m_clock->Now()), "Essay 0+1800 finished_early");
        m_session->AddGoal("Read", Minutes(60), Minutes(60));
        const auto remove = [&](int index, bool yes) {
            Select(index);
            m_user.yes = {yes};
            m_session->DeleteSelected();
            return QString::number(Goals().GetSelection()) + " " + Describe();
        };
        QCOMPARE(remove(1, false), "1 Essay 0:30/0:00 done, Run 1:00/0:00 done, Read 1:00/1:00");
        QCOMPARE(remove(1, true), "1 Essay 0:30/0:00 done, Read 1:00/1:00");
        QCOMPARE(remove(1, true), "0 Essay 0:30/0:00 done");
        QCOMPARE(remove(0, true), "-1 No Goals 0:00/0:00 done");
        m_session->AddGoal("Walk", Minutes(5), Minutes(5));
        QCOMPARE(Describe(), "Walk 0:05/0:05");
        QCOMPARE(Log(),
                 "yes/no Run: Delete this goal?|yes/no Run: Delete this goal?|yes/no Read: Delete this "
                 "goal?|yes/no Essay: Delete this goal?");
        m_session->WriteReport();
        QCOMPARE(m_user.log.last(), "message Done: Report saved to ORDALUNE.REP");
    }

    // A locked screen stops the clocks and gives back the idle minutes; the one question on return
    // restarts them; gone again before answering, it is withdrawn and asked for the whole span.
    void awayAndSleep() {
        Open("Essay,02:00,01:30\r\nGym,01:00,00:30\r\n");
        m_session->StartSelected();
        Tick(600);
        QSignalSpy changed(m_session.get(), &GoalSession::goalChanged); // every stopped clock shown
        m_session->OnAway(m_clock->Now() - 420);
        QCOMPARE(Describe() + changed.last().at(0).toString(), "Essay 2:00/1:27, Gym 1:00/0:30-1");
        m_clock->Advance(600);
        m_user.during = [&](const QString& line) {
            if (line.startsWith("away") && m_user.log.size() == 1) {
                m_session->OnBack(); // asked already: not again
                m_session->OnAway(0);
            }
        };
        m_user.yes = {false, true};
        m_session->OnBack();
        QSignalSpy restarted(m_session.get(), &GoalSession::goalChanged); // the list shows it at once
        m_session->OnBack();
        QCOMPARE(Log(), "away You were away 0:17 (10:02 to 10:19). Restart the clocks of Essay?|withdraw|"
                        "away You were away 0:17 (10:02 to 10:19). Restart the clocks of Essay?");
        QCOMPARE(Describe() + QString::number(restarted.count()), "Essay 2:00/1:27 running, Gym 1:00/0:301");
        m_user.during = nullptr;
        m_user.log.clear();
        m_session->OnBack(); // nothing waits: nothing asked
        // Before sleep every clock stops, on disk before the computer is let go.
        bool saved = false;
        m_clock->Advance(30);
        m_session->OnSuspend([&] { saved = ReadBytes(Path("Ordalune.cdf")).contains("Essay,02:00,01:27"); });
        QTRY_VERIFY(saved);
        QVERIFY(Runs(m_clock->Now() - 60, m_clock->Now()).endsWith("Essay 30+0 sleep"));
        QCOMPARE(Log(),
                 "show|message Ordalune Warning: Before suspending the PC, running goals were stopped");
        m_user.log.clear();
        m_user.yes = {true};
        m_session->EditSelected("Essay", Minutes(120), Minutes(80)); // changed meanwhile: left stopped
        m_session->OnBack();
        QCOMPARE(Log() + Describe(), "away You were away 0:00 (10:20 to 10:20). Restart the clocks of "
                                     "Essay?Essay 2:00/1:20, Gym 1:00/0:30");
        m_session->OnSuspend(); // nothing runs: nothing said
        m_session->SetStopOnLock(false);
        m_session->StartSelected();
        m_session->OnAway(0);
        QCOMPARE(Describe() + QString::number(m_user.log.size()), "Essay 2:00/1:20 running, Gym 1:00/0:301");
    }

    // The journal: a run per start, brought up to date with the minute save so a crash loses at
    // most a minute; idle time given back at a lock is not counted; a renamed goal keeps its past;
    // closing ends what runs. A journal that cannot be opened is told once and the goals are saved.
    void journal() {
        Open("Essay,02:00,01:30\r\nGym,01:00,01:00\r\n");
        int told = 0; // the History window follows the runs
        m_session->History().OnChanged([&] { ++told; });
        const std::int64_t start = m_clock->Now();
        m_session->StartSelected();
        Tick(90);
        QCOMPARE(told, 2); // the run begun, and brought up to date with the minute
        m_session->History().Query(0, 1, [](const auto&) {}); // still asked as it ends
        m_session.reset();                                    // as a crash would: no closing save
        Open("Essay,02:00,01:30\r\nGym,01:00,01:00\r\n");
        m_session->StartSelected();
        Tick(30);
        m_session->EditSelected("Essay 2", Minutes(120), Minutes(60));
        Tick(30);
        m_session->StopSelected();
        Select(1);
        m_session->StartSelected();
        Tick(300);
        m_session->SetStopOnLock(true);
        m_session->OnAway(m_clock->Now() - 120);
        m_session->OnBack();
        m_session->OnBack();
        Select(0);
        m_session->StartSelected();
        Tick(5);
        Select(1);
        m_session->StartSelected();
        m_user.yes = {true};
        m_session->DeleteSelected(); // its run ends, its history stays under its last name
        QVERIFY(m_session->Close());
        QCOMPARE(Runs(start, start + 3600),
                 "Essay 2 0+60 crashed, Essay 2 90+60 stopped, Gym(deleted) 150+180 locked, "
                 "Essay 2 450+5 closed, Gym(deleted) 455+0 stopped");
        QCOMPARE(m_user.log.size(), 2); // declined once, not asked again; the deletion asked
        m_session.reset();
        QVERIFY(QFile::remove(Path(Journal::kFileName)) && QDir(m_dir->path()).mkdir(Journal::kFileName));
        Open("Essay,02:00,01:30\r\n");
        m_session->StartSelected();
        Tick(120);
        m_session->Save(true);
        Settle();
        QVERIFY(ReadBytes(Path("Ordalune.cdf")).contains("Essay,02:00,01:28"));
        QVERIFY(m_user.log.size() == 3 && m_user.log.last().contains("could not be opened"));
        // With no history, nothing is exported as if it were an empty one.
        std::optional<std::string> exported = "?";
        m_session->History().Export(HistoryExport::Format::Csv,
                                    [&](HistoryAccess::Exported out) { exported = std::move(out.text); });
        QTRY_VERIFY(!exported);
    }

    // The files the version before this one wrote read the same: the goals, each goal's past
    // under its identity, a budget that renews. A run it left open is closed as crashed, and one a
    // clock set back left ending before it began is mended to end where it began.
    void earlierFiles() {
        m_clock->Set(CTime(2026, 12, 8, 12, 0, 0).GetTime());
        QVERIFY(QFile::copy(ORDALUNE_TEST_DATA "/earlier/ordalune-history.sqlite", Path(Journal::kFileName)));
        Open(ReadBytes(ORDALUNE_TEST_DATA "/earlier/Ordalune.cdf"), "");
        Settle();
        Tick(1);
        QCOMPARE(Describe() + Log(), "Thesis 5:00/3:30, Gym 2:00/1:00, Read, slowly 1:00/0:45");
        QCOMPARE(m_session->Renewals().Prompt(Goals().GetAt(1)),
                 "Renews every Monday \u2014 this week 1:00 of 2:00 spent");
        m_session->StartGoal(0);
        Tick(60);
        QVERIFY(m_session->Close());
        const std::int64_t day = CTime(2026, 12, 7, 10, 0, 0).GetTime();
        QCOMPARE(
            Runs(day - 86400, day + 2 * 86400),
            "Thesis 0+3600 stopped, Thesis 66400+0 stopped, Gym 79200+1740 locked, Old(deleted) 81400+1000 "
            "done, Gym 82800+900 time_up, Read, slowly 86400+60 crashed, Thesis 180001+60 closed");
        Journal journal(m_dir->path().toStdString());
        QVERIFY(journal.OpenToRead());
        QCOMPARE(journal.Goals().size(), 3u); // no goal given a second identity
    }

    // The journal counts what the clock counts: a Time's Up question's minutes only when the
    // overrun question adds them. Setting the system clock counts nothing, either way: the run is
    // cut where it was set and goes on from the new time, Remaining never grows past Total, and a
    // day skipped renews once and is charged nothing.
    void countedTime() {
        Open("Out,0:30,0:01\r\nOver,0:30,0:01\r\nLong,5:00,5:00\r\nDaily,1:00,1:00\r\n");
        const std::int64_t start = m_clock->Now();
        m_user.timesUp = {{0, "15"}, {0, "15"}};
        m_user.yes = {true}; // the second question's minutes go to the goal
        m_user.during = [&](const QString& line) {
            if (line.startsWith("time's up"))
                m_clock->Advance(line.endsWith("Out") ? 45 : 125);
        };
        for (const int goal : {0, 1}) {
            m_session->StartGoal(goal);
            Tick(60);
        }
        m_user.during = {};
        QCOMPARE(Runs(start, start + 3600), "Out 0+60 done, Over 105+185 done");
        Renew(3, Renewal::Every::Day);
        const std::int64_t begun = m_clock->Now();
        for (const int goal : {2, 3})
            m_session->StartGoal(goal);
        Tick(60);
        m_clock->Set(m_clock->Now() - 3600); // set back an hour
        QCOMPARE(Tick(60),
                 "Out 0:30/0:00 done, Over 0:32/0:00 done, Long 5:00/4:58 running, Daily 1:00/0:58 running");
        m_clock->Set(m_clock->Now() + 3 * 86400); // three days on
        QCOMPARE(Tick(60),
                 "Out 0:30/0:00 done, Over 0:32/0:00 done, Long 5:00/4:57 running, Daily 1:00/0:59 running");
        m_session->StopGoal(2);
        // Cut at each setting: the run after the hour back starts before the first ended.
        QCOMPARE(Runs(begun - 3600, begun + 4 * 86400),
                 "Long 61+60 clock_changed, Daily 61+60 clock_changed, Out 3310+60 done, Over 3415+185 done, "
                 "Long 3600+60 clock_changed, Daily 3600+60 clock_changed, Long 259321+60 stopped, "
                 "Daily 259321+60 running");
    }

    // Open asks first when anything changed since the last save: Yes saves, then reads; No reads;
    // Cancel does nothing. A Yes whose save fails reads nothing and says why.
    void readAgain() {
        using Reply = Prompter::Reply;
        Open("Essay,02:00,01:30\r\n");
        QVERIFY(m_session->ReadAgain()); // nothing changed: read without a word
        Settle();
        for (const auto& [name, total, left] :
             {std::tuple{"Essay", 135, 90}, {"Essay", 120, 89}, {"Essays", 120, 90}}) {
            m_session->EditSelected(name, Minutes(total), Minutes(left)); // a minute or a letter asks
            m_user.replies = {Reply::Cancel};
            QVERIFY(!m_session->ReadAgain());
            m_session->EditSelected("Essay", Minutes(120), Minutes(90));
        }
        m_session->AddGoal("Gym", Minutes(60), Minutes(60));
        m_user.replies = {Reply::Cancel, Reply::No, Reply::Yes, Reply::Yes};
        QVERIFY(!m_session->ReadAgain());
        Settle();
        QVERIFY(Describe() == "Essay 2:00/1:30, Gym 1:00/1:00" && m_session->ReadAgain());
        QTRY_COMPARE(Describe(), "Essay 2:00/1:30");
        m_session->AddGoal("Run", Minutes(60), Minutes(60));
        QVERIFY(m_session->ReadAgain());
        QTRY_VERIFY(ReadBytes(Path("Ordalune.cdf")).contains("Run"));
        Settle(); // the save told: the reading asked for
        Settle(); // the reading done
        QVERIFY(QDir(m_dir->path()).mkdir("Ordalune.cdf.new"));
        Goals().GetAt(0).ToggleRunning(); // time counted since the last save
        QVERIFY(m_session->ReadAgain());
        QTRY_COMPARE(m_user.log.size(), 8);
        Settle(); // a failed save reads nothing
        QCOMPARE(Describe(), "Essay 2:00/1:30 running, Run 1:00/1:00");
        QCOMPARE(m_user.log.filter("yes/no/cancel Ordalune: Save the goals before reading").size(), 7);
        QVERIFY(m_user.log.last().startsWith("message File Error: Your goals could not be saved."));
    }

    // A run that ended while another program held the journal is written with the next save.
    void heldJournal() {
        Open("Essay,02:00,01:30\r\n");
        Settle(); // the journal opened
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(qPrintable(Path(Journal::kFileName)), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        m_session->StartSelected();
        Tick(5);
        m_session->StopSelected();
        Settle();
        QCOMPARE(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) + sqlite3_close(db), SQLITE_OK);
        Tick(60);
        QCOMPARE(Runs(m_clock->Now() - 65, m_clock->Now()), "Essay 0+5 stopped");
    }

    // How much a renewing goal has spent in its period is the journal's answer, corrections
    // included, with what its running clock counted since; Remaining stays what the clock counted.
    void spentFromTheJournal() {
        Open("Weekly,5:00,5:00\r\n");
        Renew(0, Renewal::Every::Week);
        m_session->StartGoal(0);
        Tick(600);
        const auto prompt = [&] { return m_session->Renewals().Prompt(Goals().GetAt(0)); };
        QTRY_COMPARE(prompt(), "Renews every Monday \u2014 this week 0:10 of 5:00 spent");
        const std::int64_t now = m_clock->Now();
        bool added = false;
        m_session->History().Goals([&](std::vector<std::pair<std::int64_t, std::string>> goals) {
            Interval forgotten{0,           goals.front().first, "",   false,
                               now - 86400, now - 86400 + 1800,  1800, Interval::End::Stopped};
            m_session->History().Add(forgotten, [&](std::int64_t id) { added = id != 0; });
        });
        QTRY_VERIFY(added);
        QTRY_COMPARE(prompt(), "Renews every Monday \u2014 this week 0:40 of 5:00 spent");
        Tick(60);
        QCOMPARE(prompt(), "Renews every Monday \u2014 this week 0:41 of 5:00 spent");
        QCOMPARE(Describe(), "Weekly 5:00/4:49 running");
        m_session->StopSelected(); // a second run counts from its own start
        m_session->StartSelected();
        Tick(60);
        QTRY_COMPARE(prompt(), "Renews every Monday \u2014 this week 0:42 of 5:00 spent");
        // Made daily, then renewed: never the period before's time, even before the journal is read.
        Renew(0, Renewal::Every::Day);
        QCOMPARE(prompt(), "Renews daily \u2014 today 0:12 of 5:00 spent");
        Settle(), m_session->StopSelected(); // read, then stopped
        m_clock->Set(CTime(2026, 12, 6, 23, 59, 59).GetTime()), Tick(2);
        QCOMPARE(prompt(), "Renews daily \u2014 today 0:00 of 5:00 spent");
    }

    // A renewal whose own save failed is kept by the journal: a start after a crash puts it back and
    // saves it at once. Once a save holds it, a start after a crash keeps the time spent since,
    // instead of going back to the renewal's values.
    void renewalSavedLater() {
        Open("Daily,0:30,0:10\r\n");
        m_clock->Set(CTime(2026, 12, 7, 23, 59, 30).GetTime());
        Renew(0, Renewal::Every::Day);
        QVERIFY(QDir(m_dir->path()).mkdir("Ordalune.cdf.new")); // in the way of the renewal's save
        TickAndSettle(60);
        QVERIFY(QDir(m_dir->path()).rmdir("Ordalune.cdf.new"));
        Open(ReadBytes(Path("Ordalune.cdf")), ""); // as after a crash: the renewal is in the journal alone
        Settle();
        TickAndSettle(1); // put back, and saved at once
        QVERIFY(ReadBytes(Path("Ordalune.cdf")).contains("Daily,00:30,00:30"));
        m_session->StartGoal(0);
        TickAndSettle(60);                         // saved with the minute
        Open(ReadBytes(Path("Ordalune.cdf")), ""); // no closing save
        Settle();
        QCOMPARE(Tick(1), "Daily 0:30/0:29");
    }

    // Closing saves once. When that save fails the user chooses: keep the program running, Retry,
    // or Quit Anyway, which writes nothing; closed by a signal, nothing is asked.
    void exitSave_data() {
        QTest::addColumn<QList<Choice>>("answers");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("keep open") << QList<Choice>{Choice::KeepOpen} << false << false;
        QTest::newRow("retry") << QList<Choice>{Choice::Retry, Choice::Retry} << true << true;
        QTest::newRow("quit anyway") << QList<Choice>{Choice::Retry, Choice::QuitAnyway} << true << false;
        QTest::newRow("on a signal") << QList<Choice>{} << true << false;
    }
    void exitSave() {
        QFETCH(QList<Choice>, answers);
        Open("Essay,02:00,01:30\r\n");
        m_session->AddGoal("New", Minutes(60), Minutes(60));
        QVERIFY(QDir(m_dir->path()).mkdir("Ordalune.cdf.new")); // in the way of every save
        m_user.exits = answers;
        m_user.during = [&](const QString&) {
            if (m_user.exits.size() == 1) // the second answer finds the way clear
                QVERIFY(QDir(m_dir->filePath("Ordalune.cdf.new")).removeRecursively());
        };
        if (answers.isEmpty())
            m_session->SetQuitting();
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        QCOMPARE(m_session->Close(), closed);
        QVERIFY(m_session->Timer().isActive() == !closed && m_session->ExitSaveFailed() == answers.isEmpty());
        QCOMPARE(m_user.log.size(), answers.size());
        QCOMPARE(ReadBytes(Path("Ordalune.cdf")).contains("New"), saved);
        if (!answers.isEmpty())
            QCOMPARE(m_user.log.first(), "exit Your goals could not be saved. File exists");
    }
};

QTEST_GUILESS_MAIN(TestGoalSession)
#include "TestGoalSession.moc"
