// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GoalListAccessible.h"

#include "model/GoalList.h"
#include "ui/GoalItemAccessible.h"
#include "ui/GoalListBox.h"

GoalListAccessible::GoalListAccessible(GoalListBox* list) : QAccessibleWidget(list, QAccessible::List) {}

GoalListAccessible::~GoalListAccessible() {
    for (const QAccessible::Id id : m_items)
        QAccessible::deleteAccessibleInterface(id);
}

GoalListBox* GoalListAccessible::List() const { return static_cast<GoalListBox*>(widget()); }

QAccessibleInterface* GoalListAccessible::Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("GoalListBox") && object->isWidgetType())
        return new GoalListAccessible(static_cast<GoalListBox*>(object));
    return nullptr;
}

int GoalListAccessible::childCount() const { return List()->Goals().GetCount(); }

QAccessibleInterface* GoalListAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    while (static_cast<int>(m_items.size()) <= index) // each item's interface lives with the list's
        m_items.push_back(QAccessible::registerAccessibleInterface(
            new GoalItemAccessible(List(), static_cast<int>(m_items.size()))));
    return QAccessible::accessibleInterface(m_items[static_cast<std::size_t>(index)]);
}

int GoalListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const GoalItemAccessible*>(child);
    return item != nullptr && item->parent() == this && item->Index() < childCount() ? item->Index() : -1;
}

QAccessibleInterface* GoalListAccessible::childAt(int x, int y) const {
    return child(List()->ItemAt(List()->viewport()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* GoalListAccessible::focusChild() const {
    return List()->hasFocus() ? child(List()->CurrentItem()) : nullptr;
}

QString GoalListAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
        return GoalListBox::tr("Goals");
    return QAccessibleWidget::text(kind);
}
