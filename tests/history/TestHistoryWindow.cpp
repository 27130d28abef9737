// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/GoalColours.h"
#include "history/HistoryWindow.h"
#include "history/HoursChart.h"
#include "history/HoursView.h"
#include "history/RunsView.h"
#include "model/CTime.h"
#include "session/HistoryAccess.h"
#include "support/Fixtures.h"
#include "support/Reference.h"
#include "support/TestClock.h"

#include <QAccessible>
#include <QApplication>
#include <QBarSet>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QSplitter>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>
#include <future>
#include <sqlite3.h>

// The History window offscreen over a real journal: its hours and chart for known runs, its
// layout at a real size, its keys, and corrections to the runs.
class TestHistoryWindow : public QObject {
    Q_OBJECT

    // Each row of the hours as "name: days | total, Total, budget".
    static QString Rows(const HoursView* hours) {
        QStringList rows;
        const QTableWidget* days = hours->Days();
        for (int row = 0; row < days->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < days->columnCount(); ++column)
                cells << days->item(row, column)->text();
            QStringList totals;
            for (int column = 0; column < 3; ++column)
                totals << hours->Totals()->item(row, column)->text();
            rows << days->verticalHeaderItem(row)->text() + ": " + cells.join(' ') + " | " +
                        totals.join(", ");
        }
        return rows.join('\n');
    }

    // Types `text` over a cell of the runs as a user would: F2, the text over what was there, Enter.
    static void Type(HistoryWindow& window, int row, int column, const QString& text) {
        QTableWidget* runs = window.Runs()->Table();
        runs->setCurrentCell(row, column);
        if (!window.Runs()->Editing())
            QTest::keyClick(runs, Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    // A journal of the given runs, each as (goal's place among `names`, start, end), with its store
    // started, and the History window's access to it.
    struct Journaled {
        Journaled(const std::vector<std::string>& names,
                  const std::vector<std::tuple<int, std::int64_t, std::int64_t>>& runs) {
            Journal journal(dir.path().toStdString());
            QVERIFY(journal.Open(0).opened);
            const std::vector<std::int64_t> ids = journal.MatchGoals(names);
            QVERIFY(journal.Together(
                [&] {
                    for (const auto& [goal, start, end] : runs)
                        journal.Update(journal.Begin(ids[static_cast<std::size_t>(goal)], start), end,
                                       end - start, Interval::End::Stopped);
                    return true;
                },
                "runs"));
            store.StartJournal();
        }
        ~Journaled() { store.Flush(); }
        QTemporaryDir dir;
        GoalStore store{dir.path().toStdString()};
        GoalList goals;
        HistoryAccess access{store, goals};
    };

    std::int64_t m_monday = 0;
    QTemporaryDir m_config;

private slots:
    void initTestCase() {
        qputenv("TZ", "UTC0"), tzset();
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit()); // the window's size, of this run's own
        m_monday = CTime(2026, 12, 7, 0, 0, 0).GetTime();
    }
    void init() { QSettings(QStringLiteral("Ordalune"), QStringLiteral("Ordalune Tracker")).clear(); }
    void cleanup() { TestClock::Uninstall(); }

    // Hours and minutes to the nearest minute, empty days empty, totals summed from seconds and in
    // bold; a goal's Total and its budget period by period; a bar a day, a colour a goal; runs
    // with their length and how they ended in words. A correction is undone and done again; a
    // forgotten run is added, opened for typing and taken back; runs are deleted with the Delete
    // key, saying how to undo it. No part of the window can be dragged out of sight.
    void hoursAndRuns() {
        TestClock::Install(m_monday + 2 * 86400 + 43200); // Wednesday noon
        Journaled journal({"Essay", "Spanish"},
                          {{0, m_monday + 9 * 3600, m_monday + 10 * 3600 + 1800},
                           {1, m_monday + 86400 - 1800, m_monday + 86400 + 1800},
                           {1, m_monday + 86400 + 7200, m_monday + 86400 + 7240},
                           {1, m_monday + 2 * 86400 + 3600, m_monday + 2 * 86400 + 3660}});
        journal.goals.Append(std::make_unique<Goal>("Spanish", Minutes(60), Minutes(60)));
        journal.goals.Append(std::make_unique<Goal>("Essay", Minutes(600), Minutes(300)));
        journal.access.SetBudgets([](const Goal& goal) {
            return goal.GetName() == "Spanish"
                       ? std::optional(Renewal::Setting{Renewal::Every::Day, false, Minutes(60)})
                       : std::nullopt;
        });
        HistoryWindow window(journal.access, 1);
        QSignalSpy refreshed(&window, &HistoryWindow::refreshed);
        QVERIFY(ShownActive(&window));
        QTRY_COMPARE(refreshed.count(), 1);
        QCoreApplication::processEvents(); // the chart laid out
        MatchesReference(window.grab().toImage(), "history.png");
        QCOMPARE(Rows(window.Hours()), // the goal list's order; totals from seconds, not from the cells
                 "Spanish: 0:30 0:31 0:01     | 1:02, 1:00, 0:30 of 1:00, 0:31 of 1:00, 0:01 of 1:00, "
                 "0:00 of 1:00, 0:00 of 1:00, 0:00 of 1:00, 0:00 of 1:00\nEssay: 1:30       | 1:30, 10:00, \n"
                 "Total: 2:00 0:31 0:01     | 2:32, , ");
        const auto* bars = qobject_cast<QStackedBarSeries*>(window.Chart()->chart()->series().at(0));
        QAccessibleInterface* chart =
            QAccessible::queryAccessibleInterface(window.Chart()); // a reader's words
        QCOMPARE(chart->text(QAccessible::Name), "Chart of the hours spent each day");
        QVERIFY(chart->text(QAccessible::Description).contains("the table above holds the same figures"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
        QCOMPARE(bars->barSets()[0]->label() + QString::number(bars->barSets()[0]->at(1), 'f', 3),
                 "Spanish0.511");
        const auto minutes = [](const QString& time) {
            return time.section(':', 0, 0).toInt() * 60 + time.section(':', 1).toInt();
        };
        QTableWidget* runs = window.Runs()->Table();
        QStringList lengths;
        for (int row = 0; row < runs->rowCount(); ++row)
            lengths << runs->item(row, 0)->toolTip() + runs->item(row, 3)->text() + " " +
                           runs->item(row, 4)->text();
        QCOMPARE(lengths.join('|'), "Essay1:30 Stopped|Spanish1:00 Stopped|Spanishunder a minute "
                                    "Stopped|Spanish0:01 Stopped");
        // The Essay run made to end an hour later, then undone and done again.
        Type(window, 0, 2, "2026-12-07 11:30");
        QTRY_VERIFY(refreshed.count() == 2 && Rows(window.Hours()).contains("Essay: 2:30 "));
        auto* undo = window.findChild<QPushButton*>("undo");
        QTest::mouseClick(undo, Qt::LeftButton);
        QTRY_VERIFY(refreshed.count() == 3 && Rows(window.Hours()).contains("Essay: 1:30 "));
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY(refreshed.count() == 4 && Rows(window.Hours()).contains("Essay: 2:30 "));
        // A forgotten run for the goal selected in the hours: its last free half hour, open for typing.
        window.Hours()->Days()->selectRow(0);
        QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
        QTRY_COMPARE(refreshed.count(), 5);
        QTRY_VERIFY(window.Runs()->Editing());
        QCOMPARE(runs->currentIndex(), runs->model()->index(4, 1)); // its Start, to be typed
        QCOMPARE(runs->item(4, 0)->text() + " " + runs->item(4, 1)->text() + " " + runs->item(4, 3)->text(),
                 "Spanish 2026-12-09 11:30 0:30");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        window.UndoStack().undo();
        QTRY_COMPARE(refreshed.count(), 6);
        QCOMPARE(runs->rowCount(), 4);
        // Two runs selected and deleted with the key, one step to undo.
        runs->setFocus();
        runs->selectRow(1);
        runs->selectionModel()->select(runs->model()->index(2, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        runs->selectionModel()->setCurrentIndex(runs->model()->index(3, 0), QItemSelectionModel::NoUpdate);
        QTest::keyClick(runs, Qt::Key_Delete); // the selected rows, not the current one beside them
        QTRY_COMPARE(runs->rowCount(), 2);
        QCOMPARE(window.findChild<QLabel*>("problem")->text(),
                 "2 runs were deleted: Undo (Ctrl+Z) brings them back.");
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QTRY_COMPARE(runs->rowCount(), 4);
        QTest::mouseClick(window.findChild<QPushButton*>("redo"), Qt::LeftButton); // and deleted again
        QTRY_COMPARE(runs->rowCount(), 2);
        // Only the selected goal's runs, when asked.
        window.findChild<QCheckBox*>("onlySelected")->setChecked(true);
        QCOMPARE(runs->rowCount(), 1);
        window.Hours()->Days()->clearSelection(); // none selected, though a row is current: every run
        QCOMPARE(runs->rowCount(), 2);
        // The week before holds nothing: empty cells, and an empty chart.
        QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(Rows(window.Hours()) == "Total:        | , , ");
        // The step is the smallest of these that fits the chart, however tall the tallest day.
        QStringList steps;
        for (double seconds = 30; seconds < 1e8; seconds *= 1.3) {
            window.Chart()->Fill({{"Mon 7", "7"}}, {{1, "Essay", {static_cast<std::int64_t>(seconds)}}}, {1});
            if (const QString step = QString::number(minutes(window.Chart()->TimeLabels().value(1)));
                !steps.contains(step))
                steps << step;
        }
        QCOMPARE(steps.join(' '), "1 2 5 10 15 30 60 120 180 240 360 480 720 1440 2880 7200 14400");
        QCOMPARE(window.Chart()->chart()->series().constFirst()->attachedAxes().size(), 2); // bars to scale
        QStringList palette; // told apart by most eyes; the last, a grey, is "Other"
        for (int goal = -1; goal <= GoalColours::kColours; ++goal)
            palette << HoursChart::Colour(goal).name();
        QCOMPARE(palette.join(' '), "#4e79a7 #4e79a7 #f28e2b #e15759 #76b7b2 #59a14f #edc948 #b07aa1 #ff9da7 "
                                    "#9c755f #17becf #bcbd22 #9d9d9d #9d9d9d");
        auto* splitter = window.findChild<QSplitter*>(); // dragged as far as it goes, no part is gone
        splitter->setSizes({0, 0, 10000});
        QVERIFY(!splitter->sizes().contains(0));
    }

    // At a real size: on a 1280 by 800 screen (as test_history_1280 runs it), a week of 30 goals,
    // one named with 200 characters, shows its days, its totals and its budgets without scrolling
    // sideways; the name is cut in its middle in a column of at most a third, whole in its
    // tooltip. A month labels its days by number; no label of the chart is cut. The window remembers its size
    // and the kind of period.
    void realSizes() {
        std::vector<std::string> names;
        std::vector<std::tuple<int, std::int64_t, std::int64_t>> runs;
        for (int goal = 0; goal < 30; ++goal) {
            names.push_back(goal == 3 ? "Write " + std::string(194, 'w') : "Goal " + std::to_string(goal));
            for (int day = 0; day < 14; ++day)
                if ((goal + day) % 3 != 0)
                    runs.emplace_back(goal, m_monday - 7 * 86400 + day * 86400 + 8 * 3600 + goal * 600,
                                      m_monday - 7 * 86400 + day * 86400 + 8 * 3600 + goal * 600 + 300 +
                                          goal * 60);
        }
        TestClock::Install(m_monday + 6 * 86400 + 72000);
        Journaled journal(names, runs);
        for (const std::string& name : names)
            journal.goals.Append(std::make_unique<Goal>(name, Minutes(120), Minutes(60)));
        journal.access.SetBudgets([](const Goal&) {
            return Renewal::Setting{Renewal::Every::Week, false, Minutes(300)};
        });
        auto window = std::make_unique<HistoryWindow>(journal.access, 1);
        if (window->screen()->availableGeometry().width() < 1280)
            QSKIP("a laptop's screen, as test_history_1280 gives it");
        QSignalSpy refreshed(window.get(), &HistoryWindow::refreshed);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_COMPARE(refreshed.count(), 1);
        QTRY_VERIFY(window->Hours()->Totals()->isVisible());
        const QRect screen = window->screen()->availableGeometry();
        // As tall as the screen allows within the window's frame, and centred on it.
        QCOMPARE(QRect(window->pos(), window->size()),
                 QRect((screen.width() - window->width()) / 2, 20, window->width(), 760));
        const QTableWidget* days = window->Hours()->Days();
        QTRY_COMPARE(days->horizontalScrollBar()->maximum(), 0); // every day in view
        const QTableWidget* totals = window->Hours()->Totals();
        const QRect totalColumn(
            totals->viewport()->mapTo(window.get(), QPoint(totals->columnViewportPosition(0), 0)),
            QSize(totals->columnWidth(0), totals->viewport()->height()));
        QVERIFY(window->rect().contains(totalColumn));
        QVERIFY(totals->columnWidth(2) >=
                totals->fontMetrics().horizontalAdvance(totals->item(0, 2)->text()));
        QVERIFY(days->verticalHeader()->width() <= window->Hours()->width() / 3 + 1);
        QCOMPARE(days->verticalHeaderItem(3)->toolTip(), QString::fromStdString(names[3]));
        const QString cut = days->verticalHeaderItem(3)->text();
        QVERIFY(cut.startsWith("Write ww") && cut.contains(QChar(0x2026)) && cut.endsWith("www") &&
                days->fontMetrics().horizontalAdvance(cut) < days->verticalHeader()->width());
        const int shown = std::min(days->rowCount(), 16); // up to fifteen goals and the totals, no scrolling
        QVERIFY(days->rowViewportPosition(shown - 1) + days->rowHeight(shown - 1) <=
                days->viewport()->height());
        // The hours' table is the chart's legend: each goal's swatch has its bars' colour.
        for (QBarSet* set :
             qobject_cast<QStackedBarSeries*>(window->Chart()->chart()->series().at(0))->barSets())
            for (int row = 0; row + 1 < days->rowCount(); ++row)
                if (days->verticalHeaderItem(row)->toolTip() == set->label())
                    QCOMPARE(days->verticalHeaderItem(row)
                                 ->data(Qt::DecorationRole)
                                 .value<QPixmap>()
                                 .toImage()
                                 .pixelColor(5, 5),
                             set->color());
        const auto colours = [&] {
            QStringList seen;
            for (QBarSet* set :
                 qobject_cast<QStackedBarSeries*>(window->Chart()->chart()->series().at(0))->barSets())
                seen << set->label().left(8) + "=" + set->color().name();
            return seen;
        };
        const QStringList thisWeek = colours(); // eleven goals and "Other"
        QVERIFY(thisWeek.size() == 12 && thisWeek.last().startsWith("Other="));
        QTest::keyClick(window.get(), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(refreshed.count(), 2);
        for (const QString& seen : colours()) // the week before: each goal in its colour
            QVERIFY(seen.startsWith("Other=") || thisWeek.contains(seen) ||
                    !thisWeek.join('|').contains(seen.section('=', 0, 0) + "="));
        QTest::keyClick(window.get(), Qt::Key_T, Qt::AltModifier);
        window->findChild<QComboBox*>("span")->setCurrentIndex(2);
        emit window->findChild<QComboBox*>("span")->activated(2);
        QTRY_COMPARE(window->Chart()->DayLabels().size(), 31); // this month, December
        QVERIFY(window->Chart()->DayLabels().first() == "1" || window->Chart()->DayLabels().first() == "1 ");
        const auto drawn = [&window] { // the labels as the chart draws them, once it is laid out
            QStringList texts;
            for (const QGraphicsItem* item : window->Chart()->scene()->items())
                if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
                    text && text->isVisible())
                    texts << text->toPlainText();
            return texts.join('|') + '|';
        };
        QTRY_VERIFY2(drawn().count('|') >= 10 &&
                         !QRegularExpression("(\u2026|\\.\\.\\.)\\|").match(drawn()).hasMatch(),
                     qPrintable(drawn()));
        const QSize size = window->size() + QSize(30, 20);
        window->resize(size);
        window->close();
        HistoryWindow again(journal.access, 1);
        QVERIFY(QSignalSpy(&again, &HistoryWindow::refreshed).wait(20000)); // filled, it keeps the size
        QVERIFY(again.size() == size && again.Period().GetSpan() == HistoryPeriod::Span::Month);
    }

    // Filled while shown at a size it keeps (as a remembered size is kept), the days take only the
    // room the totals and names leave them.
    void daysFitBesideTheTotals() {
        HoursView hours;
        hours.resize(700, 200);
        hours.show();
        QVERIFY(QTest::qWaitForWindowExposed(&hours));
        hours.Fill({"Mon 7", "Tue 8", "Wed 9", "Thu 10", "Fri 11", "Sat 12", "Sun 13"},
                   {{1, "Essay", {0, 0, 5400, 0, 0, 0, 0}, 5400, "10:00", "1:30 of 10:00", Qt::blue}}, {},
                   5400);
        QTRY_VERIFY(hours.Totals()->width() > 100);
        QCOMPARE(hours.Days()->horizontalScrollBar()->maximum(), 0);
        const QTableWidget* days = hours.Days(); // the days fill their room, none left narrower
        QVERIFY(days->columnViewportPosition(6) + days->columnWidth(6) > days->viewport()->width() - 7);
    }

    // A question still waiting in the store when the one who asked goes is answered to no one.
    void answerAfterTheAskerWent() {
        Journaled journal({"Essay"}, {});
        std::promise<void> go;
        journal.store.Record([gate = go.get_future().share()](JournalRecorder&) { gate.wait(); }); // busy
        bool told = false;
        {
            GoalList goals;
            HistoryAccess access(journal.store, goals);
            access.Query(0, m_monday, [&told](const auto&) { told = true; });
        }
        go.set_value();
        journal.store.Flush();
        QCoreApplication::processEvents();
        QVERIFY(!told);
    }

    // Esc and Ctrl+W close it; F1 asks for its help; Today goes back to the current period; a range
    // shows "Range" in the period box; a To before From cannot be typed.
    void keysAndPeriods() {
        TestClock::Install(m_monday + 2 * 86400 + 43200);
        Journaled journal({"Essay"}, {});
        HistoryWindow window(journal.access, 1);
        QSignalSpy help(&window, &HistoryWindow::helpRequested);
        QSignalSpy refreshed(&window, &HistoryWindow::refreshed);
        for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            QVERIFY(ShownActive(&window));
            QTRY_VERIFY(refreshed.count() > 0); // laid out, and active again
            QTRY_VERIFY(window.isActiveWindow());
            QTest::keyClick(&window, Qt::Key_Escape, Qt::ShiftModifier); // not Esc alone: it stays
            QVERIFY(window.isVisible());
            QTest::keyClick(&window, Qt::Key_F1);
            QTest::keySequence(&window, key);
            QTRY_VERIFY(!window.isVisible());
        }
        QVERIFY(help.count() == 2 && help.first().first().toString() == "history");
        QVERIFY(ShownActive(&window));
        QTRY_VERIFY(window.isActiveWindow());

        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier); // a button's key clicks it a moment later
        QTRY_COMPARE(window.Period().From(), m_monday + 7 * 86400);
        QTest::keyClick(&window, Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(window.Period().From(), m_monday);
        auto* from = window.findChild<QDateEdit*>("from");
        auto* to = window.findChild<QDateEdit*>("to");
        QCOMPARE(std::pair(from->date(), to->date()), std::pair(QDate(2026, 12, 7), QDate(2026, 12, 13)));
        from->setDate(QDate(2026, 12, 10));
        to->setDate(QDate(2026, 12, 1)); // refused where it is typed
        QCOMPARE(to->date(), QDate(2026, 12, 10));
        to->setDate(QDate(2026, 12, 12));
        QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(window.Period().GetSpan(), HistoryPeriod::Span::Range);
        QCOMPARE(window.findChild<QComboBox*>("span")->currentText(), "Range");
        QCOMPARE(window.findChild<QLabel*>("title")->text(), "10 \u2013 12 December 2026");
        journal.access.Changed(); // a run recorded meanwhile: read again
        QVERIFY(refreshed.wait());
    }

    // A correction that breaks a rule is refused, saying why, with the cell left open to mend it:
    // an end in the future, before the start, or overlapping another run of the goal; a goal or
    // a time that does not read. Times read as ISO, in the locale's short form (a two-digit year
    // of this century) or alone, on the run's day. A correction the journal cannot take is told,
    // and the undo history cleared.
    void correctionRules() {
        TestClock::Install(m_monday + 2 * 86400 + 43200); // Wednesday noon
        Journaled journal({"Essay"}, {{0, m_monday + 9 * 3600, m_monday + 10 * 3600 + 1800},
                                      {0, m_monday + 11 * 3600, m_monday + 11 * 3600 + 1800}});
        HistoryWindow window(journal.access, 1);
        QSignalSpy refreshed(&window, &HistoryWindow::refreshed);
        QVERIFY(ShownActive(&window));
        QTRY_COMPARE(refreshed.count(), 1);
        QTableWidget* runs = window.Runs()->Table();
        const auto* problem = window.findChild<QLabel*>("problem");
        for (const auto& [text, why] :
             {std::pair{"2026-12-25 10:00", "A run cannot end in the future."},
              {"2026-12-07 11:15",
               "This would overlap the run of Essay from 2026-12-07 11:00 to 2026-12-07 11:30."},
              {"8:00", "A run ends after it starts."},
              {"soon", "\"soon\" is not a date and time: type it as 2026-12-07 10:30, or a time alone."}}) {
            Type(window, 0, 2, text);
            QTRY_COMPARE(problem->text(), why);
            QTRY_VERIFY(window.Runs()->Editing()); // open again, to be mended
        }
        Type(window, 0, 2, "12/7/26 10:45 AM");
        QTRY_COMPARE(refreshed.count(), 2);
        QCOMPARE(runs->item(0, 2)->text() + problem->text(), "2026-12-07 10:45");
        Type(window, 0, 1, "8:45");
        QTRY_COMPARE(refreshed.count(), 3);
        QCOMPARE(runs->item(0, 1)->text() + " " + runs->item(0, 3)->text(), "2026-12-07 08:45 2:00");
        std::vector<Interval> stored; // the journal counts all of the new length, to the second
        journal.access.Query(m_monday, m_monday + 86400,
                             [&stored](const auto& found) { stored = found.value(); });
        QTRY_VERIFY(!stored.empty());
        QCOMPARE(stored.front().seconds, 7200);
        Type(window, 0, 0, "Esay");
        QTRY_COMPARE(problem->text(), "There is no goal named \"Esay\" in the history.");
        QTRY_VERIFY(window.Runs()->Editing());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        // Too early in the week for a half hour: told, and the cell worked on stays the current one.
        TestClock::Install(m_monday + 600);
        runs->setCurrentCell(1, 2);
        QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
        QTRY_COMPARE(problem->text(), "This goal has no free half hour in the period shown.");
        QCoreApplication::processEvents();
        QCOMPARE(QPoint(runs->currentRow(), runs->currentColumn()), QPoint(1, 2));
        TestClock::Install(m_monday + 2 * 86400 + 43200);
        // Held by another program past a write's patience: told, and nothing left to undo.
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(journal.dir.filePath(Journal::kFileName).toUtf8().constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr),
                 SQLITE_OK); // read, not written
        Type(window, 0, 2, "10:40");
        QTRY_VERIFY(problem->text().startsWith("The history of time spent could not be changed"));
        QCOMPARE(window.UndoStack().count(), 0);
        // Not even read: what the window shows stays.
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        QCOMPARE(sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        emit window.findChild<QComboBox*>("span")->activated(1); // the week read again
        bool read = false;                                       // after the window's own reading
        journal.access.Query(0, 1, [&read](const auto& runs) { read = !runs; });
        QTRY_VERIFY(read);
        QCOMPARE(runs->rowCount(), 2);
        std::optional<HistoryAccess::Exported> exported; // nor exported as if a part were the whole
        journal.access.Export(HistoryExport::Format::Csv, [&exported](const auto& out) { exported = out; });
        QTRY_VERIFY(exported && exported->held && !exported->text);
        QVERIFY(problem->text().startsWith("The history of time spent is held by another program just now"));
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        QTRY_COMPARE(problem->text(), QString()); // read again, and said no more
        sqlite3_close(db);
    }
};

int main(int argc, char** argv) {
    qputenv("LC_ALL", "en_US.UTF-8"); // the system's short forms, as a user there types them
    QApplication app(argc, argv);
    TestHistoryWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "TestHistoryWindow.moc"
