// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/WindowPrompter.h"

#include <QWidget>

class GoalListBox;
class GoalSession;

// The goal list on screen and the dialogs of the goal commands. It draws what the session says
// changed, turns double-clicks into clock requests, and asks the session's questions with the
// program's dialogs.
class CGoalView final : public QWidget {
    Q_OBJECT

public:
    CGoalView(GoalSession& session, QWidget* parent);
    ~CGoalView() override;

    [[nodiscard]] GoalListBox* ListBox() const { return m_listBox; }
    [[nodiscard]] WindowPrompter& Asker() { return m_prompter; }

    void OnGoalAdd();
    void OnGoalEdit();
    void OnUserName();

signals:
    // The list's ideal size may have changed: the frame fits itself to it again.
    void fitRequested();
    // The selection moved.
    void selectionChanged();
    // The list has been drawn for the first time.
    void firstPainted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Relayout(int index);

    GoalSession& m_session;
    GoalListBox* m_listBox = nullptr;
    WindowPrompter m_prompter;
    bool m_painted = false;            // the list has been painted once
    bool m_askNameWhenPainted = false; // the name prompt waits for that
};
