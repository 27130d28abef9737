#include "ui/CGoalView.h"

#include "clock/TickGoals.h"
#include "model/CTime.h"
#include "model/ParseHoursMinutes.h"
#include "storage/ReportWriter.h"
#include "ui/DesktopQuestion.h"
#include "ui/GoalDialog.h"
#include "ui/GoalListBox.h"
#include "ui/Notifier.h"
#include "ui/UserNameDialog.h"
#include "ui/WindowHost.h"

#include <QDir>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <cstdio>
#include <utility>

bool CGoalView::s_bInTimer = false;

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

} // namespace

CGoalView::CGoalView(QWidget* parent, std::string directory)
    : QWidget(parent), m_file(std::move(directory)),
      m_saver([this](const GoalList& goals, const std::string& user,
                     bool asked) { return m_file.SaveGoals(goals, user, asked); },
              [this](GoalFile::SaveResult result, bool) {
                  // Told on the window's thread, between its other work; while one save's
                  // messages are open, a later save's (the same failure, a minute on) are not.
                  QMetaObject::invokeMethod(
                      this,
                      [this, messages = std::move(result.messages)] {
                          if (m_savedMessageOpen)
                              return;
                          m_savedMessageOpen = true;
                          for (const UserMessage& message : messages)
                              ShowMessage(message);
                          m_savedMessageOpen = false;
                      },
                      Qt::QueuedConnection);
              }) {
    setObjectName(QStringLiteral("goalView"));
    m_listBox = new GoalListBox(m_goals, this);
    m_listBox->setObjectName(QStringLiteral("goalList"));
    m_listBox->setWhatsThis(QStringLiteral(
        "Your goals: name, Remaining time and a bar of the time spent against the Total. Double-click a "
        "goal to start or stop its clock; hold Ctrl to keep other clocks running."));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_listBox);
    setFocusProxy(m_listBox);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    m_listBox->viewport()->installEventFilter(this);
    connect(m_listBox, &GoalListBox::selectionChanged, this, &CGoalView::commandsChanged);
    connect(m_listBox, &GoalListBox::clocksChanged, this, &CGoalView::commandsChanged);

    m_timer.setInterval(kTickMs);
    // Queued, so the timer's own delivery has returned before a tick can open a question: a timer
    // is never fired again while its handler runs, and the clock pane must move on meanwhile.
    connect(&m_timer, &QTimer::timeout, this, &CGoalView::OnTimer, Qt::QueuedConnection);
    m_timer.start();
}

CGoalView::~CGoalView() = default;

void CGoalView::SetHost(TimesUpHost* host) { m_host = host; }

TimesUpHost& CGoalView::Host() {
    if (m_host != nullptr)
        return *m_host;
    if (!m_windowHost) {
        m_windowHost = std::make_unique<WindowHost>(window(), m_listBox);
        m_windowHost->SetQuitting(m_quitting);
        m_windowHost->SetNotifier(m_notifier);
    }
    return *m_windowHost;
}

void CGoalView::SetQuitting() {
    m_quitting = true;
    if (m_windowHost)
        m_windowHost->SetQuitting(true);
}

void CGoalView::ShowMessage(const UserMessage& message) {
    if (m_quitting)
        return;
    const QMessageBox::Icon icon = message.icon == UserMessage::Icon::Warning       ? QMessageBox::Warning
                                   : message.icon == UserMessage::Icon::Information ? QMessageBox::Information
                                                                                    : QMessageBox::NoIcon;
    const QString caption = message.caption.empty() ? QStringLiteral("Ordalune") : Text(message.caption);
    QMessageBox box(icon, caption, Text(message.text), QMessageBox::Ok, this);
    box.exec();
}

int CGoalView::AskYesNo(const QString& caption, const QString& text) {
    if (m_quitting)
        return QMessageBox::No;
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, this);
    return box.exec();
}

void CGoalView::OnInitialUpdate() {
    emit toolbarToggleRequested();
    LoadGoals();
    FitFrameToList();
}

// Reads the goal file in place of the goals listed now, so a second reading never lists the
// same goals twice.
void CGoalView::LoadGoals() {
    m_saver.Wait(); // a save under way finishes before the file is read again
    m_goals.Clear();
    const GoalFile::LoadResult result = m_file.LoadGoals(m_goals, m_userName);
    for (const UserMessage& message : result.messages)
        ShowMessage(message);
    if (!result.askUserName)
        emit documentTitleChanged(Text(m_userName));
    m_listBox->ItemsChanged();
    m_listBox->UpdateLayout();
    m_listBox->InvalidateAll();
    UpdateStatusPanes();
    emit commandsChanged();
    if (result.askUserName) {
        // Asked once the list has been painted: by then the window manager has placed the window,
        // so the prompt opens centred on it rather than where the window was before.
        if (m_listBox->viewport()->isVisible() && m_painted)
            QMetaObject::invokeMethod(this, &CGoalView::OnUserName, Qt::QueuedConnection);
        else
            m_askNameWhenPainted = true;
    }
}

bool CGoalView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == m_listBox->viewport() && !m_painted) {
        m_painted = true;
        m_listBox->viewport()->removeEventFilter(this); // only the first paint matters
        if (std::exchange(m_askNameWhenPainted, false))
            QMetaObject::invokeMethod(this, &CGoalView::OnUserName, Qt::QueuedConnection);
        emit firstPainted();
    }
    return QWidget::eventFilter(watched, event);
}

void CGoalView::SaveGoals(bool askedFor) { m_saver.Submit(m_goals.Copy(), m_userName, askedFor); }

void CGoalView::FitFrameToList() {
    QWidget* frame = window();
    if (frame == this)
        return;
    frame->ensurePolished(); // sizes as they will be shown, also before the first show
    const QSize ideal = m_listBox->GetIdealSize();
    QSize chrome = frame->size() - m_listBox->size();
    if (auto* main = qobject_cast<QMainWindow*>(frame); main != nullptr && !main->isVisible()) {
        // Not laid out yet: the list gets the whole width, and the height less the bars around it.
        int bars = 0;
        for (QWidget* bar : main->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (bar != main->centralWidget() && !bar->isHidden() && !bar->isWindow() &&
                (qobject_cast<QMenuBar*>(bar) || qobject_cast<QStatusBar*>(bar) ||
                 qobject_cast<QToolBar*>(bar)))
                bars += bar->sizeHint().height();
        chrome = QSize(0, bars);
    }
    QSize target(chrome.width() + ideal.width(), chrome.height() + ideal.height() + 4);
    // Never so narrow that the status panes are cut.
    if (auto* main = qobject_cast<QMainWindow*>(frame); main != nullptr && main->statusBar() != nullptr)
        target.setWidth(std::max(target.width(), main->statusBar()->sizeHint().width()));
    // A list longer than the screen scrolls instead of running off it.
    if (const QScreen* screen = frame->screen()) {
        const QSize room =
            screen->availableGeometry().size() - (frame->frameGeometry().size() - frame->size());
        if (target.height() > room.height()) {
            target.setHeight(room.height());
            target.rwidth() += m_listBox->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        }
        target.setWidth(std::min(target.width(), room.width()));
    }
    frame->resize(target);
}

void CGoalView::UpdateStatusPanes() {
    const CTimeSpan remaining = m_goals.GetTotalRemaining();
    const QString elapsed =
        QStringLiteral(" Elapsed : %1 ").arg(Text(m_goals.GetTotalElapsed().FormatShort()));
    const QString remain = QStringLiteral(" Remain : %1 ").arg(Text(remaining.FormatShort()));
    QString finish;
    if (remaining > CTimeSpan())
        finish = QStringLiteral(" Finish : %1 ")
                     .arg(Text((CTime::GetCurrentTime() + remaining).Format("%#I:%M %p")));
    emit statusTextsChanged(elapsed, remain, finish);
}

void CGoalView::OnTimer() {
    if (m_destroyed)
        return; // a tick queued before the closing save changes nothing after it
    if (s_bInTimer) {
        emit ticked(); // the time of day still moves on
        return;        // a tick is still being handled: a time's-up question is open
    }
    s_bInTimer = true;
    ++m_nTicks;
    const TickResult result = TickGoals(m_goals, Host());
    m_listBox->RepaintTick(result);
    if (result.changed) {
        m_listBox->UpdateLayout();
        FitFrameToList();
        m_listBox->InvalidateAll();
        UpdateStatusPanes();
    }
    if (m_nTicks % kPaneTicks == 0)
        UpdateStatusPanes();
    if (m_nTicks % kSaveTicks == 0)
        SaveGoals();
    if (!result.repaints.empty())
        emit commandsChanged();
    emit ticked();
    s_bInTimer = false;
}

void CGoalView::OnPowerSuspend(const std::function<void()>& clocksStopped) {
    std::vector<int> stopped;
    for (int i = 0; i < m_goals.GetCount(); ++i)
        if (m_goals.GetAt(i).IsRunning())
            stopped.push_back(i);
    (void)m_away.Stop(m_goals, CTime::GetCurrentTime()); // remembered for the question on return
    for (const int index : stopped)
        m_listBox->InvalidateItem(index);
    m_saver.Wait(); // nothing half-written while the machine sleeps
    if (clocksStopped)
        clocksStopped();
    if (stopped.empty())
        return;
    emit commandsChanged();
    QWidget* frame = window();
    frame->showNormal();
    frame->raise();
    frame->activateWindow();
    if (m_quitting)
        return;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ordalune Warning"),
                    QStringLiteral("Before suspending the PC, running goals were stopped"), QMessageBox::Ok,
                    this);
    box.exec();
}

bool CGoalView::OnDestroy() {
    if (m_destroyed)
        return true;
    m_timer.stop();
    m_saver.Wait();
    for (;;) {
        const GoalFile::SaveResult result = m_file.SaveGoals(m_goals, m_userName);
        if (result.status != GoalFile::SaveResult::Status::Failed)
            break;
        if (m_quitting) {
            const QString path = QDir::current().absoluteFilePath(Text(m_file.Path(GoalFile::kFileName)));
            std::fprintf(stderr, "ordalune: the goals could not be saved to %s: %s\n", qPrintable(path),
                         result.detail.c_str());
            m_exitSaveFailed = true;
            break;
        }
        // The changes since the last save would be lost without a word: let the user decide.
        QMessageBox box(QMessageBox::NoIcon, Text(result.messages.front().caption),
                        Text(result.messages.front().text + "\n\n" + result.detail), QMessageBox::NoButton,
                        this);
        box.setObjectName(QStringLiteral("exitSaveFailed"));
        QPushButton* retry = box.addButton(QStringLiteral("Retry"), QMessageBox::AcceptRole);
        QPushButton* quit = box.addButton(QStringLiteral("Quit Anyway"), QMessageBox::DestructiveRole);
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
        box.setDefaultButton(retry);
        box.exec();
        if (box.clickedButton() == quit)
            break;
        if (box.clickedButton() != retry) {
            m_timer.start();
            return false;
        }
    }
    m_destroyed = true;
    return true;
}

void CGoalView::OnFileNew() {
    emit documentTitleChanged(QStringLiteral("Untitled"));
    OnInitialUpdate();
}

void CGoalView::OnFileOpen() {
    LoadGoals();
    FitFrameToList();
}

void CGoalView::OnFileSave() { SaveGoals(true); }

void CGoalView::OnFileReport() {
    const UserMessage message =
        ReportWriter::Write(m_goals, CTime::GetCurrentTime(), m_file.Path(ReportWriter::kFileName));
    ShowMessage(message);
}

void CGoalView::OnGoalAdd() {
    GoalDialog dialog(this);
    dialog.SetCaption(QStringLiteral("Add Goal"));
    dialog.m_strName = QStringLiteral("Enter the title of your goal");
    dialog.m_strTotal = QStringLiteral("Hours:Mins");
    if (dialog.exec() == QDialog::Accepted) {
        if (m_goals.GetCount() == 1 && GoalList::IsPlaceholder(m_goals.GetAt(0)))
            m_goals.Remove(0);
        const CTimeSpan total = ParseTimeSpan(dialog.m_strTotal.toStdString());
        const CTimeSpan remaining = ParseTimeSpan(dialog.m_strRemaining.toStdString());
        const int index =
            m_goals.Append(std::make_unique<Goal>(dialog.m_strName.toStdString(), total, remaining));
        m_listBox->ItemsChanged();
        if (m_listBox->UpdateLayout())
            m_listBox->InvalidateAll();
        else
            m_listBox->InvalidateItem(index);
        UpdateStatusPanes();
        emit commandsChanged();
    }
    FitFrameToList();
}

void CGoalView::OnGoalEdit() {
    if (!CanEditDelete())
        return;
    Goal& goal = *m_goals.GetSelectedGoal();
    GoalDialog dialog(this);
    dialog.SetCaption(QStringLiteral("Edit Goal"));
    dialog.m_strName = Text(goal.GetName());
    dialog.m_strTotal = Text(goal.GetTotal().Format("%H:%M"));
    dialog.m_strRemaining = Text(goal.GetRemaining().Format("%H:%M"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const CTimeSpan total = ParseTimeSpan(dialog.m_strTotal.toStdString());
    const CTimeSpan remaining = ParseTimeSpan(dialog.m_strRemaining.toStdString());
    const std::string name = dialog.m_strName.toStdString();
    const bool layoutChanged = name != goal.GetName() || total != goal.GetTotal();
    goal.Set(name, total, remaining);
    goal.SetDone(remaining == CTimeSpan());
    if (layoutChanged && m_listBox->UpdateLayout()) {
        FitFrameToList();
        m_listBox->InvalidateAll();
    }
    m_listBox->InvalidateItem(m_goals.GetSelection());
    UpdateStatusPanes();
    emit commandsChanged();
}

void CGoalView::OnGoalDelete() {
    if (!CanEditDelete())
        return;
    const int selection = m_goals.GetSelection();
    if (AskYesNo(Text(m_goals.GetAt(selection).GetName()), QStringLiteral("Delete this goal?")) !=
        QMessageBox::Yes)
        return;
    m_goals.Remove(selection);
    if (m_goals.IsEmpty()) {
        m_goals.AddPlaceholderIfEmpty();
        m_listBox->SetSelection(-1);
    } else if (!m_listBox->SetSelection(selection) && selection - 1 >= 0) {
        m_listBox->SetSelection(selection - 1);
    }
    m_listBox->ItemsChanged();
    m_listBox->UpdateLayout();
    FitFrameToList();
    m_listBox->InvalidateAll();
    UpdateStatusPanes();
    emit commandsChanged();
}

void CGoalView::OnGoalStart() {
    if (CanStartClock())
        OnStartStopClock();
}

void CGoalView::OnGoalStop() {
    if (CanStopClock())
        OnStartStopClock();
}

void CGoalView::OnAway(qint64 idleSince) {
    if (!m_stopOnLock)
        return;
    if (m_awayQuestion) { // gone again before answering: the same span goes on
        m_awaySuperseded = true;
        QMetaObject::invokeMethod(m_awayQuestion, "reject");
    }
    const std::optional<CTime> idle = idleSince > 0 ? std::optional(CTime(idleSince)) : std::nullopt;
    if (!m_away.Stop(m_goals, CTime::GetCurrentTime(), idle))
        return;
    m_listBox->InvalidateAll();
    UpdateStatusPanes();
    emit commandsChanged();
    SaveGoals();
}

void CGoalView::OnBack() {
    if (!m_away.IsWaiting() || m_awayQuestion || m_quitting)
        return;
    const QString question = Text(m_away.Question(CTime::GetCurrentTime()));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ordalune"), question,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("awayQuestion"));
    m_awayQuestion = &box;
    const DesktopQuestion asked(
        window(), m_notifier, QStringLiteral("Welcome back"), Notifier::Escaped(question),
        {QStringLiteral("yes"), QStringLiteral("Yes"), QStringLiteral("no"), QStringLiteral("No")}, &box,
        [&box](const QString& key) {
            box.done(key == QLatin1String("yes") ? QMessageBox::Yes : QMessageBox::No);
        });
    const int answer = box.exec();
    m_awayQuestion = nullptr;
    if (std::exchange(m_awaySuperseded, false))
        return; // asked again on the next return, for the whole span
    if (answer != QMessageBox::Yes) {
        m_away.Forget();
        return;
    }
    if (m_away.Restart(m_goals) > 0) {
        m_listBox->InvalidateAll();
        emit commandsChanged();
    }
}

void CGoalView::StopGoal(int index) {
    if (index < 0 || index >= m_goals.GetCount() || !m_goals.GetAt(index).IsRunning())
        return;
    m_goals.GetAt(index).ToggleRunning();
    m_listBox->InvalidateClock(index);
    emit commandsChanged();
}

void CGoalView::SetNotifier(Notifier* notifier) {
    m_notifier = notifier;
    if (m_windowHost)
        m_windowHost->SetNotifier(notifier);
}

// Start and Stop are one toggle; the other running clocks carry on.
void CGoalView::OnStartStopClock() {
    m_goals.GetSelectedGoal()->ToggleRunning();
    m_listBox->InvalidateClock(m_goals.GetSelection());
    emit commandsChanged();
}

void CGoalView::OnFinishEarly() {
    if (!CanFinishEarly())
        return;
    Goal& goal = *m_goals.GetSelectedGoal();
    if (goal.IsRunning())
        goal.ToggleRunning();
    goal.Set(goal.GetName(), goal.GetElapsed(), CTimeSpan());
    goal.SetDone(true);
    if (m_listBox->UpdateLayout())
        m_listBox->InvalidateAll();
    m_listBox->InvalidateItem(m_goals.GetSelection());
    UpdateStatusPanes();
    emit commandsChanged();
}

void CGoalView::OnUserName() {
    UserNameDialog dialog(this);
    dialog.m_strUserName = Text(m_userName);
    if (m_quitting || dialog.exec() != QDialog::Accepted)
        return;
    m_userName = dialog.m_strUserName.toStdString();
    emit documentTitleChanged(dialog.m_strUserName);
}

bool CGoalView::CanEditDelete() const {
    const Goal* goal = m_goals.GetSelectedGoal();
    return goal != nullptr && !GoalList::IsPlaceholder(*goal);
}

bool CGoalView::CanStartClock() const {
    const Goal* goal = m_goals.GetSelectedGoal();
    return goal != nullptr && !goal->IsRunning() && goal->GetRemaining() > CTimeSpan();
}

bool CGoalView::CanStopClock() const {
    const Goal* goal = m_goals.GetSelectedGoal();
    return goal != nullptr && goal->IsRunning();
}

bool CGoalView::CanFinishEarly() const {
    const Goal* goal = m_goals.GetSelectedGoal();
    return goal != nullptr && goal->GetRemaining() > CTimeSpan();
}
