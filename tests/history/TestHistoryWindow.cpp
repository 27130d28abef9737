#include "history/HistoryWindow.h"
#include "model/CTime.h"
#include "session/HistoryAccess.h"
#include "support/Fixtures.h"
#include "support/TestClock.h"

#include <QApplication>
#include <QBarSet>
#include <QChartView>
#include <QLabel>
#include <QSignalSpy>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>
#include <sqlite3.h>

// The History window offscreen over a real journal: the table's numbers for known runs, and a
// correction undone and done again.
class TestHistoryWindow : public QObject {
    Q_OBJECT

    // Each row of a table as "header: cell cell ...".
    static QString Rows(const QTableWidget* table) {
        QStringList rows;
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column)
                cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
            const QTableWidgetItem* header = table->verticalHeaderItem(row);
            rows << (header ? header->text() + ": " : QString()) + cells.join(' ').trimmed();
        }
        return rows.join('\n');
    }

    // Types `text` over a cell of the runs as a user would: F2, the text over what was there, Enter.
    static void Type(HistoryWindow& window, int row, int column, const QString& text) {
        QTableWidget* runs = window.Runs();
        runs->setCurrentCell(row, column);
        if (!window.Editing())
            QTest::keyClick(runs, Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }

private slots:
    void initTestCase() {
        qputenv("TZ", "UTC0");
        tzset();
    }

    void tableAndCorrections() {
        QTemporaryDir dir;
        const std::int64_t monday = CTime(2026, 12, 7, 0, 0, 0).GetTime();
        {
            Journal journal(dir.path().toStdString());
            QVERIFY(journal.Open(0).opened);
            const std::vector<std::int64_t> ids = journal.MatchGoals({"Essay", "Gym"});
            for (const auto& [goal, start, end] :
                 {std::tuple{ids[0], monday + 9 * 3600, monday + 10 * 3600 + 1800},
                  std::tuple{ids[1], monday + 86400 - 1800, monday + 86400 + 1800}})
                QVERIFY(journal.Update(journal.Begin(goal, start), end, end - start, Interval::End::Stopped));
        }
        const auto clock = TestClock::Install(monday + 2 * 86400 + 43200); // Wednesday noon
        GoalStore store(dir.path().toStdString());
        store.StartJournal();
        GoalList goals;
        goals.Append(std::make_unique<Goal>("Essay", Minutes(600), Minutes(300)));
        HistoryAccess access(store, goals);
        access.SetBudgets([](const Goal&) {
            return Renewal::Setting{Renewal::Every::Day, false, Minutes(60)};
        });
        HistoryWindow window(access, 1);
        QSignalSpy refreshed(&window, &HistoryWindow::refreshed);
        window.show();
        QVERIFY(refreshed.wait());
        QCOMPARE(Rows(window.Table()),
                 "Essay: 1.50 0.00 0.00 0.00 0.00 0.00 0.00 1.50 10.00 1.50/1.00 0.00/1.00 "
                 "0.00/1.00 0.00/1.00 0.00/1.00 0.00/1.00 0.00/1.00\n"
                 "Gym: 0.50 0.50 0.00 0.00 0.00 0.00 0.00 1.00\n"
                 "Total: 2.00 0.50 0.00 0.00 0.00 0.00 0.00 2.50");
        const auto* bars = qobject_cast<QStackedBarSeries*>(window.Chart()->chart()->series().at(0));
        QCOMPARE(bars->barSets().size() * 10 + bars->barSets()[1]->count(),
                 27); // a colour a goal, a bar a day
        QCOMPARE(QString("%1 %2 %3")
                     .arg(bars->barSets()[0]->label())
                     .arg(bars->barSets()[1]->at(0))
                     .arg(bars->barSets()[1]->at(1)),
                 "Essay 0.5 0.5");
        // The Essay run made to end an hour later, then undone and done again.
        QTableWidget* runs = window.Runs();
        QString editable; // the goal, start and end; not the minutes counted or how the run ended
        for (int column = 0; column < runs->columnCount(); ++column)
            editable += runs->item(0, column)->flags().testFlag(Qt::ItemIsEditable) ? u'1' : u'0';
        QCOMPARE(editable + " " + runs->item(0, 2)->text(), "11100 2026-12-07 10:30");
        runs->item(0, 2)->setText("2026-12-07 11:30");
        QVERIFY(refreshed.wait() && Rows(window.Table()).startsWith("Essay: 2.50 "));
        window.UndoStack().undo();
        QVERIFY(refreshed.wait() && Rows(window.Table()).startsWith("Essay: 1.50 "));
        window.UndoStack().redo();
        QVERIFY(refreshed.wait() && Rows(window.Table()).startsWith("Essay: 2.50 "));
        // A forgotten run added, with no run selected for the first goal, half an hour to now, and
        // taken back.
        runs->setCurrentCell(-1, -1);
        QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
        QVERIFY(refreshed.wait());
        QCOMPARE(runs->rowCount(), 3);
        QCOMPARE(runs->item(2, 0)->text() + " " + runs->item(2, 1)->text() + " " + runs->item(2, 3)->text(),
                 "Essay 2026-12-09 11:30 30");
        window.UndoStack().undo();
        QVERIFY(refreshed.wait());
        QCOMPARE(runs->rowCount(), 2);
        // Deleted, and back under the same run.
        runs->setCurrentCell(1, 0);
        QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);
        QVERIFY(refreshed.wait());
        QCOMPARE(runs->rowCount(), 1);
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(refreshed.wait());
        QCOMPARE(runs->rowCount(), 2);
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(refreshed.wait());
        QCOMPARE(runs->rowCount(), 1);
        // The previous week holds nothing.
        window.ShowPeriod(window.Period().Previous());
        QVERIFY(refreshed.wait());
        QCOMPARE(Rows(window.Table()), "Total: 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00");
        store.Flush();
        TestClock::Uninstall();
    }

    // A correction that breaks a rule is refused, saying why, with the cell left open to mend it:
    // an end in the future, before the start, or overlapping another run of the goal; a goal or
    // a time that does not read. Times read as ISO, in the locale's short form (a two-digit year
    // of this century) or alone, on the run's day. A correction the journal cannot take is told,
    // and the undo history cleared.
    void correctionRules() {
        QTemporaryDir dir;
        const std::int64_t monday = CTime(2026, 12, 7, 0, 0, 0).GetTime();
        {
            Journal journal(dir.path().toStdString());
            QVERIFY(journal.Open(0).opened);
            const std::int64_t essay = journal.MatchGoals({"Essay"}).front();
            for (const auto& [start, end] :
                 {std::pair{9 * 3600, 10 * 3600 + 1800}, {11 * 3600, 11 * 3600 + 1800}})
                QVERIFY(journal.Update(journal.Begin(essay, monday + start), monday + end, end - start,
                                       Interval::End::Stopped));
        }
        const auto clock = TestClock::Install(monday + 2 * 86400 + 43200); // Wednesday noon
        GoalStore store(dir.path().toStdString());
        store.StartJournal();
        GoalList goals;
        HistoryAccess access(store, goals);
        HistoryWindow window(access, 1);
        QSignalSpy refreshed(&window, &HistoryWindow::refreshed);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(refreshed.count(), 1);
        QTableWidget* runs = window.Runs();
        const auto* problem = window.findChild<QLabel*>("problem");
        for (const auto& [text, why] :
             {std::pair{"2026-12-25 10:00", "A run cannot end in the future."},
              {"2026-12-07 11:15",
               "This would overlap the run of Essay from 2026-12-07 11:00 to 2026-12-07 11:30."},
              {"8:00", "A run ends after it starts."},
              {"soon", "\"soon\" is not a date and time: type it as 2026-12-07 10:30, or a time alone."}}) {
            Type(window, 0, 2, text);
            QTRY_COMPARE(problem->text(), why);
            QTRY_VERIFY(window.Editing()); // open again, to be mended
        }
        Type(window, 0, 2, "12/7/26 10:45 AM");
        QTRY_COMPARE(refreshed.count(), 2);
        QCOMPARE(runs->item(0, 2)->text() + problem->text(), "2026-12-07 10:45");
        Type(window, 0, 2, "10:50");
        QTRY_COMPARE(refreshed.count(), 3);
        QCOMPARE(runs->item(0, 2)->text() + runs->item(0, 3)->text(), "2026-12-07 10:50110");
        Type(window, 0, 0, "Esay");
        QTRY_COMPARE(problem->text(), "There is no goal named \"Esay\" in the history.");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        // Held by another program past a write's patience: told, and nothing left to undo.
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(dir.filePath(Journal::kFileName).toUtf8().constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        Type(window, 0, 2, "10:40");
        QTRY_VERIFY(problem->text().startsWith("The history of time spent could not be changed"));
        QCOMPARE(window.UndoStack().count(), 0);
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        store.Flush();
        TestClock::Uninstall();
    }
};

int main(int argc, char** argv) {
    qputenv("LC_ALL", "en_US.UTF-8"); // the system's short forms, as a user there types them
    QApplication app(argc, argv);
    TestHistoryWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "TestHistoryWindow.moc"
