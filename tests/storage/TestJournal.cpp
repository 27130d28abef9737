#include "storage/HistoryExport.h"
#include "storage/Journal.h"
#include "storage/JournalRecorder.h"
#include "support/Fixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>
#include <sqlite3.h>
#include <sys/stat.h>

namespace {

constexpr std::int64_t kNoon = 1'796'644'800; // 2026-12-07 12:00 UTC

QString Texts(const std::vector<UserMessage>& messages) {
    QStringList texts;
    for (const UserMessage& message : messages)
        texts << QString::fromStdString(message.text);
    return texts.join('|');
}

// Each run as "goal start-end seconds how", times in minutes after noon.
QString Runs(const std::vector<Interval>& intervals) {
    QStringList runs;
    for (const Interval& i : intervals)
        runs << QStringLiteral("%1%2 %3-%4 %5 %6")
                    .arg(QString::fromStdString(i.goalName), i.goalDeleted ? "(deleted)" : "")
                    .arg((i.start - kNoon) / 60)
                    .arg((i.end - kNoon) / 60)
                    .arg(i.seconds)
                    .arg(QString::fromUtf8(Interval::Name(i.endedBy)));
    return runs.join(", ");
}

} // namespace

// The journal of time spent on a real SQLite file: its identities, its runs, what it does with a
// damaged or unreachable file, and the export's formats.
class TestJournal : public QObject {
    Q_OBJECT

    QString Path(const char* name) const { return m_dir->filePath(QString::fromLatin1(name)); }
    std::unique_ptr<Journal> Reopen() {
        auto journal = std::make_unique<Journal>(m_dir->path().toStdString());
        const Journal::OpenResult result = journal->Open(kNoon);
        m_said = Texts(result.messages);
        return result.opened ? std::move(journal) : nullptr;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_said;

private slots:
    void initTestCase() {
        qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
        tzset();
    }
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    // A new journal is this user's alone and in rollback-journal mode; a run left open by a crash
    // is closed as crashed at the next start; names match identities in order, so renames carry
    // the past and a deleted goal keeps it.
    void runsAndIdentities() {
        auto journal = Reopen();
        QVERIFY(journal && m_said.isEmpty());
        struct stat made {};
        QVERIFY(stat(Path(Journal::kFileName).toLocal8Bit().constData(), &made) == 0);
        QCOMPARE(made.st_mode & 0777, 0600u);
        const std::vector<std::int64_t> ids = journal->MatchGoals({"Gym", "Essay", "Gym"});
        QCOMPARE(ids.size(), 3u);
        QVERIFY(ids[0] != ids[2]);
        const std::int64_t first = journal->Begin(ids[0], kNoon);
        QVERIFY(journal->Update(first, kNoon + 600, 540, Interval::End::Stopped));
        const std::int64_t open = journal->Begin(ids[2], kNoon + 1200);
        QVERIFY(journal->Update(open, kNoon + 1260, 60, Interval::End::Running));
        const std::int64_t essay = journal->Begin(ids[1], kNoon + 3600);
        QVERIFY(journal->Update(essay, kNoon + 7200, 3600, Interval::End::Locked));
        journal = Reopen(); // the second run was never closed
        QCOMPARE(journal->MatchGoals({"Essay", "Gym", "Gym", "Run"}),
                 (std::vector<std::int64_t>{ids[1], ids[0], ids[2], ids[2] + 1}));
        QVERIFY(journal->Rename(ids[0], "Gym, early") && journal->MarkDeleted(ids[1]));
        QCOMPARE(Runs(journal->Between(kNoon + 60, kNoon + 3600)),
                 "Gym, early 0-10 540 stopped, Gym 20-21 60 crashed");
        QCOMPARE(Runs(journal->Between(kNoon + 3600, kNoon + 3601)), "Essay(deleted) 60-120 3600 locked");
        QCOMPARE(journal->MatchGoals({"Essay"}), std::vector<std::int64_t>{ids[2] + 2}); // deleted stays so
        // Corrections: a forgotten run added, one changed, one deleted.
        Interval forgotten{0, ids[0], "", false, kNoon - 3600, kNoon - 1800, 1800, Interval::End::Stopped};
        forgotten.id = journal->Add(forgotten);
        forgotten.goal = ids[2];
        forgotten.end = kNoon - 2400;
        QVERIFY(journal->Change(forgotten) && journal->Remove(first) && !journal->Remove(first));
        QCOMPARE(Runs(journal->Between(kNoon - 7200, kNoon + 3600)),
                 "Gym -60--40 1800 stopped, Gym 20-21 60 crashed");
    }

    // A damaged journal is set aside under a dated name and a new one started, and the user is
    // told both names; a later version's journal or a planted link is left alone and not written.
    void damagedOrForeign() {
        QVERIFY(WriteBytes(Path(Journal::kFileName), QByteArray(4096, 'x')));
        auto journal = Reopen();
        QVERIFY(journal != nullptr);
        QCOMPARE(m_said, "The history of time spent was damaged. It was renamed "
                         "ordalune-history.damaged-20261207-130000.sqlite and a new history, "
                         "ordalune-history.sqlite, was started. Budgets that renew must be set again; the "
                         "renamed file still holds them.");
        QCOMPARE(ReadBytes(Path("ordalune-history.damaged-20261207-130000.sqlite")), QByteArray(4096, 'x'));
        QVERIFY(journal->MatchGoals({"Gym"}).size() == 1);
        journal.reset();
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(Path(Journal::kFileName).toUtf8().constData(), &db), SQLITE_OK);
        const auto scalar = [db](const char* sql) {
            sqlite3_stmt* statement = nullptr;
            sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
            const int value = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : -1;
            sqlite3_finalize(statement);
            return value;
        };
        // A journal of the first version is brought up to date, its goals kept.
        QCOMPARE(sqlite3_exec(db,
                              "DROP INDEX intervals_by_end; DROP TABLE renewals; DROP TABLE renewal; PRAGMA "
                              "user_version = 1",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        QVERIFY(Reopen() != nullptr);
        QCOMPARE(scalar("PRAGMA user_version") * 10 +
                     scalar("SELECT count(*) FROM sqlite_master WHERE name = "
                            "'intervals_by_end'"),
                 31);
        QCOMPARE(scalar("SELECT count(*) FROM goals") + scalar("SELECT count(*) FROM renewal"), 1);
        QCOMPARE(sqlite3_exec(db, "PRAGMA user_version = 9", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        Journal later(m_dir->path().toStdString());
        QVERIFY(Texts(later.Open(kNoon).messages).contains("written by a later version of the program"));
        QVERIFY(!later.IsOpen() && !later.OpenToRead() && !later.IsOpen());
        QVERIFY(QFile::remove(Path(Journal::kFileName)) &&
                QFile::link(Path("elsewhere.sqlite"), Path(Journal::kFileName)));
        QVERIFY(Reopen() == nullptr && m_said.contains("could not be opened"));
        QVERIFY(!QFile::exists(Path("elsewhere.sqlite")));
    }

    // A goal added in this run gets an identity of its own and its runs are written under it; a
    // goal the journal was never told of writes nothing.
    void recorder() {
        JournalRecorder recorder(m_dir->path().toStdString());
        QVERIFY(recorder.Open(kNoon).empty() && recorder.Open(kNoon).empty());
        recorder.Added(7, "Run");
        for (const std::uint64_t goal : {7, 8}) {
            recorder.Began(goal, kNoon);
            recorder.Updated(goal, kNoon + 60, 60, Interval::End::Stopped);
            recorder.Updated(goal, kNoon + 120, 120, Interval::End::Stopped); // ended: written no more
        }
        QCOMPARE(Runs(recorder.History().Between(kNoon, kNoon + 60)), "Run 0-1 60 stopped");
    }

    // A failed write is told once, and nothing more is written in that run.
    void failureToldOnce() {
        auto journal = Reopen();
        QVERIFY(journal != nullptr);
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(Path(Journal::kFileName).toUtf8().constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK); // held elsewhere
        const QDeadlineTimer soon(200); // a writer waits a moment, as for an export's reading
        QVERIFY(journal->Begin(1, kNoon) == 0 && soon.hasExpired());
        QVERIFY(Texts(journal->TakeFailure())
                    .contains("could not be written (a run could not be recorded: database is locked)"));
        QVERIFY(journal->TakeFailure().empty() && !journal->IsOpen());
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }

    // The export lists runs with their current names, quoted where CSV needs it, escaped for
    // JSON, instants with the local offset; reading for it never changes the journal.
    void exportFormats() {
        auto journal = Reopen();
        const std::int64_t id = journal->MatchGoals({"Essay, \"final\"\nparts"}).front();
        const std::int64_t run = journal->Begin(id, kNoon - 3 * 3600);
        QVERIFY(journal->Update(run, kNoon + 60, 10860, Interval::End::Running));
        journal.reset();
        Journal reader(m_dir->path().toStdString());
        QVERIFY(reader.OpenToRead());
        const std::vector<Interval> runs = reader.Between(0, kNoon * 2);
        QCOMPARE(
            QString::fromStdString(HistoryExport::Write(runs, HistoryExport::Format::Csv)),
            "goal,start,end,seconds,ended_by\r\n\"Essay, \"\"final\"\"\nparts\",2026-12-07T10:00:00+01:00,"
            "2026-12-07T13:01:00+01:00,10860,running\r\n");
        QCOMPARE(QString::fromStdString(HistoryExport::Write(runs, HistoryExport::Format::Json)),
                 "[\n{\"goal\":\"Essay, \\\"final\\\"\\u000aparts\",\"start\":\"2026-12-07T10:00:00+01:00\","
                 "\"end\":\"2026-12-07T13:01:00+01:00\",\"seconds\":10860,\"ended_by\":\"running\"}\n]\n");
        QCOMPARE(HistoryExport::Write({}, HistoryExport::Format::Json), "[]\n");
        QCOMPARE(HistoryExport::LocalIso8601(1'782'820'800), "2026-06-30T14:00:00+02:00"); // summer time
        Journal none(m_dir->filePath("none").toStdString());
        QVERIFY(!none.OpenToRead() && !none.IsOpen());
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "TestJournal.moc"
