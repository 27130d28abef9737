// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/RunsView.h"

#include "clock/HistoryTable.h"
#include "clock/RunCorrection.h"
#include "history/InstantText.h"
#include "history/RunCommand.h"
#include "model/CTime.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace {

constexpr std::int64_t kAddedSeconds = 1800; // a forgotten run is proposed as half an hour

QString GoalName(const std::string& name, bool deleted) {
    return QString::fromStdString(name) + (deleted ? RunsView::tr(" (deleted)") : QString());
}

QString EndedBy(Interval::End how) {
    switch (how) {
    case Interval::End::Stopped:
        return RunsView::tr("Stopped");
    case Interval::End::TimeUp:
        return RunsView::tr("Time's up");
    case Interval::End::Done:
        return RunsView::tr("Marked done");
    case Interval::End::FinishedEarly:
        return RunsView::tr("Finished early");
    case Interval::End::Locked:
        return RunsView::tr("Screen locked");
    case Interval::End::Sleep:
        return RunsView::tr("Sleep");
    case Interval::End::Closed:
        return RunsView::tr("Program closed");
    case Interval::End::Crashed:
        return RunsView::tr("Interrupted");
    case Interval::End::Renewed:
        return RunsView::tr("Renewed");
    case Interval::End::ClockChanged:
        return RunsView::tr("Clock was set");
    case Interval::End::Running:
        break;
    }
    return RunsView::tr("Running");
}

QString Length(std::int64_t seconds) {
    return seconds < 60 ? RunsView::tr("under a minute")
                        : QString::fromStdString(HistoryTable::Text(seconds));
}

// The runs' table takes Delete for the runs selected.
class RunsTable final : public QTableWidget {
public:
    RunsTable(RunsView* view, QWidget* parent) : QTableWidget(0, 5, parent), m_view(view) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Delete && state() != EditingState)
            m_view->DeleteSelected();
        else
            QTableWidget::keyPressEvent(event);
    }

private:
    RunsView* m_view;
};

} // namespace

RunsView::RunsView(HistoryBackend& backend, QUndoStack& undo, QWidget* parent)
    : QWidget(parent), m_backend(backend), m_undo(undo) {
    m_table = new RunsTable(this, this);
    m_table->setObjectName(QStringLiteral("runs"));
    m_table->setAccessibleName(tr("Runs"));
    m_table->setHorizontalHeaderLabels({tr("Goal"), tr("Start"), tr("End"), tr("Time"), tr("Ended by")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide(); // the rows' numbers say nothing
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->horizontalHeader()->setMinimumSectionSize(60);
    auto* title = new QLabel(tr("&Runs:"), this);
    title->setBuddy(m_table);
    m_onlySelected = new QCheckBox(tr("Only the &selected goal"), this);
    m_onlySelected->setObjectName(QStringLiteral("onlySelected"));
    auto* top = new QHBoxLayout;
    top->addWidget(title);
    top->addStretch();
    top->addWidget(m_onlySelected);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setWordWrap(true);
    auto* add = new QPushButton(tr("&Add run"), this);
    auto* remove = new QPushButton(tr("&Delete run"), this);
    // Their keys are the Edit menu's, Ctrl+Z and Ctrl+Shift+Z.
    auto* undoButton = new QPushButton(tr("Undo"), this);
    auto* redoButton = new QPushButton(tr("Redo"), this);
    undoButton->setObjectName(QStringLiteral("undo"));
    redoButton->setObjectName(QStringLiteral("redo"));
    undoButton->setToolTip(tr("Undo the last correction (Ctrl+Z)"));
    redoButton->setToolTip(tr("Redo what was undone (Ctrl+Shift+Z)"));
    undoButton->setEnabled(false);
    redoButton->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{add, remove, undoButton, redoButton})
        buttons->addWidget(widget);
    buttons->addWidget(m_problem, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    connect(m_table, &QTableWidget::cellChanged, this, &RunsView::Edited);
    connect(m_onlySelected, &QCheckBox::toggled, this, &RunsView::Show);
    connect(add, &QPushButton::clicked, this, [this] { AddRun(0); });
    connect(remove, &QPushButton::clicked, this, &RunsView::DeleteSelected);
    connect(undoButton, &QPushButton::clicked, &m_undo, &QUndoStack::undo);
    connect(redoButton, &QPushButton::clicked, &m_undo, &QUndoStack::redo);
    connect(&m_undo, &QUndoStack::canUndoChanged, undoButton, &QWidget::setEnabled);
    connect(&m_undo, &QUndoStack::canRedoChanged, redoButton, &QWidget::setEnabled);
}

void RunsView::Fill(const std::vector<Interval>& runs,
                    const std::vector<std::pair<std::int64_t, std::string>>& goals, std::int64_t from,
                    std::int64_t until) {
    m_all = runs;
    m_goals = goals;
    m_from = from;
    m_until = until;
    if (m_problem->text() == HeldText()) // read at last
        m_problem->clear();
    Show();
}

void RunsView::SetSelectedGoal(std::int64_t goal) {
    m_selectedGoal = goal;
    if (m_onlySelected->isChecked())
        Show();
}

void RunsView::Show() {
    m_filling = true;
    m_shown.clear();
    for (const Interval& run : m_all)
        if (!m_onlySelected->isChecked() || m_selectedGoal == 0 || run.goal == m_selectedGoal)
            m_shown.push_back(run);
    m_table->setRowCount(static_cast<int>(m_shown.size()));
    int row = 0;
    int added = -1;
    for (const Interval& run : m_shown) {
        const QStringList cells = {GoalName(run.goalName, run.goalDeleted), InstantText::Show(run.start),
                                   InstantText::Show(run.end), Length(run.seconds), EndedBy(run.endedBy)};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column >= 3 || run.endedBy == Interval::End::Running) // still counting: not to be changed
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            if (column == 0)
                item->setToolTip(cells[0]);
            m_table->setItem(row, column, item);
        }
        if (run.id == *m_added)
            added = row;
        ++row;
    }
    m_filling = false;
    if (added >= 0) { // a run just added: shown, selected and open for its times to be typed
        *m_added = 0;
        m_table->setCurrentCell(added, 1);
        m_table->scrollToItem(m_table->item(added, 1));
        m_table->editItem(m_table->item(added, 1));
    }
}

bool RunsView::Editing() const {
    const QList<QLineEdit*> editors = m_table->viewport()->findChildren<QLineEdit*>();
    return std::any_of(editors.begin(), editors.end(),
                       [](const QLineEdit* editor) { return editor->isVisible(); });
}

// A goal's name, a start or an end typed into the table is a correction.
void RunsView::Edited(int row, int column) {
    if (m_filling || row < 0 || row >= static_cast<int>(m_shown.size()))
        return;
    const Interval before = m_shown[static_cast<std::size_t>(row)];
    Interval after = before;
    const QString text = m_table->item(row, column)->text().trimmed();
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
void RunsView::Correct(std::optional<Interval> before, Interval after, int row, int column) {
    m_backend.Query(
        after.start, after.end + 1,
        [view = QPointer(this), before, after, row,
         column](const std::optional<std::vector<Interval>>& around) {
            if (!view)
                return;
            if (!around) // the runs around it unknown: checked against nothing, it could overlap one
                return view->Refuse(row, column, Unsaved());
            Interval other;
            switch (RunCorrection::Check(after, *around, CTime::GetCurrentTime().GetTime(), &other)) {
            case RunCorrection::Problem::None:
                view->m_problem->clear();
                view->Push(before, after);
                break;
            case RunCorrection::Problem::EndsBeforeStart:
                view->Refuse(row, column, tr("A run ends after it starts."));
                break;
            case RunCorrection::Problem::EndsInFuture:
                view->Refuse(row, column, tr("A run cannot end in the future."));
                break;
            case RunCorrection::Problem::Overlaps:
                view->Refuse(row, column,
                             tr("This would overlap the run of %1 from %2 to %3.")
                                 .arg(QString::fromStdString(other.goalName), InstantText::Show(other.start),
                                      InstantText::Show(other.end)));
                break;
            }
        });
}

void RunsView::Refuse(int row, int column, const QString& why) {
    m_problem->setText(why);
    if (row < 0 || row >= m_table->rowCount())
        return;
    // Once the editor that gave the text has closed: what was typed stays, to be mended.
    QMetaObject::invokeMethod(
        this,
        [this, row, column] {
            if (row >= m_table->rowCount())
                return;
            m_table->setCurrentCell(row, column);
            m_table->editItem(m_table->item(row, column));
        },
        Qt::QueuedConnection);
}

void RunsView::AddRun(std::int64_t goal) {
    const int row = m_table->currentRow();
    Interval run;
    run.goal = goal != 0 ? goal
               : row >= 0 && row < static_cast<int>(m_shown.size())
                   ? m_shown[static_cast<std::size_t>(row)].goal
               : !m_goals.empty() ? m_goals.front().first
                                  : 0;
    if (run.goal == 0)
        return;
    run.endedBy = Interval::End::Stopped;
    const std::int64_t until = std::min(CTime::GetCurrentTime().GetTime(), m_until);
    m_backend.Query(
        m_from, until, [view = QPointer(this), run, until](const std::optional<std::vector<Interval>>& runs) {
            Interval free = run;
            if (!view)
                return;
            if (!runs)
                return view->Refuse(-1, -1, Unsaved());
            if (!RunCorrection::FreeStretch(run.goal, *runs, view->m_from, until, kAddedSeconds, &free))
                return view->Refuse(-1, -1, tr("This goal has no free half hour in the period shown."));
            view->m_problem->clear();
            view->Push(std::nullopt, free);
        });
}

void RunsView::DeleteSelected() {
    std::set<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        rows.insert(index.row());
    if (rows.empty() && m_table->currentRow() >= 0)
        rows.insert(m_table->currentRow());
    std::vector<Interval> gone;
    for (const int row : rows)
        if (row < static_cast<int>(m_shown.size()) &&
            m_shown[static_cast<std::size_t>(row)].endedBy != Interval::End::Running)
            gone.push_back(m_shown[static_cast<std::size_t>(row)]);
    if (gone.empty())
        return;
    m_undo.beginMacro(tr("Delete runs"));
    for (const Interval& run : gone)
        Push(run, std::nullopt);
    m_undo.endMacro();
    m_problem->setText(gone.size() == 1
                           ? tr("The run was deleted: Undo (Ctrl+Z) brings it back.")
                           : tr("%1 runs were deleted: Undo (Ctrl+Z) brings them back.").arg(gone.size()));
}

void RunsView::Held() { m_problem->setText(HeldText()); }

QString RunsView::HeldText() {
    return tr("The history of time spent is held by another program just now: what is shown is read again "
              "in a moment.");
}

QString RunsView::Unsaved() {
    return tr("The history of time spent could not be changed: the correction was not saved.");
}

void RunsView::Push(std::optional<Interval> before, std::optional<Interval> after) {
    const bool adding = !before;
    m_undo.push(
        new RunCommand(m_backend, std::move(before), std::move(after),
                       [view = QPointer(this), adding, added = m_added](bool saved, std::int64_t id) {
                           if (!view)
                               return;
                           if (adding && saved)
                               *added = id;
                           if (!saved) { // what the stack would undo is no longer what the journal holds
                               view->m_undo.clear();
                               view->m_problem->setText(Unsaved());
                           }
                           emit view->corrected();
                       }));
}
