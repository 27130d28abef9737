#include "history/HistoryWindow.h"

#include "clock/HistoryTable.h"
#include "clock/RunCorrection.h"
#include "history/InstantText.h"
#include "history/RunCommand.h"
#include "model/CTime.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <utility>

namespace {

QString Hours(std::int64_t seconds) { return QString::number(static_cast<double>(seconds) / 3600.0, 'f', 2); }

constexpr std::int64_t kAddedSeconds = 1800; // a forgotten run is proposed as half an hour

QString GoalName(const std::string& name, bool deleted) {
    return QString::fromStdString(name) + (deleted ? QObject::tr(" (deleted)") : QString());
}

} // namespace

HistoryWindow::HistoryWindow(HistoryBackend& backend, int firstWeekday, QWidget* parent)
    : QWidget(parent, Qt::Window), m_backend(backend), m_firstWeekday(firstWeekday),
      m_period(HistoryPeriod::Containing(CTime::GetCurrentTime().GetTime(), HistoryPeriod::Span::Week,
                                         firstWeekday)) {
    setWindowTitle(tr("History - Ordalune Tracker"));
    setObjectName(QStringLiteral("HistoryWindow"));
    m_span = new QComboBox(this);
    m_span->addItems({tr("Day"), tr("Week"), tr("Month")});
    m_span->setCurrentIndex(1);
    auto* previous = new QPushButton(tr("&Previous"), this);
    auto* next = new QPushButton(tr("&Next"), this);
    m_title = new QLabel(this);
    m_from = new QDateEdit(QDate::currentDate(), this);
    m_to = new QDateEdit(QDate::currentDate(), this);
    auto* range = new QPushButton(tr("Show &range"), this);
    auto* bar = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{m_span, previous, next, m_title})
        bar->addWidget(widget);
    bar->addStretch();
    for (QWidget* widget : std::initializer_list<QWidget*>{m_from, m_to, range})
        bar->addWidget(widget);

    m_table = new QTableWidget(this);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_chart = new QChartView(this);
    m_chart->setMinimumHeight(160);
    m_runs = new QTableWidget(0, 5, this);
    m_runs->setHorizontalHeaderLabels({tr("Goal"), tr("Start"), tr("End"), tr("Minutes"), tr("Ended by")});
    m_runs->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_runs->horizontalHeader()->setStretchLastSection(true);
    auto* add = new QPushButton(tr("&Add run"), this);
    auto* remove = new QPushButton(tr("&Delete run"), this);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setWordWrap(true);
    auto* edits = new QHBoxLayout;
    edits->addWidget(add);
    edits->addWidget(remove);
    edits->addWidget(m_problem, 1);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_table);
    splitter->addWidget(m_chart);
    splitter->addWidget(m_runs);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);
    layout->addLayout(edits);

    QAction* undo = m_undo.createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = m_undo.createRedoAction(this, tr("&Redo"));
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    addActions({undo, redo});

    connect(m_span, &QComboBox::activated, this, [this](int index) {
        ShowPeriod(HistoryPeriod::Containing(m_period.From(), static_cast<HistoryPeriod::Span>(index),
                                             m_firstWeekday));
    });
    connect(previous, &QPushButton::clicked, this, [this] { ShowPeriod(m_period.Previous()); });
    connect(next, &QPushButton::clicked, this, [this] { ShowPeriod(m_period.Next()); });
    connect(range, &QPushButton::clicked, this, [this] {
        ShowPeriod(HistoryPeriod::Range(m_from->date().startOfDay().toSecsSinceEpoch(),
                                        m_to->date().startOfDay().toSecsSinceEpoch()));
    });
    connect(m_runs, &QTableWidget::cellChanged, this, &HistoryWindow::RunEdited);
    connect(m_runs->itemDelegate(), &QAbstractItemDelegate::closeEditor, this, [this] {
        if (std::exchange(m_refreshWhenEdited, false))
            QMetaObject::invokeMethod(this, &HistoryWindow::Refresh, Qt::QueuedConnection);
    });
    connect(add, &QPushButton::clicked, this, &HistoryWindow::AddRun);
    connect(remove, &QPushButton::clicked, this, &HistoryWindow::DeleteRun);
    m_backend.OnChanged([this] { Refresh(); });
    resize(720, 560);
    ShowPeriod(m_period);
}

void HistoryWindow::ShowPeriod(const HistoryPeriod& period) {
    m_period = period;
    if (period.GetSpan() != HistoryPeriod::Span::Range)
        m_span->setCurrentIndex(static_cast<int>(period.GetSpan()));
    m_title->setText(QString::fromStdString(period.Title()));
    Refresh();
}

HistoryWindow::~HistoryWindow() { m_backend.OnChanged({}); }

void HistoryWindow::Refresh() {
    const unsigned asked = ++m_asked;
    // Answers may come after the window has closed.
    m_backend.Goals(
        [window = QPointer(this), asked](std::vector<std::pair<std::int64_t, std::string>> goals) {
            if (window && asked == window->m_asked)
                window->m_goals = std::move(goals);
        });
    m_backend.Query(m_period.From(), m_period.To(),
                    [window = QPointer(this), asked](std::vector<Interval> runs) {
                        if (!window || asked != window->m_asked)
                            return; // closed, or a newer question is on its way
                        // A run being typed over is not swept away by the minute's news: the
                        // window is filled again once the typing ends.
                        if (window->Editing()) {
                            window->m_refreshWhenEdited = true;
                            return;
                        }
                        window->Fill(runs);
                        emit window->refreshed();
                    });
}

bool HistoryWindow::Editing() const {
    const QList<QLineEdit*> editors = m_runs->viewport()->findChildren<QLineEdit*>();
    return std::any_of(editors.begin(), editors.end(),
                       [](const QLineEdit* editor) { return editor->isVisible(); });
}

void HistoryWindow::Fill(const std::vector<Interval>& runs) {
    m_filling = true;
    FillTable(runs);
    FillChart();
    FillRuns(runs);
    m_filling = false;
}

// One row a goal, one column a day, then the period's total and the goal's Total; a last row of
// the days' totals.
void HistoryWindow::FillTable(const std::vector<Interval>& runs) {
    const HistoryTable table(runs, m_period.Days());
    const int days = static_cast<int>(m_period.Days().size()) - 1;
    m_table->clear();
    m_table->setRowCount(static_cast<int>(table.Rows().size()) + 1);
    m_table->setColumnCount(days + 3);
    QStringList columns;
    for (int day = 0; day < days; ++day)
        columns << QDateTime::fromSecsSinceEpoch(m_period.Days()[static_cast<std::size_t>(day)])
                       .toString(QStringLiteral("ddd d"));
    m_table->setHorizontalHeaderLabels(columns << tr("Total") << tr("Goal's Total") << tr("Budget"));
    QStringList rows;
    const auto put = [this](int row, int column, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, column, item);
    };
    int row = 0;
    for (const HistoryTable::Row& goal : table.Rows()) {
        rows << GoalName(goal.name, goal.deleted);
        for (int day = 0; day < days; ++day)
            put(row, day, Hours(goal.seconds[static_cast<std::size_t>(day)]));
        put(row, days, Hours(goal.total));
        const std::optional<CTimeSpan> total = goal.deleted ? std::nullopt : m_backend.TotalOf(goal.name);
        put(row, days + 1, total ? Hours(total->GetTotalSeconds()) : QString());
        put(row, days + 2, goal.deleted ? QString() : Budget(runs, goal.name));
        ++row;
    }
    m_table->setVerticalHeaderLabels(rows << tr("Total"));
    for (int day = 0; day < days; ++day)
        put(row, day, Hours(table.DayTotals()[static_cast<std::size_t>(day)]));
    put(row, days, Hours(table.Total()));
}

QString HistoryWindow::Budget(const std::vector<Interval>& runs, const std::string& goal) const {
    const std::optional<Renewal::Setting> budget = m_backend.BudgetOf(goal);
    if (!budget)
        return {};
    std::vector<std::int64_t> bounds{m_period.From()};
    while (bounds.back() < m_period.To())
        bounds.push_back(
            std::min(Renewal::NextStart(budget->every, bounds.back(), m_firstWeekday), m_period.To()));
    QStringList periods;
    const HistoryTable table(runs, bounds);
    for (const HistoryTable::Row& row : table.Rows())
        if (row.name == goal && !row.deleted)
            for (const std::int64_t seconds : row.seconds)
                periods << Hours(seconds) + QLatin1Char('/') + Hours(budget->budget.GetTotalSeconds());
    return periods.join(QLatin1Char(' '));
}

// Stacked bars of the hours per day, a colour a goal.
void HistoryWindow::FillChart() {
    auto* series = new QStackedBarSeries;
    const int days = m_table->columnCount() - 3;
    for (int row = 0; row + 1 < m_table->rowCount(); ++row) {
        auto* set = new QBarSet(m_table->verticalHeaderItem(row)->text());
        for (int day = 0; day < days; ++day)
            *set << m_table->item(row, day)->text().toDouble();
        series->append(set);
    }
    auto* chart = new QChart;
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    for (int day = 0; day < days; ++day)
        categories->append(m_table->horizontalHeaderItem(day)->text());
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto* hours = new QValueAxis;
    hours->setTitleText(tr("Hours"));
    chart->addAxis(hours, Qt::AlignLeft);
    series->attachAxis(hours);
    chart->legend()->setAlignment(Qt::AlignRight);
    QChart* old = m_chart->chart();
    m_chart->setChart(chart);
    delete old;
}

void HistoryWindow::FillRuns(const std::vector<Interval>& runs) {
    m_shown = runs;
    m_runs->setRowCount(static_cast<int>(runs.size()));
    int row = 0;
    for (const Interval& run : runs) {
        const QStringList cells = {GoalName(run.goalName, run.goalDeleted), InstantText::Show(run.start),
                                   InstantText::Show(run.end), QString::number(run.seconds / 60),
                                   QString::fromUtf8(Interval::Name(run.endedBy).data())};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column >= 3 || run.endedBy == Interval::End::Running) // still counting: not to be changed
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            m_runs->setItem(row, column, item);
        }
        ++row;
    }
}

// A goal's name, a start or an end typed into the runs' table is a correction. One that breaks a
// rule is refused, saying why beside the table, and the cell stays open with what was typed.
void HistoryWindow::RunEdited(int row, int column) {
    if (m_filling || row < 0 || row >= static_cast<int>(m_shown.size()))
        return;
    const Interval before = m_shown[static_cast<std::size_t>(row)];
    Interval after = before;
    const QString text = m_runs->item(row, column)->text().trimmed();
    if (column == 0) {
        const auto known = std::find_if(m_goals.begin(), m_goals.end(), [&text](const auto& goal) {
            return QString::fromStdString(goal.second) == text;
        });
        if (known == m_goals.end())
            return Refuse(row, column, tr("There is no goal named \"%1\" in the history.").arg(text));
        after.goal = known->first;
        after.goalName = known->second;
    } else {
        const std::optional<qint64> instant =
            InstantText::Read(text, column == 1 ? before.start : before.end);
        if (!instant)
            return Refuse(row, column,
                          tr("\"%1\" is not a date and time: type it as %2, or a time alone.")
                              .arg(text, InstantText::Show(column == 1 ? before.start : before.end)));
        (column == 1 ? after.start : after.end) = *instant;
    }
    // The counted seconds follow the new length, less what the run had given back.
    const std::int64_t idle = std::max<std::int64_t>(0, (before.end - before.start) - before.seconds);
    after.seconds = std::max<std::int64_t>(0, (after.end - after.start) - idle);
    Correct(before, after, row, column);
}

// Saves a correction that keeps the rules, the goal's runs around it read from the journal first.
void HistoryWindow::Correct(std::optional<Interval> before, Interval after, int row, int column) {
    m_backend.Query(
        after.start, after.end + 1,
        [window = QPointer(this), before, after, row, column](const std::vector<Interval>& around) {
            if (!window)
                return;
            Interval other;
            switch (RunCorrection::Check(after, around, CTime::GetCurrentTime().GetTime(), &other)) {
            case RunCorrection::Problem::None:
                window->m_problem->clear();
                window->Push(before, after);
                break;
            case RunCorrection::Problem::EndsBeforeStart:
                window->Refuse(row, column, tr("A run ends after it starts."));
                break;
            case RunCorrection::Problem::EndsInFuture:
                window->Refuse(row, column, tr("A run cannot end in the future."));
                break;
            case RunCorrection::Problem::Overlaps:
                window->Refuse(row, column,
                               tr("This would overlap the run of %1 from %2 to %3.")
                                   .arg(QString::fromStdString(other.goalName),
                                        InstantText::Show(other.start), InstantText::Show(other.end)));
                break;
            }
        });
}

void HistoryWindow::Refuse(int row, int column, const QString& why) {
    m_problem->setText(why);
    if (row < 0 || row >= m_runs->rowCount())
        return;
    // Once the editor that gave the text has closed: what was typed stays, to be mended.
    QMetaObject::invokeMethod(
        this,
        [this, row, column] {
            if (row >= m_runs->rowCount())
                return;
            m_runs->setCurrentCell(row, column);
            m_runs->editItem(m_runs->item(row, column));
        },
        Qt::QueuedConnection);
}

// A forgotten clock: the last free half hour before now (or the period's end) of the goal of the
// selected run, or the first goal the journal knows; its times are then typed over.
void HistoryWindow::AddRun() {
    const int row = m_runs->currentRow();
    Interval run;
    if (row >= 0 && row < static_cast<int>(m_shown.size())) {
        run.goal = m_shown[static_cast<std::size_t>(row)].goal;
    } else if (!m_goals.empty()) {
        run.goal = m_goals.front().first;
    } else {
        return;
    }
    run.endedBy = Interval::End::Stopped;
    const std::int64_t until = std::min(CTime::GetCurrentTime().GetTime(), m_period.To());
    m_backend.Query(
        m_period.From(), until, [window = QPointer(this), run, until](const std::vector<Interval>& runs) {
            Interval free = run;
            if (!window)
                return;
            if (!RunCorrection::FreeStretch(run.goal, runs, window->m_period.From(), until, kAddedSeconds,
                                            &free))
                return window->Refuse(-1, -1, tr("This goal has no free half hour in the period shown."));
            window->m_problem->clear();
            window->Push(std::nullopt, free);
        });
}

void HistoryWindow::DeleteRun() {
    const int row = m_runs->currentRow();
    if (row >= 0 && row < static_cast<int>(m_shown.size()) &&
        m_shown[static_cast<std::size_t>(row)].endedBy != Interval::End::Running)
        Push(m_shown[static_cast<std::size_t>(row)], std::nullopt);
}

void HistoryWindow::Push(std::optional<Interval> before, std::optional<Interval> after) {
    m_undo.push(
        new RunCommand(m_backend, std::move(before), std::move(after), [window = QPointer(this)](bool saved) {
            if (!window)
                return;
            if (!saved) { // what the stack would undo is no longer what the journal holds
                window->m_undo.clear();
                window->m_problem->setText(
                    tr("The history of time spent could not be changed: the correction was "
                       "not saved."));
            }
            window->Refresh();
        }));
}
