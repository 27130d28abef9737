#pragma once

#include "clock/HistoryPeriod.h"
#include "session/HistoryBackend.h"

#include <QUndoStack>
#include <QWidget>

#include <vector>

class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QTableWidget;

// Where the time went: for a day, a week, a month or a chosen range, a table of the hours spent
// per goal and per day with their totals, a stacked bar chart of the same, and the runs
// themselves, which can be added, changed and deleted with Undo and Redo. Not modal: the list
// keeps ticking, and the window follows the clocks as they stop and the minutes pass.
class HistoryWindow final : public QWidget {
    Q_OBJECT

public:
    HistoryWindow(HistoryBackend& backend, int firstWeekday, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    void ShowPeriod(const HistoryPeriod& period);
    [[nodiscard]] const HistoryPeriod& Period() const { return m_period; }
    // Reads the period's runs again.
    void Refresh();

    [[nodiscard]] QTableWidget* Table() const { return m_table; }
    [[nodiscard]] QTableWidget* Runs() const { return m_runs; }
    [[nodiscard]] QChartView* Chart() const { return m_chart; }
    [[nodiscard]] QUndoStack& UndoStack() { return m_undo; }
    // Whether a run's cell is being typed over.
    [[nodiscard]] bool Editing() const;

signals:
    // The period's runs have been read and shown.
    void refreshed();

private:
    void Fill(const std::vector<Interval>& runs);
    void FillTable(const std::vector<Interval>& runs);
    // A renewing goal's time spent against its budget, period by period within the view.
    [[nodiscard]] QString Budget(const std::vector<Interval>& runs, const std::string& goal) const;
    void FillChart();
    void FillRuns(const std::vector<Interval>& runs);
    void RunEdited(int row, int column);
    void Correct(std::optional<Interval> before, Interval after, int row, int column);
    void Refuse(int row, int column, const QString& why);
    void AddRun();
    void DeleteRun();
    void Push(std::optional<Interval> before, std::optional<Interval> after);

    HistoryBackend& m_backend;
    int m_firstWeekday;
    HistoryPeriod m_period;
    std::vector<Interval> m_shown;                             // the runs listed, in their rows' order
    std::vector<std::pair<std::int64_t, std::string>> m_goals; // those the journal knows
    QUndoStack m_undo;
    QComboBox* m_span = nullptr;
    QLabel* m_title = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QTableWidget* m_table = nullptr;
    QChartView* m_chart = nullptr;
    QTableWidget* m_runs = nullptr;
    QLabel* m_problem = nullptr; // why a correction was refused
    bool m_filling = false;
    bool m_refreshWhenEdited = false;
    unsigned m_asked = 0; // answers to older questions are dropped
};
