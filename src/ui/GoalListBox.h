// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/TickGoals.h"
#include "ui/GoalPainter.h"

#include <QAbstractScrollArea>
#include <QAccessible>

#include <vector>

class GoalList;

// Shows the goal list, one line a goal on black. It draws from the list it is given, turns
// clicks and keys into selection changes on it, and repaints only the rectangles that changed.
class GoalListBox final : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit GoalListBox(GoalList& goals, QWidget* parent = nullptr);

    [[nodiscard]] GoalList& Goals() const { return m_goals; }
    [[nodiscard]] const GoalPainter& Painter() const { return m_painter; }

    // The item's rectangle in the viewport.
    [[nodiscard]] QRect GetItemRect(int index) const;
    [[nodiscard]] int ItemAt(const QPoint& point) const;
    // Recomputes the widest name and the largest Total; true when either changed.
    bool UpdateLayout();
    // The item width, and one line a goal (at least one).
    [[nodiscard]] QSize GetIdealSize() const;
    [[nodiscard]] QSize minimumSizeHint() const override;

    // Selects an item (or none, with an index out of range) and repaints the frames that changed.
    bool SetSelection(int index);
    // The item the keys act on: the selected one, else the one with the focus frame.
    [[nodiscard]] int CurrentItem() const {
        return m_goals.GetSelection() >= 0 ? m_goals.GetSelection() : m_caret;
    }
    // Called after the list's items changed in number.
    void ItemsChanged();
    void InvalidateAll();
    void InvalidateItem(int index);
    // Repaints what a tick changed: wheel and bar, the Remaining time when its text changed,
    // the whole item when the goal's time ran out.
    void RepaintTick(const TickResult& result);
    // Wheel and finish time of an item whose clock started or stopped.
    void InvalidateClock(int index);

signals:
    void selectionChanged();
    // A double-click on the selected goal, or Return, or a screen reader's action: start or stop
    // its clock, keeping the others running when `keepOthers` (Ctrl held).
    void toggleRequested(bool keepOthers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;

private:
    // Tells a screen reader, when one listens, that an item's name or the focus changed.
    void TellAccessibility(QAccessible::Event kind, int index);
    void UpdateScrollBar();
    void InvalidateFrame(int index);
    void EnsureVisible(int index);

    GoalList& m_goals;
    GoalPainter m_painter;
    int m_maxNameWidth = 0;
    CTimeSpan m_maxTotal;
    int m_caret = 0;                    // the item with the focus frame when nothing is selected
    std::vector<int> m_barFill;         // each item's bar filling as last painted
    std::vector<QString> m_finishShown; // each running item's finish time as last painted
};
