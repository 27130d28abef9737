// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/HistoryExport.h"
#include "storage/Journal.h"
#include "storage/JournalRecorder.h"
#include "support/Fixtures.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <ctime>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr std::int64_t kNoon = 1'796'644'800; // 2026-12-07 12:00 UTC

// Each run as "goal start-end seconds how", times in minutes after noon.
QString Runs(const std::optional<std::vector<Interval>>& intervals) {
    QStringList runs;
    for (const Interval& i : intervals.value())
        runs << QStringLiteral("%1%2 %3-%4 %5 %6")
                    .arg(QString::fromStdString(i.goalName), i.goalDeleted ? "(deleted)" : "",
                         QString::number((i.start - kNoon) / 60), QString::number((i.end - kNoon) / 60),
                         QString::number(i.seconds), QString::fromUtf8(Interval::Name(i.endedBy)));
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
    qsizetype m_open = 0;

private slots:
    void initTestCase() { qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3"), tzset(); }
    void init() { m_dir = std::make_unique<QTemporaryDir>(), m_open = Descriptors(); }
    void cleanup() { QCOMPARE(Descriptors(), m_open); } // the folder's too, synced after a rename

    // A run left open by a crash is closed as crashed at the next start; names match identities
    // in order, so renames carry the past and a deleted goal keeps it.
    void runsAndIdentities() {
        auto journal = Reopen();
        QVERIFY(journal && m_said.isEmpty());
        const std::vector<std::int64_t> ids = journal->MatchGoals({"Gym", "Essay", "Gym"});
        QVERIFY(ids.size() == 3u && ids[0] != ids[2]);
        const std::int64_t first = journal->Begin(ids[0], kNoon);
        QVERIFY(journal->Update(first, kNoon + 600, 540, Interval::End::Stopped));
        const std::int64_t open = journal->Begin(ids[2], kNoon + 1200);
        QVERIFY(journal->Update(open, kNoon + 1260, 60, Interval::End::Running));
        const std::int64_t essay = journal->Begin(ids[1], kNoon + 3600);
        QVERIFY(journal->Update(essay, kNoon + 7200, 3600, Interval::End::Locked));
        const InputClosed input; // opened again as descriptor 0
        journal = Reopen();      // the second run was never closed
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
        // A deleted run's id is never given again, so undoing its deletion meets no newer run.
        QVERIFY(journal->Remove(forgotten.id));
        QVERIFY(journal->Add(forgotten) == forgotten.id && journal->Remove(forgotten.id));
        forgotten.id = 0;
        const std::int64_t again = journal->Add(forgotten);
        QVERIFY(again > essay + 1);
        // Read a chunk at a time, nothing lost or twice at the chunks' seams.
        QString chunked;
        QVERIFY(journal->ForEach(
            kNoon - 7200, kNoon + 7200,
            [&](const Interval& run) {
                chunked += QString::number(run.id) + ' ';
                return true;
            },
            2));
        QCOMPARE(chunked, QString("%1 %2 %3 ").arg(again).arg(open).arg(essay));
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
                     scalar("SELECT count(*) FROM sqlite_master WHERE name = 'intervals_by_end'"),
                 41);
        QCOMPARE(scalar("SELECT count(*) FROM goals") + scalar("SELECT count(*) FROM renewal"), 1);
        QCOMPARE(sqlite3_exec(db, "PRAGMA user_version = 9", nullptr, nullptr, nullptr), SQLITE_OK);
        Journal later(m_dir->path().toStdString());
        QVERIFY(Texts(later.Open(kNoon).messages).contains("written by a later version of the program"));
        // A later one's, refused and closed again.
        QVERIFY(!later.OpenToRead() && later.LastError().find("unknown kind") == 35 && !later.IsOpen());
        QCOMPARE(sqlite3_exec(db, "PRAGMA user_version = 0", nullptr, nullptr, nullptr), SQLITE_OK);
        QVERIFY(!later.OpenToRead() && later.LastError().find("unknown kind") == 35); // a stranger's
        sqlite3_close(db);
        QVERIFY(QFile::remove(Path(Journal::kFileName)) &&
                QFile::link(Path("elsewhere.sqlite"), Path(Journal::kFileName)));
        QVERIFY(Reopen() == nullptr && m_said.contains("could not be opened"));
        QVERIFY(!QFile::exists(Path("elsewhere.sqlite")));
        // A FIFO is refused at once, by the program and by the export, never waited on.
        QVERIFY(QFile::remove(Path(Journal::kFileName)) &&
                mkfifo(Path(Journal::kFileName).toLocal8Bit().constData(), 0600) == 0);
        QVERIFY(Reopen() == nullptr && m_said.contains("is not a regular file"));
        Journal reader(m_dir->path().toStdString());
        QVERIFY(!reader.OpenToRead() &&
                reader.LastError() == "the history of time spent, " + Path(Journal::kFileName).toStdString() +
                                          ", could not be read: it is not a regular file");
        // Damaged again in the same second (a clock that stands still): the first set aside stays.
        QVERIFY(QFile::remove(Path(Journal::kFileName)));
        QVERIFY(WriteBytes(Path(Journal::kFileName), QByteArray(4096, 'y')));
        QVERIFY(!reader.OpenToRead() &&
                reader.LastError().starts_with("the history of time spent is damaged"));
        QVERIFY(Reopen() != nullptr &&
                m_said.contains("renamed ordalune-history.damaged-20261207-130000-2.sqlite"));
        QCOMPARE(ReadBytes(Path("ordalune-history.damaged-20261207-130000.sqlite")), QByteArray(4096, 'x'));
        QCOMPARE(ReadBytes(Path("ordalune-history.damaged-20261207-130000-2.sqlite")), QByteArray(4096, 'y'));
        // A database whose own pages do not hold together is damaged too, not merely refused.
        QByteArray pages = ReadBytes(Path(Journal::kFileName));
        QVERIFY(pages.size() > 200);
        pages.replace(100, 100, QByteArray(100, 'z')); // the first page's tree, past the header
        QVERIFY(QFile::remove(Path(Journal::kFileName)) && WriteBytes(Path(Journal::kFileName), pages));
        QVERIFY(Reopen() != nullptr &&
                m_said.contains("renamed ordalune-history.damaged-20261207-130000-3.sqlite"));
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
        QVERIFY(journal != nullptr && journal->Begin(99, kNoon) == 0); // a goal the journal does not know
        QVERIFY(Texts(journal->TakeFailure())
                    .contains(
                        "could not be written (a run could not be recorded: FOREIGN KEY constraint failed)"));
        QVERIFY(journal->TakeFailure().empty() && !journal->IsOpen() && journal->Open(kNoon).opened);
        QVERIFY(journal->Begin(99, kNoon) == 0 && !journal->TakeFailure().empty()); // told again
    }

    // A journal locked by another program (an export reading it, a tool holding it) never stops
    // the recording: what could not be written waits, in order, and is written once the lock is
    // free, a write begun in a transaction too. At the end, what still waits is told, run by run.
    void lockedJournalWaits() {
        JournalRecorder recorder(m_dir->path().toStdString());
        QVERIFY(recorder.Open(kNoon).empty());
        recorder.Loaded({{1, "Essay"}, {2, "Gym"}});
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(Path(Journal::kFileName).toUtf8().constData(), &db), SQLITE_OK);
        const auto hold = [db] {
            QCOMPARE(sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        };
        const auto release = [db] {
            QCOMPARE(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
        };
        Journal reader(m_dir->path().toStdString()); // an export's: told it was held, never cut short
        QVERIFY(reader.OpenToRead());
        hold();
        QVERIFY(!reader.ForEach(0, kNoon, [](const Interval&) { return true; }) && reader.Busy() &&
                !reader.Between(0, kNoon)); // none, not no runs
        const QDeadlineTimer soon(200);     // a writer waits a moment, as for an export's reading
        recorder.RenewalSaved(1);           // its transaction undone, to be begun again
        recorder.Began(1, kNoon);
        QVERIFY(soon.hasExpired() && recorder.Waiting());
        recorder.Updated(1, kNoon + 60, 60, Interval::End::Running);
        recorder.Added(3, "Run");
        recorder.Began(3, kNoon + 60);
        QVERIFY(recorder.TakeFailure().empty() && recorder.History().IsOpen());
        release();
        QVERIFY(reader.Between(0, kNoon)); // the reading held before does not spoil this one
        recorder.Retry();
        QVERIFY(!recorder.Waiting());
        recorder.Updated(3, kNoon + 120, 60, Interval::End::Stopped);
        QCOMPARE(Runs(recorder.History().Between(kNoon, kNoon + 600)),
                 "Essay 0-1 60 running, Run 1-2 60 stopped");
        hold(); // held past the end
        recorder.Updated(1, kNoon + 600, 600, Interval::End::Closed);
        recorder.Began(3, kNoon + 300);
        recorder.Updated(3, kNoon + 360, 60, Interval::End::Closed);
        const auto lost = recorder.Finish(std::chrono::steady_clock::now() + std::chrono::milliseconds(300));
        release();
        QVERIFY(lost == (std::vector<JournalRecorder::LostRun>{{"Essay", kNoon, kNoon + 600},
                                                               {"Run", kNoon + 300, kNoon + 360}}));
        QVERIFY(!recorder.Waiting());
        sqlite3_close(db);
    }

    // A journal someone else could have written is never used: in a folder others can create
    // files in or that another user owns, or itself another user's or writable by others, or with
    // a rollback file of another's beside it. The user's own journal is made readable by the user
    // alone. Needs the system's administrator, to plant files as another user.
    void othersCannotPlant() {
        if (geteuid() != 0)
            QSKIP("planting another user's files needs root");
        const QByteArray path = Path(Journal::kFileName).toLocal8Bit();
        const QByteArray folder = m_dir->path().toLocal8Bit();
        QVERIFY(Reopen() != nullptr);
        const QByteArray mine = ReadBytes(Path(Journal::kFileName));
        const auto refused = [&](const char* why) {
            const bool was = Reopen() == nullptr && m_said.contains(QString::fromLatin1(why));
            Journal reader(m_dir->path().toStdString());
            return was && !reader.OpenToRead() && reader.LastError().find(why) != std::string::npos;
        };
        QVERIFY(chmod(folder.constData(), 01777) == 0); // /tmp's kind: everyone creates files
        QVERIFY(refused("everyone can write to"));
        QVERIFY(chmod(folder.constData(), 0770) == 0 && chown(folder.constData(), 0, 65534) == 0);
        QVERIFY(refused("the group nogroup can write to"));
        QVERIFY(chown(folder.constData(), 0, 0) == 0 && Reopen() != nullptr); // the user's own group
        QVERIFY(chmod(folder.constData(), 0500) == 0 && chown(folder.constData(), 65534, 0) == 0 &&
                refused("the user nobody can write to")); // its owner can make it writable at will
        QVERIFY(chown(folder.constData(), 0, 0) == 0 && chmod(folder.constData(), 0770) == 0);
        // An access list that lets another user write: the list as the kernel keeps it, a version
        // word and then entries of tag, permissions and id.
        const auto setAcl = [&folder](std::initializer_list<std::array<std::uint32_t, 3>> entries) {
            QByteArray bytes(4, '\0');
            bytes[0] = 2;
            for (const auto& [tag, permissions, id] : entries) {
                const std::uint16_t fields[2] = {static_cast<std::uint16_t>(tag),
                                                 static_cast<std::uint16_t>(permissions)};
                bytes.append(reinterpret_cast<const char*>(fields), 4)
                    .append(reinterpret_cast<const char*>(&id), 4);
            }
            return setxattr(folder.constData(), "system.posix_acl_access", bytes.constData(),
                            static_cast<std::size_t>(bytes.size()), 0) == 0;
        };
        if (setAcl({{1, 7, ~0U}, {2, 7, 65534}, {4, 5, ~0U}, {0x10, 7, ~0U}, {0x20, 5, ~0U}})) {
            QVERIFY(refused("an access control list can write to"));
            QVERIFY(setAcl({{1, 7, ~0U}, {2, 7, 65534}, {4, 5, ~0U}, {0x10, 5, ~0U}, {0x20, 5, ~0U}}) &&
                    Reopen() != nullptr); // the mask takes the write away
            QVERIFY(setAcl({{1, 7, ~0U}, {2, 5, 65534}, {4, 5, ~0U}, {0x10, 7, ~0U}, {0x20, 5, ~0U}}) &&
                    Reopen() != nullptr); // and a named user who may only read is no danger
            QVERIFY(removexattr(folder.constData(), "system.posix_acl_access") == 0 &&
                    chmod(folder.constData(), 0700) == 0);
        }
        QVERIFY(chown(path.constData(), 65534, 65534) == 0 && refused("belongs to the user nobody"));
        QVERIFY(chown(path.constData(), 0, 0) == 0 && chmod(path.constData(), 0662) == 0);
        QVERIFY(refused("others can write to it") && chmod(path.constData(), 0644) == 0);
        QVERIFY(WriteBytes(Path("ordalune-history.sqlite-journal"), QByteArray(512, 'j')));
        QVERIFY(chown(Path("ordalune-history.sqlite-journal").toLocal8Bit().constData(), 65534, 65534) == 0);
        QVERIFY(refused("the file beside it, ordalune-history.sqlite-journal, belongs to the user nobody"));
        QCOMPARE(ReadBytes(Path(Journal::kFileName)), mine); // never rolled back from another's file
        QVERIFY(QFile::remove(Path("ordalune-history.sqlite-journal")) && Reopen() != nullptr);
        struct stat now {};
        QVERIFY(stat(path.constData(), &now) == 0 && (now.st_mode & 0777) == 0600);
    }

    // A write cut off by a crash leaves a rollback file: the export says so and what to do, and
    // the next start puts it right, nothing lost.
    void interruptedWrite() {
        QVERIFY(Reopen() != nullptr);
        {
            auto journal = Reopen();
            const std::int64_t id = journal->MatchGoals({"Essay"}).front();
            QVERIFY(journal->Update(journal->Begin(id, kNoon), kNoon + 60, 60, Interval::End::Stopped));
        }
        const pid_t writer = fork();
        if (writer == 0) { // many changes, spilled to the file before they are committed, then killed
            sqlite3* db = nullptr;
            sqlite3_open(Path(Journal::kFileName).toUtf8().constData(), &db);
            sqlite3_exec(db,
                         "PRAGMA cache_size = 10; BEGIN; CREATE TABLE filler(x); WITH RECURSIVE n(i) AS "
                         "(SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) INSERT INTO filler "
                         "SELECT randomblob(100) FROM n;",
                         nullptr, nullptr, nullptr);
            _exit(0);
        }
        QVERIFY(waitpid(writer, nullptr, 0) == writer);
        QVERIFY(QFileInfo(Path("ordalune-history.sqlite-journal")).size() > 0);
        Journal reader(m_dir->path().toStdString());
        QVERIFY(!reader.OpenToRead());
        QCOMPARE(
            QString::fromStdString(reader.LastError()),
            "the history of time spent was left half-written by a program that was stopped; start Ordalune "
            "in this folder once to put it right, then export again");
        auto journal = Reopen();
        QVERIFY(journal != nullptr && m_said.isEmpty());
        QCOMPARE(Runs(journal->Between(kNoon, kNoon + 60)), "Essay 0-1 60 stopped");
    }

    // The export lists runs with their current names, quoted where CSV needs it, escaped for
    // JSON, instants with the local offset; reading for it never changes the journal. JSON escapes
    // every control character and passes the rest, UTF-8 too, as it is.
    void exportFormats() {
        QCOMPARE(HistoryExport::JsonString("\x01\x1f \\\x7f\xc3\xa9"), "\"\\u0001\\u001f \\\\\x7f\xc3\xa9\"");
        auto journal = Reopen();
        const std::int64_t id = journal->MatchGoals({"Essay, \"final\"\nparts"}).front();
        const std::int64_t run = journal->Begin(id, kNoon - 3 * 3600);
        QVERIFY(journal->Update(run, kNoon + 60, 10860, Interval::End::Running));
        journal.reset();
        Journal reader(m_dir->path().toStdString());
        QVERIFY(reader.OpenToRead());
        const std::vector<Interval> runs = reader.Between(0, kNoon * 2).value();
        QCOMPARE(
            QString::fromStdString(HistoryExport::Write(runs, HistoryExport::Format::Csv)),
            "goal,start,end,seconds,ended_by\r\n\"Essay, \"\"final\"\"\nparts\",2026-12-07T10:00:00+01:00,"
            "2026-12-07T13:01:00+01:00,10860,running\r\n");
        QCOMPARE(QString::fromStdString(HistoryExport::Write(runs, HistoryExport::Format::Json)),
                 "[\n{\"goal\":\"Essay, \\\"final\\\"\\u000aparts\",\"start\":\"2026-12-07T10:00:00+01:00\","
                 "\"end\":\"2026-12-07T13:01:00+01:00\",\"seconds\":10860,\"ended_by\":\"running\"}\n]\n");
        // A spreadsheet never runs a name as a formula; JSON keeps it as it is.
        Interval formula = runs.front();
        QStringList guarded;
        for (const char* name : {"=1+2", "+x", "-y", "@z", "a=b"}) {
            formula.goalName = name;
            guarded << QString::fromStdString(HistoryExport::Row(formula, HistoryExport::Format::Csv, true))
                           .section(',', 0, 0);
        }
        QCOMPARE(guarded.join(' '), "'=1+2 '+x '-y '@z a=b");
        QVERIFY(HistoryExport::Row(formula, HistoryExport::Format::Json, true).find("\"goal\":\"a=b\"") !=
                std::string::npos);
        QCOMPARE(HistoryExport::LocalIso8601(1'782'820'800), "2026-06-30T14:00:00+02:00"); // summer time
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "TestJournal.moc"
