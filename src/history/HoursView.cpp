// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HoursView.h"

#include "clock/HistoryTable.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPixmap>
#include <QScrollBar>
#include <QTableWidget>

namespace {

QTableWidgetItem* Cell(const QString& text, bool bold = false) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (bold) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}

QString Hours(std::int64_t seconds) { return QString::fromStdString(HistoryTable::Text(seconds)); }

constexpr int kNameMargins = 30; // the header's margins and a colour's swatch

QTableWidget* MakeTable(QWidget* parent, const QString& name) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setAccessibleName(name == QLatin1String("days") ? HoursView::tr("Hours per day")
                                                           : HoursView::tr("Hours in the period"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setWordWrap(false);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6); // a line, not more
    return table;
}

} // namespace

HoursView::HoursView(QWidget* parent) : QWidget(parent) {
    m_days = MakeTable(this, QStringLiteral("days"));
    m_totals = MakeTable(this, QStringLiteral("totals"));
    m_totals->verticalHeader()->hide(); // the names are beside it already
    m_totals->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_totals->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_days, 1);
    layout->addWidget(m_totals);
    // One table to the eye: rows scroll and are selected together.
    connect(m_days->verticalScrollBar(), &QScrollBar::valueChanged, m_totals->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(m_totals->verticalScrollBar(), &QScrollBar::valueChanged, m_days->verticalScrollBar(),
            &QScrollBar::setValue);
    // The totals keep room for the days' scroll bar, so their rows stay beside the days' rows.
    connect(m_days->horizontalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int most) {
        m_totals->setHorizontalScrollBarPolicy(most > 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    });
    m_days->viewport()->installEventFilter(this);
    for (QTableWidget* table : {m_days, m_totals}) {
        QTableWidget* other = table == m_days ? m_totals : m_days;
        connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, table, other] {
            const int row = table->currentRow();
            if (table->selectionModel()->hasSelection() && other->currentRow() != row)
                other->selectRow(row);
            if (table == m_days)
                emit selectedGoalChanged();
        });
    }
}

HoursView::~HoursView() {
    // The tables go with this view's base, once this view is gone: what they tell it on the way
    // must not reach it.
    m_days->viewport()->removeEventFilter(this);
    m_days->horizontalScrollBar()->disconnect(this);
    for (const QTableWidget* table : {m_days, m_totals})
        table->selectionModel()->disconnect(this);
}

void HoursView::Fill(const QStringList& days, const std::vector<Row>& rows,
                     const std::vector<std::int64_t>& dayTotals, std::int64_t total) {
    const std::int64_t selected = SelectedGoal();
    const int count = static_cast<int>(rows.size()) + 1;
    m_days->clear();
    m_totals->clear();
    m_days->setRowCount(count);
    m_totals->setRowCount(count);
    m_days->setColumnCount(static_cast<int>(days.size()));
    m_totals->setColumnCount(3);
    m_days->setHorizontalHeaderLabels(days);
    m_totals->setHorizontalHeaderLabels({tr("Total"), tr("Goal's Total"), tr("Budget")});
    m_goals.clear();
    int row = 0;
    m_names.clear();
    for (const Row& goal : rows) {
        auto* header = new QTableWidgetItem(goal.name);
        header->setToolTip(goal.name); // whole, also when the header cuts it
        header->setData(Qt::AccessibleTextRole, goal.name);
        if (goal.colour.isValid()) { // the table is the chart's legend
            QPixmap swatch(10, 10);
            swatch.fill(goal.colour);
            header->setData(Qt::DecorationRole, swatch);
        }
        m_days->setVerticalHeaderItem(row, header);
        m_names << goal.name;
        for (int day = 0; day < static_cast<int>(goal.seconds.size()); ++day)
            m_days->setItem(row, day, Cell(Hours(goal.seconds[static_cast<std::size_t>(day)])));
        m_totals->setItem(row, 0, Cell(Hours(goal.total), true));
        m_totals->setItem(row, 1, Cell(goal.goalsTotal));
        m_totals->setItem(row, 2, Cell(goal.budget));
        m_goals.push_back(goal.goal);
        ++row;
    }
    m_days->setVerticalHeaderItem(row, new QTableWidgetItem(tr("Total")));
    for (int day = 0; day < static_cast<int>(dayTotals.size()); ++day)
        m_days->setItem(row, day, Cell(Hours(dayTotals[static_cast<std::size_t>(day)]), true));
    m_totals->setItem(row, 0, Cell(Hours(total), true));
    for (int column = 1; column < 3; ++column)
        m_totals->setItem(row, column, Cell({}));
    for (std::size_t i = 0; i < m_goals.size(); ++i)
        if (m_goals[i] == selected && selected != 0)
            m_days->selectRow(static_cast<int>(i));
    Fit();
}

std::int64_t HoursView::SelectedGoal() const {
    const int row = m_days->currentRow();
    return row >= 0 && row < static_cast<int>(m_goals.size()) && m_days->selectionModel()->hasSelection()
               ? m_goals[static_cast<std::size_t>(row)]
               : 0;
}

int HoursView::WantedWidth() const {
    const int content = m_totals->width() + m_daysContent;
    // The names take at most a third of the whole, half as much as the rest.
    return content + std::min(NamesWidth(), content / 2) + 2 * m_days->frameWidth() +
           m_days->verticalScrollBar()->sizeHint().width();
}

int HoursView::NamesWidth() const {
    int widest = m_days->verticalHeader()->fontMetrics().horizontalAdvance(tr("Total"));
    for (const QString& name : m_names)
        widest = std::max(widest, m_days->verticalHeader()->fontMetrics().horizontalAdvance(name));
    return widest + kNameMargins;
}

int HoursView::HeightFor(int rows) const {
    return (rows + 1) * m_days->verticalHeader()->defaultSectionSize() +
           m_days->horizontalHeader()->sizeHint().height() + 2 * m_days->frameWidth() + 2;
}

void HoursView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Fit();
}

void HoursView::Fit() {
    m_totals->resizeColumnsToContents();
    int totals = 2 * m_totals->frameWidth();
    for (int column = 0; column < m_totals->columnCount(); ++column)
        totals += m_totals->columnWidth(column);
    m_totals->setFixedWidth(totals);
    // The names take what they need, never more than a third of the table.
    const int names = std::min(NamesWidth(), std::max(40, width() / 3));
    m_days->verticalHeader()->setFixedWidth(names);
    // A long name is cut in its middle, whole in its tooltip. One that fits as the column was
    // measured stays whole: cutting measures in fractions of a pixel, and would take the widest.
    const QFontMetrics metrics = m_days->verticalHeader()->fontMetrics();
    const int text = names - kNameMargins;
    for (int row = 0; row < static_cast<int>(m_names.size()); ++row)
        if (QTableWidgetItem* header = m_days->verticalHeaderItem(row))
            header->setText(metrics.horizontalAdvance(m_names[row]) <= text
                                ? m_names[row]
                                : metrics.elidedText(m_names[row], Qt::ElideMiddle, text));
    SpreadDays();
}

// Also once the days' table has taken the room the totals and names left it: the layout gives
// it only after the widths above are set, and without resizing this view.
bool HoursView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_days->viewport() && event->type() == QEvent::Resize)
        SpreadDays();
    return QWidget::eventFilter(watched, event);
}

void HoursView::SpreadDays() {
    m_days->resizeColumnsToContents();
    m_daysContent = 0;
    for (int column = 0; column < m_days->columnCount(); ++column)
        m_daysContent += m_days->columnWidth(column);
    const int room = m_days->viewport()->width() - m_daysContent;
    if (room > 0 && m_days->columnCount() > 0) // spread over the days, none left narrower
        for (int column = 0; column < m_days->columnCount(); ++column)
            m_days->setColumnWidth(column, m_days->columnWidth(column) + room / m_days->columnCount());
}
