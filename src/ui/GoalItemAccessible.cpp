// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GoalItemAccessible.h"

#include "model/CTime.h"
#include "model/GoalList.h"
#include "session/TimeOfDay.h"
#include "ui/GoalListBox.h"

#include <QAbstractScrollArea>

bool GoalItemAccessible::isValid() const { return m_list && m_index < m_list->Goals().GetCount(); }

QAccessibleInterface* GoalItemAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(m_list);
}

QString GoalItemAccessible::text(QAccessible::Text kind) const {
    if (!isValid() || kind != QAccessible::Name)
        return {};
    const Goal& goal = m_list->Goals().GetAt(m_index);
    const QString name = QString::fromStdString(goal.GetName());
    const QString left = QString::fromStdString(goal.GetRemainingText());
    if (goal.IsRunning()) // the finish time moves with the minute the list shows
        return GoalListBox::tr("%1, %2 left, running, done at %3")
            .arg(name, left, TimeOfDay::Of(CTime::GetCurrentTime() + goal.GetRemaining()));
    if (goal.IsDone())
        return GoalListBox::tr("%1, done").arg(name);
    return GoalListBox::tr("%1, %2 left").arg(name, left);
}

QRect GoalItemAccessible::rect() const {
    if (!isValid())
        return {};
    const QRect item = m_list->GetItemRect(m_index);
    return QRect(m_list->viewport()->mapToGlobal(item.topLeft()), item.size());
}

QAccessible::State GoalItemAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.focusable = true;
    state.selected = m_list->Goals().GetSelection() == m_index;
    state.focused = m_list->hasFocus() && m_list->CurrentItem() == m_index;
    state.active = state.focused;
    const QRect item = m_list->GetItemRect(m_index);
    state.invisible = !m_list->viewport()->rect().intersects(item);
    state.offscreen = state.invisible;
    return state;
}

void* GoalItemAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList GoalItemAccessible::actionNames() const {
    return isValid() ? QStringList{toggleAction()} : QStringList();
}

void GoalItemAccessible::doAction(const QString& name) {
    if (!isValid() || name != toggleAction())
        return;
    m_list->SetSelection(m_index);
    emit m_list->toggleRequested(false); // as a double-click on it
}

QStringList GoalItemAccessible::keyBindingsForAction(const QString& name) const {
    return name == toggleAction() ? QStringList{QStringLiteral("Return")} : QStringList();
}
