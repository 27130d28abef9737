// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/GoalSession.h"

#include "model/CTime.h"
#include "session/MessageText.h"
#include "session/Prompter.h"
#include "session/TimeOfDay.h"
#include "storage/ReportWriter.h"

#include <QDir>
#include <QLocale>

#include <cstdio>
#include <utility>

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

} // namespace

GoalSession::GoalSession(std::string directory, QObject* parent)
    : QObject(parent), m_store(std::move(directory)),
      m_renewals(m_goals, m_store, m_runs, QLocale().firstDayOfWeek() % 7) {
    m_history.SetBudgets([this](const Goal& goal) { return m_renewals.SettingOf(goal); });
    m_history.OnCorrected([this] { m_renewals.JournalChanged(); }); // one answer to "how much this period"
    m_timer.setInterval(kTickMs);
    // Queued, so the timer's own delivery has returned before a tick can open a question: a timer
    // is never fired again while its handler runs, and the clock pane must move on meanwhile.
    connect(&m_timer, &QTimer::timeout, this, &GoalSession::Tick, Qt::QueuedConnection);
    m_timer.start();
    m_store.SetJournalTold([this](std::vector<UserMessage> told) {
        QMetaObject::invokeMethod(
            this,
            [this, told] {
                for (const UserMessage& message : told)
                    Show(message);
            },
            Qt::QueuedConnection);
    });
}

GoalSession::~GoalSession() {
    // Work still waiting in the store may answer the history's questions: done while it can.
    m_store.Flush();
}

void GoalSession::Show(const UserMessage& message) {
    if (!m_quitting && m_prompter != nullptr)
        m_prompter->ShowMessage(message);
}

void GoalSession::LoadNow() { Apply(m_prepared.valid() ? m_prepared.get() : m_store.LoadNow()); }

void GoalSession::Reload() {
    m_store.Load([this](GoalStore::Loaded loaded) {
        auto held = std::make_shared<GoalStore::Loaded>(std::move(loaded));
        QMetaObject::invokeMethod(
            this, [this, held] { Apply(std::move(*held)); }, Qt::QueuedConnection);
    });
}

void GoalSession::Apply(GoalStore::Loaded loaded) {
    if (m_inTick) { // a time's-up question stands open on one of the goals listed now
        m_heldLoad = std::make_unique<GoalStore::Loaded>(std::move(loaded));
        return;
    }
    m_runs.EndAll(m_goals, Interval::End::Stopped); // the clocks read over are gone
    m_goals = std::move(loaded.goals);
    m_userName = std::move(loaded.userName);
    m_runs.Loaded(m_goals);
    m_renewals.Loaded();
    m_fileText = std::move(loaded.text);
    m_savedImage = std::make_shared<const std::string>(m_fileText.Last());
    emit goalsReset();
    UpdateStatusPanes();
    emit commandsChanged();
    for (const UserMessage& message : loaded.result.messages)
        Show(message);
    if (loaded.result.askUserName)
        emit userNameWanted();
    else
        emit userNameChanged(Text(m_userName));
}

bool GoalSession::Unsaved() const {
    for (int i = 0; i < m_goals.GetCount(); ++i)
        if (m_goals.GetAt(i).IsRunning())
            return true;
    return m_savedImage == nullptr || FileText() != *m_savedImage;
}

bool GoalSession::ReadAgain() {
    if (!Unsaved() || !OwnsGoals() || m_quitting || m_prompter == nullptr) {
        Reload(); // nothing to lose, or nothing this copy could save
        return true;
    }
    switch (m_prompter->AskYesNoCancel(QStringLiteral("Ordalune"),
                                       tr("Save the goals before reading the goal file again?"))) {
    case Prompter::Reply::Yes:
        Save(true, [this](bool saved) { // a save that failed says so, and nothing is read
            if (saved)
                Reload();
        });
        return true;
    case Prompter::Reply::No:
        Reload();
        return true;
    case Prompter::Reply::Cancel:
        break;
    }
    return false;
}

void GoalSession::Save(bool askedFor, const std::function<void(bool)>& then) {
    auto image = std::make_shared<const std::string>(FileText());
    m_store.Save(*image, askedFor,
                 [this, then, image, renewals = m_renewals.Made()](const GoalFile::SaveResult& result) {
                     // Told on the session's thread, between its other work.
                     QMetaObject::invokeMethod(
                         this,
                         [this, then, image, renewals, result] {
                             const bool saved = result.status == GoalFile::SaveResult::Status::Saved;
                             if (saved) {
                                 m_savedImage = image;
                                 m_renewals.Saved(renewals); // whichever save it was
                             }
                             OnSaved(result);
                             if (then)
                                 then(saved);
                         },
                         Qt::QueuedConnection);
                 });
}

void GoalSession::OnSaved(const GoalFile::SaveResult& result) {
    // While one save's messages are open, a later save's (the same failure, a minute on) are not.
    if (m_saveMessageOpen)
        return;
    m_saveMessageOpen = true;
    for (UserMessage message : result.messages) {
        if (result.status == GoalFile::SaveResult::Status::Failed) // where, and the system's words
            message.Append({{"",
                             "\n\n%1: %2",
                             {QDir::current().absoluteFilePath(Text(Path(GoalFile::kFileName))).toStdString(),
                              result.detail}}});
        Show(message);
    }
    m_saveMessageOpen = false;
}

void GoalSession::WriteReport() {
    Show(ReportWriter::Write(m_goals, CTime::GetCurrentTime(), Path(ReportWriter::kFileName)));
}

void GoalSession::UpdateStatusPanes() {
    const GoalList::Totals totals = m_goals.GetTotals();
    const CTimeSpan remaining = totals.remaining;
    const QString elapsed = tr(" Elapsed : %1 ").arg(Text(totals.elapsed.FormatShort()));
    const QString remain = tr(" Remain : %1 ").arg(Text(remaining.FormatShort()));
    QString finish;
    if (remaining > CTimeSpan())
        finish = tr(" Finish : %1 ").arg(TimeOfDay::Of(CTime::GetCurrentTime() + remaining));
    emit statusTextsChanged(elapsed, remain, finish);
}

void GoalSession::Tick() {
    if (m_closed)
        return; // a tick queued before the closing save changes nothing after it
    if (m_inTick) {
        emit timerFired(); // the time of day still moves on
        return;            // a tick is still being handled: a time's-up question is open
    }
    m_inTick = true;
    ++m_nTicks;
    if (m_clockJump.Look()) { // the system clock was set: nothing counted for it, runs cut there
        for (int i = 0; i < m_goals.GetCount(); ++i)
            m_goals.GetAt(i).FollowWallClock(CTime::GetCurrentTime());
        m_runs.Cut(m_goals);
    }
    if (m_renewals.Check(CTime::GetCurrentTime())) { // saved at once, not with the minute
        Save(false);
        emit goalsReset();
        UpdateStatusPanes();
        emit commandsChanged(); // a renewed goal may start again, and the tray shows its time
    }
    const TickResult result = TickGoals(m_goals, *this);
    if (result.MinuteMoved()) // a clock stops in a tick only when its time is up
        m_runs.Sync(m_goals, Interval::End::TimeUp);
    emit ticked(result);
    if (result.changed)
        UpdateStatusPanes();
    if (m_nTicks % kPaneTicks == 0)
        UpdateStatusPanes();
    if (m_nTicks % kSaveTicks == 0) {
        m_runs.Checkpoint(m_goals); // a crash loses at most this minute
        Save();
    }
    if (result.MinuteMoved()) // what the commands and the tray show moves no faster
        emit commandsChanged();
    emit timerFired();
    m_inTick = false;
    if (m_heldLoad)
        Apply(std::move(*std::exchange(m_heldLoad, nullptr)));
}

void GoalSession::Changed(int index) {
    emit goalChanged(index);
    UpdateStatusPanes();
    emit commandsChanged();
}

void GoalSession::AddGoal(const std::string& name, CTimeSpan total, CTimeSpan remaining) {
    if (m_goals.GetCount() == 1 && GoalList::IsPlaceholder(m_goals.GetAt(0)))
        m_goals.Remove(0);
    m_goals.Append(std::make_unique<Goal>(name, total, remaining));
    m_runs.Added(m_goals.GetAt(m_goals.GetCount() - 1));
    emit goalsReset();
    UpdateStatusPanes();
    emit commandsChanged();
}

void GoalSession::EditSelected(const std::string& name, CTimeSpan total, CTimeSpan remaining) {
    if (!CanEditDelete())
        return;
    Goal& goal = *m_goals.GetSelectedGoal();
    const bool renamed = goal.GetName() != name;
    goal.Set(name, total, remaining);
    if (renamed)
        m_runs.Renamed(goal); // its past follows it
    goal.SetDone(remaining == CTimeSpan());
    Changed(m_goals.GetSelection());
}

void GoalSession::DeleteSelected() {
    if (!CanEditDelete() || m_quitting || m_prompter == nullptr)
        return;
    const int selection = m_goals.GetSelection();
    if (!m_prompter->AskYesNo(Text(m_goals.GetAt(selection).GetName()), tr("Delete this goal?")))
        return;
    m_runs.Deleted(m_goals.GetAt(selection)); // its history stays, under its last name
    m_goals.Remove(selection);
    m_runs.Sync(m_goals, Interval::End::Stopped);
    if (m_goals.AddPlaceholderIfEmpty())
        m_goals.SetSelection(GoalList::kNoSelection);
    else if (!m_goals.SetSelection(selection))
        m_goals.SetSelection(selection - 1);
    emit goalsReset();
    UpdateStatusPanes();
    emit commandsChanged();
}

void GoalSession::FinishEarly() {
    if (!CanFinishEarly())
        return;
    Goal& goal = *m_goals.GetSelectedGoal();
    if (goal.IsRunning()) {
        goal.ToggleRunning();
        emit clockChanged(m_goals.GetSelection());
    }
    goal.Set(goal.GetName(), goal.GetElapsed(), CTimeSpan());
    m_runs.Sync(m_goals, Interval::End::FinishedEarly);
    goal.SetDone(true);
    Changed(m_goals.GetSelection());
}

void GoalSession::SetUserName(const std::string& name) {
    m_userName = name;
    emit userNameChanged(Text(name));
}

void GoalSession::StartSelected() {
    if (CanStartClock())
        Toggle(m_goals.GetSelection());
}

void GoalSession::StopSelected() {
    if (CanStopClock())
        Toggle(m_goals.GetSelection());
}

void GoalSession::ToggleFromList(bool keepOthers) {
    Goal* goal = m_goals.GetSelectedGoal();
    if (goal == nullptr || goal->GetRemaining() <= CTimeSpan())
        return;
    if (!goal->IsRunning() && !keepOthers)
        for (const int stopped : m_goals.StopAllGoals())
            emit clockChanged(stopped);
    Toggle(m_goals.GetSelection());
}

void GoalSession::StartGoal(int index) {
    if (index >= 0 && index < m_goals.GetCount() && !m_goals.GetAt(index).IsRunning() &&
        m_goals.GetAt(index).GetRemaining() > CTimeSpan())
        Toggle(index);
}

void GoalSession::StopGoal(int index) {
    if (index >= 0 && index < m_goals.GetCount() && m_goals.GetAt(index).IsRunning())
        Toggle(index);
}

void GoalSession::Toggle(int index) {
    m_goals.GetAt(index).ToggleRunning();
    m_runs.Sync(m_goals, Interval::End::Stopped);
    emit clockChanged(index);
    emit commandsChanged();
}

void GoalSession::OnAway(qint64 idleSince) {
    if (!m_stopOnLock)
        return;
    if (m_askingAway) { // gone again before answering: the same span goes on
        m_awaySuperseded = true;
        m_prompter->WithdrawAwayQuestion();
    }
    const std::optional<CTime> idle = idleSince > 0 ? std::optional(CTime(idleSince)) : std::nullopt;
    if (!m_away.Stop(m_goals, CTime::GetCurrentTime(), idle))
        return;
    m_runs.Sync(m_goals, Interval::End::Locked); // the idle time given back is not counted
    Changed(-1);
    Save();
}

void GoalSession::OnBack() {
    if (!m_away.IsWaiting() || m_askingAway || m_quitting || m_prompter == nullptr)
        return;
    m_askingAway = true;
    const bool yes = m_prompter->AskAway(MessageText::Of(m_away.Question(
        CTime::GetCurrentTime(), [](CTime time) { return TimeOfDay::Short(time).toStdString(); })));
    m_askingAway = false;
    if (std::exchange(m_awaySuperseded, false))
        return; // asked again on the next return, for the whole span
    if (!yes) {
        m_away.Forget();
        return;
    }
    if (m_away.Restart(m_goals) > 0) {
        m_runs.Sync(m_goals, Interval::End::Stopped);
        emit goalChanged(-1);
        emit commandsChanged();
    }
}

void GoalSession::OnSuspend(const std::function<void()>& saved) {
    const std::vector<int> stopped = m_goals.StopAllGoals();
    m_away.Remember(m_goals, stopped, CTime::GetCurrentTime()); // for the question on return
    m_runs.Sync(m_goals, Interval::End::Sleep);
    for (const int index : stopped)
        emit clockChanged(index);
    // Nothing half-written while the machine sleeps, and the stopped clocks on disk.
    m_store.Save(FileText(), false, [this, saved](const GoalFile::SaveResult&) {
        if (saved)
            QMetaObject::invokeMethod(this, saved, Qt::QueuedConnection);
    });
    if (stopped.empty())
        return;
    emit commandsChanged();
    if (m_prompter == nullptr || m_quitting)
        return;
    m_prompter->ShowWindow();
    Show(UserMessage::Of(
        {{"GoalSession",
          ORDALUNE_TRANSLATE("GoalSession", "Before suspending the PC, running goals were stopped")}},
        ORDALUNE_TRANSLATE("UserMessage", "Ordalune Warning")));
}

bool GoalSession::Close() {
    if (m_closed)
        return true;
    m_timer.stop();
    for (;;) {
        const GoalFile::SaveResult result = m_store.SaveNow(FileText());
        if (result.status == GoalFile::SaveResult::Status::Saved)
            m_renewals.Saved(m_renewals.Made());
        if (result.status != GoalFile::SaveResult::Status::Failed)
            break;
        if (m_quitting || m_prompter == nullptr) {
            const QString path = QDir::current().absoluteFilePath(Text(Path(GoalFile::kFileName)));
            std::fprintf(
                stderr, "ordalune: %s\n",
                qPrintable(tr("The goals could not be saved to %1: %2.").arg(path, Text(result.detail))));
            m_exitSaveFailed = true;
            break;
        }
        // The changes since the last save would be lost without a word: let the user decide.
        const Prompter::ExitChoice choice =
            m_prompter->AskExitRetry(result.messages.front(), Text(result.detail));
        if (choice == Prompter::ExitChoice::QuitAnyway)
            break;
        if (choice == Prompter::ExitChoice::KeepOpen) {
            m_timer.start();
            return false;
        }
    }
    m_runs.EndAll(m_goals, Interval::End::Closed);
    // Written before the program ends; a journal held locked elsewhere is waited for a moment.
    for (const JournalRecorder::LostRun& run : m_store.FinishJournal(std::chrono::seconds(3)))
        std::fprintf(
            stderr, "ordalune: %s\n",
            qPrintable(tr("The history of time spent was locked, so this run was not recorded: %1, %2.")
                           .arg(run.goal.empty() ? tr("a goal") : Text(run.goal),
                                TimeOfDay::Span(CTime(run.start), CTime(run.end)))));
    m_closed = true;
    return true;
}

QList<RunningClock> GoalSession::RunningClocks() const {
    const CTime now = CTime::GetCurrentTime();
    QList<RunningClock> running;
    for (int i = 0; i < m_goals.GetCount(); ++i)
        if (const Goal& goal = m_goals.GetAt(i); goal.IsRunning())
            running.append({i, Text(goal.GetName()), Text(goal.GetRemainingText()),
                            (now + goal.GetRemaining()).GetTime()});
    return running;
}

void GoalSession::PlayAlert() {
    if (m_alert)
        m_alert();
}

void GoalSession::BringToFront() {
    if (m_prompter != nullptr && !m_quitting)
        m_prompter->BringToFront();
}

TimesUpHost::Answer GoalSession::AskTimesUp(const std::string& goalName) {
    if (m_quitting || m_prompter == nullptr)
        return {0, "15"}; // as Esc answers it
    return m_prompter->AskTimesUp(goalName);
}

bool GoalSession::AskOverrun(const std::string& goalName, const std::string& question) {
    return !m_quitting && m_prompter != nullptr && m_prompter->AskOverrun(goalName, question);
}

void GoalSession::HandBack() {
    if (m_prompter != nullptr && !m_quitting)
        m_prompter->HandBack();
}
