// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryWindow.h"

#include "clock/HistoryTable.h"
#include "history/HoursChart.h"
#include "history/HoursView.h"
#include "history/RunsView.h"
#include "model/CTime.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <unordered_map>
#include <utility>

namespace {

QDate Day(std::int64_t instant) { return QDateTime::fromSecsSinceEpoch(instant).date(); }

// The user's choices for the window, beside the program's others.
QSettings Choices() { return QSettings(QStringLiteral("Ordalune"), QStringLiteral("Ordalune Tracker")); }

} // namespace

HistoryWindow::HistoryWindow(HistoryBackend& backend, int firstWeekday, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_backend(backend), m_firstWeekday(firstWeekday),
      m_period(HistoryPeriod::Containing(CTime::GetCurrentTime().GetTime(), HistoryPeriod::Span::Week,
                                         firstWeekday)) {
    setWindowTitle(tr("History - Ordalune Tracker"));
    setObjectName(QStringLiteral("HistoryWindow"));
    BuildControls();
    BuildMenus();
    for (QWidget* field : std::initializer_list<QWidget*>{m_span, m_from, m_to})
        field->installEventFilter(this);
    m_backend.OnChanged([this] { Refresh(); });
    const QSettings choices = Choices();
    if (const QSize size = choices.value(QStringLiteral("history/size")).toSize(); size.isValid()) {
        resize(size);
        m_sized = true;
    }
    const int span = choices.value(QStringLiteral("history/span"), 1).toInt();
    ShowPeriod(HistoryPeriod::Containing(CTime::GetCurrentTime().GetTime(),
                                         static_cast<HistoryPeriod::Span>(std::clamp(span, 0, 2)),
                                         firstWeekday));
}

HistoryWindow::~HistoryWindow() { m_backend.OnChanged({}); }

void HistoryWindow::BuildControls() {
    m_span = new QComboBox(this);
    m_span->setObjectName(QStringLiteral("span"));
    m_span->addItems({tr("Day"), tr("Week"), tr("Month"), tr("Range")});
    auto* spanLabel = new QLabel(tr("Per&iod:"), this);
    spanLabel->setBuddy(m_span);
    auto* previous = new QPushButton(tr("&Previous"), this);
    auto* today = new QPushButton(tr("&Today"), this);
    auto* next = new QPushButton(tr("&Next"), this);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("title"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_from = new QDateEdit(this);
    m_to = new QDateEdit(this);
    for (QDateEdit* edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    }
    m_from->setObjectName(QStringLiteral("from"));
    m_to->setObjectName(QStringLiteral("to"));
    auto* fromLabel = new QLabel(tr("&From:"), this);
    fromLabel->setBuddy(m_from);
    auto* toLabel = new QLabel(tr("T&o:"), this);
    toLabel->setBuddy(m_to);
    auto* range = new QPushButton(tr("Show ran&ge"), this);
    auto* bar = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{spanLabel, m_span, previous, today, next, m_title})
        bar->addWidget(widget);
    bar->addStretch();
    for (QWidget* widget : std::initializer_list<QWidget*>{fromLabel, m_from, toLabel, m_to, range})
        bar->addWidget(widget);

    m_hours = new HoursView(this);
    auto* hoursLabel = new QLabel(tr("Ho&urs:"), this);
    hoursLabel->setBuddy(m_hours->Days());
    m_chart = new HoursChart(this);
    m_runs = new RunsView(m_backend, m_undo, this);
    auto* hoursPart = new QWidget(this);
    auto* hoursLayout = new QVBoxLayout(hoursPart);
    hoursLayout->setContentsMargins(0, 0, 0, 0);
    hoursLayout->addWidget(hoursLabel);
    hoursLayout->addWidget(m_hours, 1);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setChildrenCollapsible(false);
    for (QWidget* part : std::initializer_list<QWidget*>{hoursPart, m_chart, m_runs})
        splitter->addWidget(part);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);
    setCentralWidget(central);

    connect(m_span, &QComboBox::activated, this, [this](int index) {
        if (index == static_cast<int>(HistoryPeriod::Span::Range))
            return ShowPeriod(HistoryPeriod::Range(m_from->date().startOfDay().toSecsSinceEpoch(),
                                                   m_to->date().startOfDay().toSecsSinceEpoch()));
        ShowPeriod(HistoryPeriod::Containing(m_period.From(), static_cast<HistoryPeriod::Span>(index),
                                             m_firstWeekday));
    });
    connect(previous, &QPushButton::clicked, this, [this] { ShowPeriod(m_period.Previous()); });
    connect(next, &QPushButton::clicked, this, [this] { ShowPeriod(m_period.Next()); });
    connect(today, &QPushButton::clicked, this, [this] {
        const auto span =
            m_period.GetSpan() == HistoryPeriod::Span::Range ? HistoryPeriod::Span::Week : m_period.GetSpan();
        ShowPeriod(HistoryPeriod::Containing(CTime::GetCurrentTime().GetTime(), span, m_firstWeekday));
    });
    // A To before From cannot be typed: To starts where From is.
    connect(m_from, &QDateEdit::dateChanged, m_to, &QDateEdit::setMinimumDate);
    connect(range, &QPushButton::clicked, this, [this] {
        ShowPeriod(HistoryPeriod::Range(m_from->date().startOfDay().toSecsSinceEpoch(),
                                        m_to->date().startOfDay().toSecsSinceEpoch()));
    });
    connect(m_hours, &HoursView::selectedGoalChanged, this,
            [this] { m_runs->SetSelectedGoal(m_hours->SelectedGoal()); });
    connect(m_runs, &RunsView::corrected, this, &HistoryWindow::Refresh);
    connect(m_runs->Table()->itemDelegate(), &QAbstractItemDelegate::closeEditor, this, [this] {
        if (std::exchange(m_refreshWhenEdited, false))
            QMetaObject::invokeMethod(this, &HistoryWindow::Refresh, Qt::QueuedConnection);
    });
}

void HistoryWindow::BuildMenus() {
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = m_undo.createUndoAction(this, tr("&Undo"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = m_undo.createRedoAction(this, tr("&Redo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addActions({undo, redo});
    edit->addSeparator();
    edit->addAction(tr("&Add run"), QKeySequence(Qt::CTRL | Qt::Key_N), this,
                    [this] { m_runs->AddRun(m_hours->SelectedGoal()); });
    edit->addAction(tr("&Delete runs"), this, [this] { m_runs->DeleteSelected(); });
    edit->addSeparator();
    QAction* close = edit->addAction(tr("&Close"), this, &QWidget::close);
    close->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)});
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("History &help"), QKeySequence(Qt::Key_F1), this,
                    [this] { emit helpRequested(QStringLiteral("history")); });
}

// Esc closes, as it closes a dialog: also from the period's fields, which would keep it.
void HistoryWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QMainWindow::keyPressEvent(event);
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        close();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void HistoryWindow::ShowPeriod(const HistoryPeriod& period) {
    m_period = period;
    m_span->setCurrentIndex(static_cast<int>(period.GetSpan()));
    m_title->setText(Title(period));
    const QSignalBlocker blockFrom(m_from);
    m_from->setDate(Day(period.From()));
    m_to->setMinimumDate(Day(period.From()));
    m_to->setDate(Day(period.To() - 1));
    Refresh();
}

QString HistoryWindow::Title(const HistoryPeriod& period) {
    const QLocale locale;
    const QDate first = Day(period.From());
    const QDate last = Day(period.To() - 1);
    // The patterns are the translation's, as the order of day and month is the language's.
    if (period.GetSpan() == HistoryPeriod::Span::Month)
        return locale.toString(first, tr("MMMM yyyy", "date pattern: a month"));
    if (first == last)
        return locale.toString(first, tr("dddd d MMMM yyyy", "date pattern: a day"));
    const QString to = locale.toString(last, tr("d MMMM yyyy", "date pattern: a range's last day"));
    const QString from = locale.toString(
        first, first.year() != last.year() ? tr("d MMMM yyyy", "date pattern: a range's first day")
               : first.month() != last.month()
                   ? tr("d MMMM", "date pattern: a range's first day, in the last day's year")
                   : tr("d", "date pattern: a range's first day, in the last day's month"));
    return tr("%1 \u2013 %2", "a range of days: its first, its last").arg(from, to);
}

void HistoryWindow::Refresh() {
    const unsigned asked = ++m_asked;
    // Answers may come after the window has closed.
    m_backend.Goals(
        [window = QPointer(this), asked](std::vector<std::pair<std::int64_t, std::string>> goals) {
            if (window && asked == window->m_asked)
                window->m_goals = std::move(goals);
        });
    m_backend.Query(m_period.From(), m_period.To(),
                    [window = QPointer(this), asked](std::optional<std::vector<Interval>> runs) {
                        if (!window || asked != window->m_asked)
                            return;  // closed, or a newer question is on its way
                        if (!runs) { // held by another program: what is shown stays, and is read again
                            window->m_runs->Held();
                            QTimer::singleShot(kHeldRetryMs, window, [window, asked] {
                                if (window && asked == window->m_asked)
                                    window->Refresh();
                            });
                            return;
                        }
                        // A run being typed over is not swept away by the minute's news: the window is filled
                        // again once the typing ends.
                        if (window->m_runs->Editing()) {
                            window->m_refreshWhenEdited = true;
                            return;
                        }
                        window->Fill(*runs);
                        emit window->refreshed();
                    });
}

std::vector<std::int64_t> HistoryWindow::ListOrder() const {
    // Each listed name takes the journal's first goal of that name not taken yet, as the journal
    // matches names to goals when it reads the goal file.
    std::vector<std::int64_t> order;
    std::vector<bool> taken(m_goals.size(), false);
    for (const std::string& name : m_backend.Listed())
        for (std::size_t i = 0; i < m_goals.size(); ++i)
            if (!taken[i] && m_goals[i].second == name) {
                taken[i] = true;
                order.push_back(m_goals[i].first);
                break;
            }
    for (std::size_t i = 0; i < m_goals.size(); ++i)
        if (!taken[i])
            order.push_back(m_goals[i].first);
    return order;
}

// One row a goal in the goal list's order, one column a day; beside them the period's total, the
// goal's Total and its budget; a last row of the days' totals.
void HistoryWindow::Fill(const std::vector<Interval>& runs) {
    HistoryTable table(runs, m_period.Days());
    const std::vector<std::int64_t> order = ListOrder();
    table.Order(order);
    const std::size_t count = m_period.Days().size() - 1;
    const bool month = m_period.GetSpan() == HistoryPeriod::Span::Month;
    QStringList headers;
    std::vector<HoursChart::Day> days;
    const QLocale locale;
    for (std::size_t day = 0; day < count; ++day) {
        const QDate date = Day(m_period.Days()[day]);
        const QString longLabel =
            month ? QString::number(date.day()) : locale.toString(date, QStringLiteral("ddd d"));
        headers << locale.toString(date, QStringLiteral("ddd d"));
        days.push_back({longLabel, QString::number(date.day())});
    }
    std::vector<HoursView::Row> rows;
    std::vector<HoursChart::Series> series;
    for (const HistoryTable::Row& goal : table.Rows()) {
        const QString name =
            QString::fromStdString(goal.name) + (goal.deleted ? tr(" (deleted)") : QString());
        const std::optional<CTimeSpan> total = goal.deleted ? std::nullopt : m_backend.TotalOf(goal.name);
        rows.push_back({goal.goal, name, goal.seconds, goal.total,
                        total ? QString::fromStdString(total->FormatShort()) : QString(),
                        goal.deleted ? QString() : Budget(runs, goal.goal, goal.name), QColor()});
        series.push_back({goal.goal, name, goal.seconds});
    }
    const std::vector<std::pair<std::int64_t, QColor>> colours = m_chart->Fill(days, series, order);
    for (HoursView::Row& row : rows) { // a goal without a colour of its own is in "Other"'s
        const auto own = std::find_if(colours.begin(), colours.end(),
                                      [&row](const auto& c) { return c.first == row.goal; });
        const auto other =
            std::find_if(colours.begin(), colours.end(), [](const auto& c) { return c.first == 0; });
        row.colour = own != colours.end() ? own->second : other != colours.end() ? other->second : QColor();
    }
    m_hours->Fill(headers, rows, table.DayTotals(), table.Total());
    m_runs->Fill(runs, m_goals, m_period.From(), m_period.To());
    if (!m_sized) {
        m_sized = true;
        FitToContent();
    }
}

QString HistoryWindow::Budget(const std::vector<Interval>& runs, std::int64_t goal,
                              const std::string& name) const {
    const std::optional<Renewal::Setting> budget = m_backend.BudgetOf(name);
    if (!budget)
        return {};
    std::vector<std::int64_t> bounds{m_period.From()};
    while (bounds.back() < m_period.To())
        bounds.push_back(
            std::min(Renewal::NextStart(budget->every, bounds.back(), m_firstWeekday), m_period.To()));
    QStringList periods;
    const HistoryTable table(runs, bounds);
    const QString of = QString::fromStdString(budget->budget.FormatShort());
    for (const HistoryTable::Row& row : table.Rows())
        if (row.goal == goal)
            for (const std::int64_t seconds : row.seconds)
                periods << tr("%1 of %2")
                               .arg(seconds > 0 ? QString::fromStdString(HistoryTable::Text(seconds))
                                                : QStringLiteral("0:00"),
                                    of);
    return periods.join(QStringLiteral(", "));
}

void HistoryWindow::FitToContent() {
    const QScreen* shown = screen();
    const QRect area = shown != nullptr ? shown->availableGeometry() : QRect(0, 0, 1280, 800);
    // Up to 15 goals with their totals; the chart and the runs share the rest.
    const int hours = m_hours->HeightFor(std::min(m_hours->Days()->rowCount() - 1, 15)) + 24;
    const int chart = 170;
    const int runs = 6 * m_runs->Table()->verticalHeader()->defaultSectionSize() + 90;
    const int chrome = menuBar()->sizeHint().height() + centralWidget()->layout()->sizeHint().height() -
                       findChild<QSplitter*>()->sizeHint().height() + 16;
    const QSize wanted(m_hours->WantedWidth() + 40, chrome + hours + chart + runs);
    resize(wanted.expandedTo(QSize(720, 560)).boundedTo(area.size() - QSize(8, 40))); // within the frame
    move(area.center() - rect().center());
    const int spare = height() - chrome - hours - chart;
    findChild<QSplitter*>()->setSizes({hours, chart, std::max(spare, 120)});
}

void HistoryWindow::closeEvent(QCloseEvent* event) {
    QSettings choices = Choices();
    choices.setValue(QStringLiteral("history/size"), size());
    choices.setValue(QStringLiteral("history/span"),
                     static_cast<int>(m_period.GetSpan() == HistoryPeriod::Span::Range
                                          ? HistoryPeriod::Span::Week
                                          : m_period.GetSpan()));
    QMainWindow::closeEvent(event);
}
