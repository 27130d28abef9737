// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/AwaySpan.h"
#include "clock/ClockJump.h"
#include "clock/TickGoals.h"
#include "model/GoalList.h"
#include "session/HistoryAccess.h"
#include "session/RenewalKeeper.h"
#include "session/RunRecorder.h"
#include "session/RunningClock.h"
#include "storage/GoalFileText.h"
#include "storage/GoalStore.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

class Prompter;

// The running program's goals and every rule over them: the one-second tick, starting and
// stopping clocks, time's up, the away and sleep rules, which commands may run, and loading and
// saving through the store. It shows nothing: it asks the user through a Prompter and tells what
// changed through its signals.
class GoalSession final : public QObject, private TimesUpHost {
    Q_OBJECT

public:
    static constexpr int kTickMs = 1000;
    static constexpr unsigned kPaneTicks = 15;
    static constexpr unsigned kSaveTicks = 60;

    // The goal file lives in `directory`; empty means the current directory.
    explicit GoalSession(std::string directory = {}, QObject* parent = nullptr);
    ~GoalSession() override;

    void SetPrompter(Prompter* prompter) { m_prompter = prompter; }
    // Sounds the alert as a goal's time runs out.
    void SetAlert(std::function<void()> alert) { m_alert = std::move(alert); }
    // Away from the desk: with the choice on, a locked screen stops the clocks and gives back the
    // idle time before it; on return (or after a resume from sleep) one question offers to
    // restart them.
    void SetStopOnLock(bool on) { m_stopOnLock = on; }
    // From now on nothing is asked or shown; the program is closing.
    void SetQuitting() { m_quitting = true; }
    [[nodiscard]] bool IsQuitting() const { return m_quitting; }

    [[nodiscard]] GoalList& Goals() { return m_goals; }
    [[nodiscard]] const std::string& UserName() const { return m_userName; }
    [[nodiscard]] unsigned TickCount() const { return m_nTicks; }
    [[nodiscard]] bool InTick() const { return m_inTick; }
    [[nodiscard]] QTimer& Timer() { return m_timer; }
    // False while another running copy holds these goals.
    [[nodiscard]] bool OwnsGoals() const { return m_store.OwnsGoals(); }
    [[nodiscard]] bool ExitSaveFailed() const { return m_exitSaveFailed; }
    // The goals whose clocks run, in list order.
    [[nodiscard]] QList<RunningClock> RunningClocks() const;
    // Where a file of the goal file's folder is.
    [[nodiscard]] std::string Path(const std::string& name) const { return m_store.Path(name); }

    // Reads the goal file in place of the goals listed now, so a second reading never lists the
    // same goals twice. At start the goals are read before the window shows; later readings
    // never hold up the window.
    void LoadNow();
    // Starts the reading LoadNow takes, so the goal file is read while the window is built.
    void PrepareLoad() { m_prepared = m_store.LoadLater(); }
    void Reload();
    // File > Open and New: reads the goal file again, asking first whether to save what changed
    // since the last save. False when the user cancelled.
    bool ReadAgain();
    // `then` learns, once the save is done, whether the goals were written.
    void Save(bool askedFor = false, const std::function<void(bool)>& then = {});
    // Returns once every load and save asked for so far is done; their results are told next.
    void Flush() { m_store.Flush(); }
    // Budgets that renew: the goal dialog's choices, the status prompt.
    [[nodiscard]] RenewalKeeper& Renewals() { return m_renewals; }
    // The journal of time spent, for the History window and the export.
    [[nodiscard]] HistoryAccess& History() { return m_history; }
    // The journal opens and what waited for it is written: once the window is up.
    void StartJournal() { m_store.StartJournal(); }
    void WriteReport();
    // One timer message: every running clock counts down; panes every 15th, a save every 60th.
    void Tick();

    // The goal dialog's results. The placeholder gives way to the first goal added.
    void AddGoal(const std::string& name, CTimeSpan total, CTimeSpan remaining);
    void EditSelected(const std::string& name, CTimeSpan total, CTimeSpan remaining);
    void DeleteSelected();
    void FinishEarly();
    void SetUserName(const std::string& name);
    // The Start and Stop commands: the other running clocks carry on.
    void StartSelected();
    void StopSelected();
    // A double-click: the selected goal's clock starts alone unless `keepOthers`, or stops.
    void ToggleFromList(bool keepOthers);
    // Starts or stops one goal's clock, whichever goal is selected; a goal with no time left
    // does not start.
    void StartGoal(int index);
    void StopGoal(int index);

    void OnAway(qint64 idleSince);
    void OnBack();
    // Stops every running clock before the machine sleeps; `saved` runs once that is on disk.
    void OnSuspend(const std::function<void()>& saved = {});
    // Saves, once, as the program closes; false when the user chose to keep it running after a
    // failed save. Closing on a signal never asks: a failure goes to standard error.
    bool Close();

    // Whether each command may run now; a command that may not is not carried out.
    [[nodiscard]] bool CanEditDelete() const { return m_goals.CanEditDelete(); }
    [[nodiscard]] bool CanStartClock() const { return m_goals.CanStartClock(); }
    [[nodiscard]] bool CanStopClock() const { return m_goals.CanStopClock(); }
    [[nodiscard]] bool CanFinishEarly() const { return m_goals.CanFinishEarly(); }

signals:
    // The goals were read anew or changed in number: lay out, fit and draw everything.
    void goalsReset();
    // One goal's name or times changed.
    void goalChanged(int index);
    // One goal's clock started or stopped.
    void clockChanged(int index);
    // A tick was handled; what it changed.
    void ticked(const TickResult& result);
    // Every timer message, also one dropped while a tick is being handled: the time of day moves.
    void timerFired();
    void statusTextsChanged(const QString& elapsed, const QString& remain, const QString& finish);
    void userNameChanged(const QString& name);
    // The goal file held no name: ask for one once the window is up.
    void userNameWanted();
    // Something the enable rules read has changed.
    void commandsChanged();

private:
    void Apply(GoalStore::Loaded loaded);
    void OnSaved(const GoalFile::SaveResult& result);
    // Whether the goal file would differ from the last one read or written: a running clock
    // always has counted time since.
    [[nodiscard]] bool Unsaved() const;
    // The goal file's text for the goals as they are now.
    [[nodiscard]] const std::string& FileText() const { return m_fileText.Of(m_goals, m_userName); }
    void UpdateStatusPanes();
    void Show(const UserMessage& message);
    void Changed(int index);
    void Toggle(int index);

    void PlayAlert() override;
    void BringToFront() override;
    Answer AskTimesUp(const std::string& goalName) override;
    bool AskOverrun(const std::string& goalName, const std::string& question) override;
    void HandBack() override;

    GoalList m_goals;
    std::string m_userName;
    GoalStore m_store;
    std::future<GoalStore::Loaded> m_prepared;
    HistoryAccess m_history{m_store, m_goals};
    RunRecorder m_runs{m_store, [this] {
                           m_history.Changed();
                           m_renewals.JournalChanged();
                       }};
    RenewalKeeper m_renewals;
    QTimer m_timer;
    unsigned m_nTicks = 0;
    Prompter* m_prompter = nullptr;
    std::function<void()> m_alert;
    AwaySpan m_away;
    ClockJump m_clockJump;
    std::unique_ptr<GoalStore::Loaded> m_heldLoad; // read while a tick stood open
    mutable GoalFileText m_fileText; // a cache: each goal's line is made again only when it changes
    std::shared_ptr<const std::string> m_savedImage; // the goal file's text as last read or written
    bool m_stopOnLock = true;
    bool m_inTick = false;
    bool m_askingAway = false;
    bool m_awaySuperseded = false;
    bool m_quitting = false;
    bool m_closed = false;
    bool m_exitSaveFailed = false;
    bool m_saveMessageOpen = false;
};
