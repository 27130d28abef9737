// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class GoalListBox;

// One goal of the list as a screen reader meets it: a list item named by the goal's name and its
// Remaining time as the list shows it, whether its clock runs and when it will be done, or that it
// is done; selected and focused as the list has it; its action starts or stops the clock.
class GoalItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    GoalItemAccessible(GoalListBox* list, int index) : m_list(list), m_index(index) {}

    [[nodiscard]] bool isValid() const override;
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* parent() const override;
    [[nodiscard]] QAccessibleInterface* child(int) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    [[nodiscard]] QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    [[nodiscard]] QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    [[nodiscard]] QRect rect() const override;
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::ListItem; }
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] void* interface_cast(QAccessible::InterfaceType type) override;

    [[nodiscard]] QStringList actionNames() const override;
    void doAction(const QString& name) override;
    [[nodiscard]] QStringList keyBindingsForAction(const QString& name) const override;

    [[nodiscard]] int Index() const { return m_index; }

private:
    QPointer<GoalListBox> m_list;
    int m_index;
};
