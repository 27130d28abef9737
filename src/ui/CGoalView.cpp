// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CGoalView.h"

#include "model/ParseHoursMinutes.h"
#include "session/GoalSession.h"
#include "ui/GoalDialog.h"
#include "ui/GoalListBox.h"
#include "ui/UserNameDialog.h"

#include <QEvent>
#include <QVBoxLayout>

#include <utility>

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

} // namespace

CGoalView::CGoalView(GoalSession& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_prompter(parent != nullptr ? parent->window() : this, this) {
    setObjectName(QStringLiteral("goalView"));
    m_listBox = new GoalListBox(session.Goals(), this);
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
    session.SetPrompter(&m_prompter);

    connect(m_listBox, &GoalListBox::selectionChanged, this, &CGoalView::selectionChanged);
    connect(m_listBox, &GoalListBox::toggleRequested, &session, &GoalSession::ToggleFromList);
    connect(&session, &GoalSession::goalsReset, this, [this] {
        m_listBox->ItemsChanged();
        m_listBox->UpdateLayout();
        emit fitRequested();
        m_listBox->InvalidateAll();
    });
    connect(&session, &GoalSession::goalChanged, this, &CGoalView::Relayout);
    connect(&session, &GoalSession::clockChanged, m_listBox, &GoalListBox::InvalidateClock);
    connect(&session, &GoalSession::ticked, this, [this](const TickResult& result) {
        m_listBox->RepaintTick(result);
        if (result.changed) {
            m_listBox->UpdateLayout();
            emit fitRequested();
            m_listBox->InvalidateAll();
        }
    });
    connect(&session, &GoalSession::userNameWanted, this, [this] {
        // Asked once the list has been painted: by then the window manager has placed the window,
        // so the prompt opens centred on it rather than where the window was before.
        if (m_painted)
            QMetaObject::invokeMethod(this, &CGoalView::OnUserName, Qt::QueuedConnection);
        else
            m_askNameWhenPainted = true;
    });
}

CGoalView::~CGoalView() { m_session.SetPrompter(nullptr); }

// One goal changed (-1: any of them): the layout follows a new widest name or largest Total.
void CGoalView::Relayout(int index) {
    if (m_listBox->UpdateLayout() || index < 0) {
        emit fitRequested();
        m_listBox->InvalidateAll();
    }
    m_listBox->InvalidateItem(index);
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

void CGoalView::OnGoalAdd() {
    GoalDialog dialog(this);
    dialog.SetCaption(tr("Add Goal"));
    dialog.m_strName = tr("Enter the title of your goal");
    dialog.m_strTotal = tr("Hours:Mins");
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_session.AddGoal(dialog.m_strName.toStdString(), ParseTimeSpan(dialog.m_strTotal.toStdString()),
                      ParseTimeSpan(dialog.m_strRemaining.toStdString()));
    const GoalList& goals = m_session.Goals();
    m_session.Renewals().Choose(goals.GetAt(goals.GetCount() - 1),
                                static_cast<Renewal::Every>(dialog.m_nRenewEvery), dialog.m_bCarryOver, true,
                                CTime::GetCurrentTime());
}

void CGoalView::OnGoalEdit() {
    if (!m_session.CanEditDelete())
        return;
    const Goal& goal = *m_session.Goals().GetSelectedGoal();
    GoalDialog dialog(this);
    dialog.SetCaption(tr("Edit Goal"));
    dialog.m_strName = Text(goal.GetName());
    dialog.m_strTotal = Text(goal.GetTotal().Format("%H:%M"));
    dialog.m_strRemaining = Text(goal.GetRemaining().Format("%H:%M"));
    if (const RenewalKeeper::Plan* plan = m_session.Renewals().Of(goal)) {
        dialog.m_nRenewEvery = static_cast<int>(plan->setting.every);
        dialog.m_bCarryOver = plan->setting.carryOver;
    }
    const CTimeSpan total = goal.GetTotal();
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_session.EditSelected(dialog.m_strName.toStdString(), ParseTimeSpan(dialog.m_strTotal.toStdString()),
                           ParseTimeSpan(dialog.m_strRemaining.toStdString()));
    // The goal may have gone meanwhile, read again from the file.
    if (const Goal* edited = m_session.Goals().GetSelectedGoal(); edited == &goal)
        m_session.Renewals().Choose(goal, static_cast<Renewal::Every>(dialog.m_nRenewEvery),
                                    dialog.m_bCarryOver, goal.GetTotal() != total, CTime::GetCurrentTime());
}

void CGoalView::OnUserName() {
    UserNameDialog dialog(this);
    dialog.m_strUserName = Text(m_session.UserName());
    if (!m_session.IsQuitting() && dialog.exec() == QDialog::Accepted)
        m_session.SetUserName(dialog.m_strUserName.toStdString());
}
