#pragma once

#include "clock/AwaySpan.h"
#include "model/GoalList.h"
#include "storage/GoalFile.h"
#include "storage/SaveWorker.h"
#include "storage/UserMessage.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class GoalListBox;
class Notifier;
class TimesUpHost;
class WindowHost;

// The hub of the running program: owns the goals, the user's name and the one-second clock;
// carries out the goal, file, report and user-name commands; loads the goal file at start,
// saves it every minute and at exit; hands the status texts to the main window.
class CGoalView final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTickMs = 1000;
    static constexpr unsigned kPaneTicks = 15;
    static constexpr unsigned kSaveTicks = 60;

    // The goal file lives in `directory`; empty means the current directory.
    explicit CGoalView(QWidget* parent = nullptr, std::string directory = {});
    ~CGoalView() override;

    [[nodiscard]] GoalList& Goals() { return m_goals; }
    [[nodiscard]] GoalListBox* ListBox() const { return m_listBox; }
    [[nodiscard]] const std::string& UserName() const { return m_userName; }
    [[nodiscard]] unsigned TickCount() const { return m_nTicks; }
    [[nodiscard]] QTimer& Timer() { return m_timer; }
    // The goal file, once no save is under way.
    [[nodiscard]] GoalFile& File() {
        m_saver.Wait();
        return m_file;
    }
    [[nodiscard]] static bool InTimer() { return s_bInTimer; }

    // Replaces how time's up is handled (tests script it); nullptr puts the window's own back.
    void SetHost(TimesUpHost* host);
    // From now on no dialog or message opens; the program is closing.
    void SetQuitting();

    // Toolbar toggle, goal file, frame size: at start and on New.
    void OnInitialUpdate();
    void LoadGoals();
    void SaveGoals(bool askedFor = false);
    void FitFrameToList();
    void UpdateStatusPanes();
    void OnTimer();
    // Stops every running clock before the machine sleeps; `clocksStopped` runs as soon as they
    // are, before the warning is shown.
    void OnPowerSuspend(const std::function<void()>& clocksStopped = {});
    // Saves, once, as the program closes; false when the user chose to keep the window open after
    // a failed save. Closing on a signal never asks: a failure goes to standard error.
    bool OnDestroy();
    [[nodiscard]] bool ExitSaveFailed() const { return m_exitSaveFailed; }

    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileReport();
    void OnGoalAdd();
    void OnGoalEdit();
    void OnGoalDelete();
    void OnGoalStart();
    void OnGoalStop();
    void OnStartStopClock();
    // Stops one goal's clock, whichever goal is selected.
    void StopGoal(int index);
    // Where questions also go as desktop notifications; nullptr for none.
    void SetNotifier(Notifier* notifier);
    // Away from the desk: with the choice on, a locked screen stops the clocks and gives back the
    // idle time before it; on return (or after a resume from sleep) one question offers to
    // restart them.
    void SetStopOnLock(bool on) { m_stopOnLock = on; }
    void OnAway(qint64 idleSince);
    void OnBack();
    void OnFinishEarly();
    void OnUserName();

    // Whether each command may run now; a command that may not is not carried out.
    [[nodiscard]] bool CanEditDelete() const;
    [[nodiscard]] bool CanStartClock() const;
    [[nodiscard]] bool CanStopClock() const;
    [[nodiscard]] bool CanFinishEarly() const;

signals:
    void statusTextsChanged(const QString& elapsed, const QString& remain, const QString& finish);
    void documentTitleChanged(const QString& title);
    void toolbarToggleRequested();
    // Every timer message, also one dropped while a tick is being handled.
    void ticked();
    // Something the enable rules read has changed.
    void commandsChanged();
    // The list has been drawn for the first time.
    void firstPainted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowMessage(const UserMessage& message);
    int AskYesNo(const QString& caption, const QString& text);
    TimesUpHost& Host();

    GoalList m_goals;
    GoalListBox* m_listBox = nullptr;
    std::string m_userName;
    GoalFile m_file;
    SaveWorker m_saver; // the only user of m_file while a save is under way
    QTimer m_timer;
    unsigned m_nTicks = 0;
    std::unique_ptr<WindowHost> m_windowHost;
    TimesUpHost* m_host = nullptr;
    QPointer<Notifier> m_notifier;
    AwaySpan m_away;
    bool m_stopOnLock = true;
    QPointer<QWidget> m_awayQuestion;
    bool m_awaySuperseded = false;
    bool m_quitting = false;
    bool m_destroyed = false;
    bool m_exitSaveFailed = false;
    bool m_savedMessageOpen = false;   // a save's message is on screen
    bool m_painted = false;            // the list has been painted once
    bool m_askNameWhenPainted = false; // the name prompt waits for that

    static bool s_bInTimer;
};
