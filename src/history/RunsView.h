// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/HistoryBackend.h"

#include <QWidget>

#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QTableWidget;
class QUndoStack;

// The runs of the period shown, oldest first, and their corrections: a goal's name, a start or an
// end typed over, a forgotten run added, runs deleted, each undoable. A correction that breaks a
// rule is refused, saying why beside the runs, with the cell left open to mend it.
class RunsView final : public QWidget {
    Q_OBJECT

public:
    RunsView(HistoryBackend& backend, QUndoStack& undo, QWidget* parent = nullptr);

    // `goals`: those the journal knows, by identity; `until` the end of the period shown.
    void Fill(const std::vector<Interval>& runs,
              const std::vector<std::pair<std::int64_t, std::string>>& goals, std::int64_t from,
              std::int64_t until);
    // Shows the runs of one goal only (0: of every goal), when the user asks for that.
    void SetSelectedGoal(std::int64_t goal);
    [[nodiscard]] QTableWidget* Table() const { return m_table; }
    // Whether a cell is being typed over.
    [[nodiscard]] bool Editing() const;
    // A forgotten run of `goal` (0: the selected run's, or the first goal's), proposed in its last
    // free half hour of the period before now, then selected and opened for typing.
    void AddRun(std::int64_t goal);
    void DeleteSelected();
    // The journal could not be read just now.
    void Held();

signals:
    // The journal holds a correction, or could not take one: read the period again.
    void corrected();

private:
    void Edited(int row, int column);
    void Correct(std::optional<Interval> before, Interval after, int row, int column);
    void Refuse(int row, int column, const QString& why);
    static QString Unsaved();
    static QString HeldText();
    void Push(std::optional<Interval> before, std::optional<Interval> after);
    void Show();

    HistoryBackend& m_backend;
    QUndoStack& m_undo;
    QTableWidget* m_table = nullptr;
    QCheckBox* m_onlySelected = nullptr;
    QLabel* m_problem = nullptr;   // why a correction was refused, or what was done
    std::vector<Interval> m_all;   // the period's runs
    std::vector<Interval> m_shown; // in the rows' order
    std::vector<std::pair<std::int64_t, std::string>> m_goals; // those the journal knows
    std::int64_t m_from = 0;
    std::int64_t m_until = 0;
    std::int64_t m_selectedGoal = 0;
    std::shared_ptr<std::int64_t> m_added = std::make_shared<std::int64_t>(0); // a run to open once shown
    bool m_filling = false;
};
