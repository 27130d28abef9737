// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/HistoryPeriod.h"
#include "session/HistoryBackend.h"

#include <QMainWindow>
#include <QUndoStack>

#include <vector>

class HoursChart;
class HoursView;
class RunsView;
class QComboBox;
class QDateEdit;
class QLabel;
class QTableWidget;

// Where the time went: for a day, a week, a month or a chosen range, the hours spent per goal and
// per day with their totals, a stacked bar chart of the same, and the runs themselves, which can be
// added, changed and deleted, with Undo and Redo. Not modal: the list keeps ticking, and the window
// follows the clocks as they stop and the minutes pass. Its size and the kind of period it shows
// are kept for the next time.
class HistoryWindow final : public QMainWindow {
    Q_OBJECT

public:
    HistoryWindow(HistoryBackend& backend, int firstWeekday, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    void ShowPeriod(const HistoryPeriod& period);
    [[nodiscard]] const HistoryPeriod& Period() const { return m_period; }
    // Reads the period's runs again.
    void Refresh();
    // "Monday 7 December 2026", "7 – 13 December 2026", "December 2026".
    [[nodiscard]] static QString Title(const HistoryPeriod& period);

    [[nodiscard]] HoursView* Hours() const { return m_hours; }
    [[nodiscard]] HoursChart* Chart() const { return m_chart; }
    [[nodiscard]] RunsView* Runs() const { return m_runs; }
    [[nodiscard]] QUndoStack& UndoStack() { return m_undo; }

signals:
    // The period's runs have been read and shown.
    void refreshed();
    // F1: the help page, at its section on this window.
    void helpRequested(const QString& section);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void Fill(const std::vector<Interval>& runs);
    // A renewing goal's time spent against its budget, period by period within the view.
    [[nodiscard]] QString Budget(const std::vector<Interval>& runs, std::int64_t goal,
                                 const std::string& name) const;
    // The journal's goals in the goal list's order, then the others.
    [[nodiscard]] std::vector<std::int64_t> ListOrder() const;
    // A first size that shows a week's days, totals and up to 15 goals, within the screen.
    void FitToContent();

    HistoryBackend& m_backend;
    int m_firstWeekday;
    HistoryPeriod m_period;
    std::vector<std::pair<std::int64_t, std::string>> m_goals; // those the journal knows
    QUndoStack m_undo;
    QComboBox* m_span = nullptr;
    QLabel* m_title = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    HoursView* m_hours = nullptr;
    HoursChart* m_chart = nullptr;
    RunsView* m_runs = nullptr;
    bool m_sized = false; // by the user's last size, or to the content once
    bool m_refreshWhenEdited = false;
    unsigned m_asked = 0;                     // answers to older questions are dropped
    static constexpr int kHeldRetryMs = 2000; // a journal held by another program is read again after
};
