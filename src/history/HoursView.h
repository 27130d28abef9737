// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <vector>

class QTableWidget;

// The hours spent per goal and per day: a row a goal (its name in the row's header, cut in the
// middle when long), a column a day, the days' totals below; beside it, in view while the days
// scroll, each goal's total for the period, its Total, and for a goal that renews its time
// against its budget. Times as hours and minutes; an empty cell is a day with nothing spent.
class HoursView final : public QWidget {
    Q_OBJECT

public:
    struct Row {
        std::int64_t goal = 0;             // the goal's identity in the journal
        QString name;                      // as shown: "(deleted)" added for a deleted goal
        std::vector<std::int64_t> seconds; // a day each
        std::int64_t total = 0;
        QString goalsTotal; // the goal's Total now, if it is listed
        QString budget;     // spent against its budget, period by period, if it renews
        QColor colour;      // its colour in the chart; none when it goes with "Other"
    };

    explicit HoursView(QWidget* parent = nullptr);
    ~HoursView() override;

    void Fill(const QStringList& days, const std::vector<Row>& rows,
              const std::vector<std::int64_t>& dayTotals, std::int64_t total);
    [[nodiscard]] QTableWidget* Days() const { return m_days; }
    [[nodiscard]] QTableWidget* Totals() const { return m_totals; }
    // The goal of the selected row; 0 when none is selected.
    [[nodiscard]] std::int64_t SelectedGoal() const;
    // The width the days' columns and the totals want, names at their third of it.
    [[nodiscard]] int WantedWidth() const;
    // The height that shows `rows` goals, their totals and the header.
    [[nodiscard]] int HeightFor(int rows) const;

signals:
    void selectedGoalChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Columns as wide as what they hold; room left over goes to the days.
    void Fit();
    void SpreadDays();
    [[nodiscard]] int NamesWidth() const;

    QTableWidget* m_days = nullptr;
    QTableWidget* m_totals = nullptr;
    std::vector<std::int64_t> m_goals; // a row each
    QStringList m_names;               // whole, a row each
    int m_daysContent = 0;             // the days' columns as wide as what they hold
};
