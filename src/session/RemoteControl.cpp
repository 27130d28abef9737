// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/RemoteControl.h"

#include "model/Goal.h"
#include "model/GoalName.h"
#include "model/ParseHoursMinutes.h"
#include "session/GoalSession.h"

#include <QCoreApplication>

namespace {

RemoteControl::Result Fail(RemoteControl::Failure failure, const QString& message) {
    return {failure, message};
}

QString Quoted(const QString& name) { return QLatin1Char('"') + name + QLatin1Char('"'); }

} // namespace

RemoteControl::RemoteControl(GoalSession& session, QObject* parent) : QObject(parent), m_session(session) {
    m_gap.setSingleShot(true);
    m_gap.setInterval(kSignalGapMs);
    connect(&m_gap, &QTimer::timeout, this, &RemoteControl::changed);
    connect(&session, &GoalSession::goalsReset, this, &RemoteControl::Note);
    connect(&session, &GoalSession::goalChanged, this, &RemoteControl::Note);
    connect(&session, &GoalSession::clockChanged, this, &RemoteControl::Note);
    connect(&session, &GoalSession::ticked, this, [this](const TickResult& result) {
        for (const GoalRepaint& repaint : result.repaints)
            if (repaint.wholeItem) // time ran out: stopped, or given more time
                return Note();
    });
}

void RemoteControl::Note() {
    if (!m_gap.isActive())
        m_gap.start();
}

QList<RemoteGoal> RemoteControl::List() const {
    const CTime now = CTime::GetCurrentTime();
    QList<RemoteGoal> goals;
    const GoalList& list = m_session.Goals();
    for (int i = 0; i < list.GetCount(); ++i) {
        const Goal& goal = list.GetAt(i);
        if (GoalList::IsPlaceholder(goal))
            continue;
        goals.append({QString::fromStdString(goal.GetName()), goal.GetTotal().GetTotalSeconds(),
                      goal.GetRemaining().GetTotalSeconds(), goal.IsRunning(),
                      goal.IsRunning() ? (now + goal.GetRemaining()).GetTime() : 0});
    }
    return goals;
}

QStringList RemoteControl::Running() const {
    QStringList names;
    for (const RemoteGoal& goal : List())
        if (goal.running)
            names << goal.name;
    return names;
}

RemoteControl::Result RemoteControl::Refusal(bool clocks) const {
    if (!m_session.OwnsGoals())
        return Fail(Failure::NotOwner,
                    QStringLiteral("This copy of Ordalune shows the goals but does not own "
                                   "the goal file."));
    if (clocks && m_session.InTick())
        return Fail(Failure::Busy, tr("A Time's Up question is open: answer it first."));
    return {};
}

RemoteControl::Result RemoteControl::Find(const QString& name, int* index) const {
    if (Result refused = Refusal(true); refused.failure != Failure::None)
        return refused;
    const std::string wanted = GoalName::Clean(name.toStdString()); // as the goal was named
    const GoalList& list = m_session.Goals();
    for (int i = 0; i < list.GetCount(); ++i) {
        if (list.GetAt(i).GetName() == wanted && !GoalList::IsPlaceholder(list.GetAt(i))) {
            *index = i;
            return {};
        }
    }
    return Fail(Failure::NoSuchGoal, tr("There is no goal named %1.").arg(Quoted(name)));
}

RemoteControl::Result RemoteControl::Start(const QString& name) {
    int index = 0;
    if (Result found = Find(name, &index); found.failure != Failure::None)
        return found;
    if (m_session.Goals().GetAt(index).GetRemaining() <= CTimeSpan())
        return Fail(Failure::GoalDone, tr("%1 is done: it has no time left.").arg(Quoted(name)));
    m_session.StartGoal(index);
    return {};
}

RemoteControl::Result RemoteControl::Stop(const QString& name) {
    int index = 0;
    Result found = Find(name, &index);
    if (found.failure == Failure::None)
        m_session.StopGoal(index);
    return found;
}

RemoteControl::Result RemoteControl::Toggle(const QString& name) {
    int index = 0;
    if (Result found = Find(name, &index); found.failure != Failure::None)
        return found;
    return m_session.Goals().GetAt(index).IsRunning() ? Stop(name) : Start(name);
}

RemoteControl::Result RemoteControl::StopAll() {
    if (Result refused = Refusal(true); refused.failure != Failure::None)
        return refused;
    for (int i = 0; i < m_session.Goals().GetCount(); ++i)
        m_session.StopGoal(i);
    return {};
}

RemoteControl::Result RemoteControl::Add(const QString& name, const QString& total) {
    if (Result refused = Refusal(false); refused.failure != Failure::None)
        return refused;
    const std::string clean = GoalName::Clean(name.toStdString()); // as the goal dialog has it
    if (clean.empty() || GoalName::Length(clean) > GoalName::kMaxLength)
        return Fail(Failure::BadName,
                    tr("A goal's name is 1 to %1 characters long.").arg(GoalName::kMaxLength));
    if (const GoalName::Refused refusal = GoalName::Refusal(clean); refusal.text != nullptr)
        return Fail(
            Failure::BadName,
            QCoreApplication::translate("GoalName", refusal.text).arg(QString::fromStdString(refusal.arg)));
    CTimeSpan time;
    bool tooLong = false;
    const bool read = total.size() <= kMaxTimeLength && ParseStrictSpan(total.toStdString(), &time, &tooLong);
    if (read && tooLong)
        return Fail(Failure::BadTime,
                    tr("%1 is more than the largest Total, %2.")
                        .arg(Quoted(total), QString::fromStdString(kMaxStoredSpan.FormatShort())));
    if (!read || time <= CTimeSpan())
        return Fail(
            Failure::BadTime,
            tr("%1 is no Total: give hours and minutes, e.g. 1:30.").arg(Quoted(total.left(kMaxTimeLength))));
    m_session.AddGoal(clean, time, time);
    return {};
}
