// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

#include <vector>

class GoalListBox;

// The goal list as a screen reader meets it: a list whose items are the goals, in order. The list
// draws itself, so it says what it shows here.
class GoalListAccessible final : public QAccessibleWidget {
public:
    explicit GoalListAccessible(GoalListBox* list);
    ~GoalListAccessible() override;

    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface* focusChild() const override;
    [[nodiscard]] QString text(QAccessible::Text kind) const override;

    // Made for every GoalListBox, by the accessibility framework.
    static QAccessibleInterface* Factory(const QString& className, QObject* object);

private:
    [[nodiscard]] GoalListBox* List() const;

    mutable std::vector<QAccessible::Id> m_items; // made as they are first asked for
};
