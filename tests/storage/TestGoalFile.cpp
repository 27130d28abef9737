// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FileLock.h"
#include "storage/GoalFile.h"
#include "storage/GoalStore.h"
#include "support/Fixtures.h"
#include "support/TestClock.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <future>
#include <grp.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

// While set, flushing a backup's copy to disk fails, as on a disk that lost it.
static bool g_failBackupSync = false;

extern "C" int fsync(int fd) {
    char path[PATH_MAX] = {};
    if (g_failBackupSync &&
        readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path - 1) > 0 &&
        std::string_view(path).ends_with("ordalune.bak.new")) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(syscall(SYS_fsync, fd));
}

namespace {

const QByteArray kHeader = "File Version : 1\r\nUser : Pat\r\n";

// One running copy's view of the folder, each step told as one line a check can compare.
struct Copy {
    explicit Copy(const QString& directory) : file(directory.toStdString()) {}
    QString Load() {
        const auto result = file.LoadGoals(list, user);
        asked = result.askUserName;
        return Texts(result.messages);
    }
    QString Save(bool askedFor = false) {
        const auto result = file.SaveGoals(list, user, askedFor);
        const char* names[] = {"saved", "failed", "not owner", "held back"};
        const QString texts = Texts(result.messages);
        return names[static_cast<int>(result.status)] + (texts.isEmpty() ? "" : ": " + texts);
    }
    GoalFile file;
    GoalList list;
    std::string user;
    bool asked = false;
};

// Runs `body` in a child process, as an ordinary user when the tests run as root (root ignores
// file permissions), and returns what it said, or how it ended.
QString InChild(const std::function<QString()>& body, bool asAnotherUser = false) {
    int fds[2];
    if (pipe(fds) != 0)
        return "no pipe";
    if (const pid_t pid = fork(); pid == 0) {
        if (asAnotherUser && geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(99);
        const QByteArray said = body().toUtf8();
        _exit(write(fds[1], said.constData(), static_cast<size_t>(said.size())) == said.size() ? 0 : 98);
    } else {
        close(fds[1]);
        QFile pipe;
        const QByteArray said =
            pipe.open(fds[0], QIODevice::ReadOnly, QFile::AutoCloseHandle) ? pipe.readAll() : "";
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? QString::fromUtf8(said)
                                                             : QStringLiteral("ended with %1").arg(status);
    }
}

} // namespace

class TestGoalFile : public QObject {
    Q_OBJECT

    QString Path(const char* name) const { return m_dir->filePath(QString::fromLatin1(name)); }
    void Write(const QByteArray& text) { QVERIFY(WriteBytes(Path("Ordalune.cdf"), text)); }
    void Chmod(const QString& path, mode_t mode) {
        QVERIFY(chmod(path.toLocal8Bit().constData(), mode) == 0);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    qsizetype m_open = 0;

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(), TestClock::Install(), m_open = Descriptors(); }
    void cleanup() {
        QCOMPARE(Descriptors(), m_open); // whatever failed, none was left open
        Chmod(m_dir->path(), 0700);
        TestClock::Uninstall();
    }

    void headers_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("user");
        const char* noVersion = "Invalid ORDALUNE.CDF :  No version line found... ignoring rest of file";
        const char* badVersion = "Incompatible ORDALUNE.CDF : incorrect version ... ignoring rest of file";
        const char* noUser = "Invalid ORDALUNE.CDF:  No user line found ... ignoring rest of file";
        const char* ask = GoalFile::kAskName;
        // clang-format off
        const std::tuple<const char*, QByteArray, const char*, const char*> rows[] = {
            {"empty file", "", noVersion, ask},
            {"no version line", "User : a\r\nGym,01:00,00:30\r\n", noVersion, ask},
            {"lower-case key", "file Version : 1\r\nUser : a\r\n", noVersion, ask},
            {"version 2", "File Version : 2\r\nUser : a\r\nG,1:00,0:30\r\n", badVersion, ask},
            {"no user line", "File Version : 1\r\nGym,01:00,00:30\r\n", noUser, ask},
            {"user without blank", "File Version : 1\r\nUser: a\r\n", noUser, ask},
            {"plain", "File Version : 1 beta\r\nUser : night shift\r\n", "", "night shift"},
            {"LF, two blanks", "File Version :  1\nUser :  b,,c\n", "", " b,c"},
            {"byte-order mark", "\xEF\xBB\xBF" + kHeader, "", "Pat"},
            {"empty name asks", "File Version : 1\r\nUser :   \r\n", "", ask}};
        // clang-format on
        for (const auto& [name, content, refusal, user] : rows)
            QTest::newRow(name) << content << refusal << user;
    }
    // A refused file gives its message and is kept aside under the first free name, never over an
    // earlier refused file; only the placeholder is left.
    void headers() {
        QFETCH(QByteArray, content);
        QFETCH(QString, refusal);
        QFETCH(QString, user);
        Write(content);
        const bool older = !content.contains(" : 2"); // an earlier refused file there, but for version 2
        const char* kept = older ? "Ordalune.cdf.refused.1" : "Ordalune.cdf.refused";
        QVERIFY(!older || WriteBytes(Path("Ordalune.cdf.refused"), "an older refused file"));
        Copy copy(m_dir->path());
        const QString told = copy.Load();
        QCOMPARE(QString::fromStdString(copy.user), user);
        QVERIFY(copy.asked == (user == GoalFile::kAskName) && copy.list.GetSelection() == 0);
        if (!refusal.isEmpty()) {
            QCOMPARE(told, refusal + "\n\nThe file was kept as " + kept + ".");
            QCOMPARE(Describe(copy.list), "No Goals 0:00/0:00 done");
            QCOMPARE(ReadBytes(Path(kept)), content);
        }
        QCOMPARE(copy.Save(), "saved");
        QVERIFY(!older || ReadBytes(Path("Ordalune.cdf.refused")) == "an older refused file");
    }

    // The backup holds the previous save and stands in for a missing goal file; when it cannot
    // be made the goals are saved all the same, with one warning. A goal file that links
    // elsewhere (into a synced folder, say) is saved where it lives; on another file system its
    // backup is a copy.
    void backups() {
        QTemporaryDir synced(QFileInfo::exists("/dev/shm") ? "/dev/shm/ordalune-XXXXXX"
                                                           : m_dir->filePath("synced"));
        QVERIFY(WriteBytes(synced.filePath("ordalune.bak"), kHeader + "Saved,01:00,00:20\r\n"));
        Copy copy(synced.path());
        QCOMPARE(copy.Load(),
                 "Ordalune.cdf was missing, so the goals were read from its backup ordalune.bak.");
        QVERIFY(Describe(copy.list) == "Saved 1:00/0:20" && copy.Save() == "saved");
        QCOMPARE(ReadBytes(synced.filePath("ordalune.bak")), kHeader + "Saved,01:00,00:20\r\n");
        QVERIFY(QFile::link(synced.filePath("Ordalune.cdf"), Path("Ordalune.cdf")));
        auto linked = std::make_unique<Copy>(m_dir->path());
        QVERIFY(linked->Load().isEmpty() && Describe(linked->list) == "Saved 1:00/0:20");
        const QByteArray first = ReadBytes(Path("Ordalune.cdf"));
        QVERIFY(WriteBytes(Path("ordalune.bak.new"), "left by a crash"));
        linked->user = "second";
        QVERIFY(linked->Save() == "saved" && ReadBytes(Path("ordalune.bak")) == first);
        QVERIFY(ReadBytes(synced.filePath("Ordalune.cdf")).contains("User : second"));
        QVERIFY(!QFile::exists(Path("ordalune.bak.new")));
        // A copy that never reached the disk is no backup: the old one stays.
        g_failBackupSync = true;
        linked->user = "third";
        QCOMPARE(linked->Save(), "saved: No backup of your goals is being kept: ordalune.bak could "
                                 "not be written (it could not be copied).");
        g_failBackupSync = false;
        QCOMPARE(ReadBytes(Path("ordalune.bak")), first);
        linked.reset();
        Copy again(m_dir->path());
        QCOMPARE(again.Load(), QString());
        QVERIFY(QFile::remove(Path("ordalune.bak")) && QDir(m_dir->path()).mkdir("ordalune.bak"));
        QCOMPARE(again.Save(), "saved: No backup of your goals is being kept: ordalune.bak could "
                               "not be written (Is a directory).");
        QVERIFY(!QFile::exists(Path("ordalune.bak.new")) &&      // nothing left behind
                QDir(synced.path()).mkdir("Ordalune.cdf.new") && // where the link's file is saved
                !again.Save(true).contains("Use backup"));       // a folder is no backup
        QVERIFY(QDir(synced.path()).rmdir("Ordalune.cdf.new") && QDir(m_dir->path()).rmdir("ordalune.bak"));
        again.user = "fourth";
        QCOMPARE(again.Save(), "saved");
        // Nothing new: an automatic save writes nothing; one asked for, or over a file changed
        // since, writes.
        const auto inode = [this] {
            struct stat info {};
            return stat(qPrintable(Path("Ordalune.cdf")), &info) == 0 ? info.st_ino : 0;
        };
        const QByteArray backup = ReadBytes(Path("ordalune.bak"));
        const ino_t written = inode();
        QCOMPARE(again.Save(), "saved");
        QVERIFY(inode() == written && ReadBytes(Path("ordalune.bak")) == backup);
        // Rewritten in place at the same size, with a time of its own as file times are coarse.
        const QByteArray other = ReadBytes(Path("Ordalune.cdf")).replace("fourth", "fifth!");
        QVERIFY(WriteBytes(Path("Ordalune.cdf"), other) &&
                !utimensat(AT_FDCWD, qPrintable(Path("Ordalune.cdf")), std::array<timespec, 2>{}.data(), 0));
        QCOMPARE(again.Save(), "saved");
        QVERIFY(ReadBytes(Path("Ordalune.cdf")).endsWith("User : fourth\r\nSaved,01:00,00:20\r\n"));
        QCOMPARE(ReadBytes(Path("ordalune.bak")), other); // what was there before
        const ino_t rewritten = inode();
        QVERIFY(again.Save(true) == "saved" && inode() != rewritten);
    }

    // A FIFO in place of the goal file is refused at once and never saved over. A link whose
    // target is missing is told of and stays a link until the target is back. A temporary file
    // planted as a link is never followed. A lock another process takes on the folder stops
    // nothing.
    void hostileFolder() {
        QVERIFY(mkfifo(qPrintable(Path("Ordalune.cdf")), 0600) == 0);
        QVERIFY(FileLock::FolderKey(Path("Ordalune.cdf").toStdString()).empty()); // folders only
        const QString until =
            "\n\nNothing will be saved over it until it can be read; then choose File > Open.";
        {
            Copy fifo(m_dir->path());
            QCOMPARE(fifo.Load(), "Ordalune.cdf could not be read: it is not a regular file." + until);
            QCOMPARE(fifo.Save() + " " + Describe(fifo.list), "held back No Goals 0:00/0:00 done");
        }
        QVERIFY(QFile::remove(Path("Ordalune.cdf")) &&
                QFile::link(Path("synced/goals.cdf"), Path("Ordalune.cdf")));
        const int folder = open(qPrintable(m_dir->path()), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        QVERIFY(flock(folder, LOCK_EX | LOCK_NB) == 0); // as another user of a shared folder might
        Copy copy(m_dir->path());
        QCOMPARE(copy.Load(),
                 "Ordalune.cdf points to " + Path("synced/goals.cdf") + " which does not exist." + until);
        QCOMPARE(copy.Save(), "held back");
        QVERIFY(QDir(m_dir->path()).mkdir("synced") &&
                WriteBytes(Path("synced/goals.cdf"), kHeader + "Gym,1:00,0:30\r\n"));
        QVERIFY(QFile::link(Path("victim"), Path("synced/goals.cdf.new")));
        copy.list.Clear();
        QVERIFY(copy.Load().isEmpty() && Describe(copy.list) == "Gym 1:00/0:30" && copy.Save() == "saved");
        QVERIFY(QFileInfo(Path("Ordalune.cdf")).isSymLink() && !QFile::exists(Path("victim")));
        QVERIFY(ReadBytes(Path("synced/goals.cdf")).endsWith("Gym,01:00,00:30\r\n"));
        QVERIFY(QFile::remove(Path("synced/goals.cdf")));
        QCOMPARE(copy.Save(true), "held back: Ordalune.cdf points to " + Path("synced/goals.cdf") +
                                      " which does not exist, so nothing is saved over it. Once it is back, "
                                      "choose File > Open.");
        QVERIFY(QFileInfo(Path("Ordalune.cdf")).isSymLink());
        close(folder);
    }

    // The store does one job at a time, in order. A save that waits is replaced by a newer one,
    // which stays asked for when either was, and each caller is told its result.
    void storeMergesWaitingSaves() {
        Write(kHeader + "Mine,01:00,00:30\r\n");
        Copy first(m_dir->path()); // holds the folder
        QCOMPARE(first.Load(), QString());
        GoalStore store(m_dir->path().toStdString());
        std::promise<void> go;
        QStringList said;
        store.Load([&, gate = go.get_future().share()](const GoalStore::Loaded& loaded) {
            gate.wait();
            said << "loaded " + Texts(loaded.result.messages).left(12);
        });
        for (const bool asked : {true, false})
            store.Save({}, asked, [&, asked](const GoalFile::SaveResult& result) {
                said << QString::number(asked) + " " + Texts(result.messages).left(12);
            });
        go.set_value();
        store.Flush();
        QCOMPARE(said.join('|'), "loaded Another runn|1 Another runn|0 Another runn");
        QVERIFY(!store.OwnsGoals());
    }

    // Ended before its journal started, the store finishes nothing, then or later: a finish held
    // for the start would end the new journal's work, and tell a caller long gone.
    void storeFinishedBeforeItsJournal() {
        Write(kHeader + "Mine,01:00,00:30\r\n");
        GoalStore store(m_dir->path().toStdString());
        QVERIFY(store.FinishJournal(std::chrono::milliseconds(0)).empty());
        store.StartJournal();
        std::promise<bool> recorded;
        store.Record([&recorded](JournalRecorder&) { recorded.set_value(true); });
        store.Flush();
        QVERIFY(recorded.get_future().get() && store.FinishJournal(std::chrono::milliseconds(0)).empty());
    }

    // A second copy shows the goals and never writes them, even once the first has gone: its goals
    // may be older than those the first saved last.
    void secondCopyNeverWrites() {
        Write(kHeader + "Mine,01:00,00:30\r\n");
        auto first = std::make_unique<Copy>(m_dir->path());
        Copy second(m_dir->path());
        QVERIFY(first->Load().isEmpty() && second.Load().startsWith("Another running copy"));
        QCOMPARE(Describe(second.list), "Mine 1:00/0:30");
        first.reset();
        QCOMPARE(second.Save(true).left(9), "not owner");
    }

    // A full disk or a folder that cannot be written: the old file stays whole, and the backup
    // is named only when there is one.
    void failedSavesKeepTheOldFile() {
        const QByteArray original = kHeader + "Small,01:00,00:30\r\n";
        Write(original);
        Copy copy(m_dir->path());
        for (int i = 0; i < 200; ++i)
            copy.list.Append(
                std::make_unique<Goal>("A long enough name " + std::to_string(i), Minutes(6), Minutes(3)));
        const auto fullDisk = [&] {
            // A file-size limit makes writes past 1 KiB fail as a full disk does.
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{1024, 1024};
            setrlimit(RLIMIT_FSIZE, &limit);
            const auto result = copy.file.SaveGoals(copy.list, "Pat");
            return QString::fromStdString(result.messages.at(0).caption + ": " + result.messages.at(0).text +
                                          " (" + result.detail + ")");
        };
        QCOMPARE(InChild(fullDisk), "File Error: Your goals could not be saved. (File too large)");
        QVERIFY(WriteBytes(Path("ordalune.bak"), "old backup"));
        QCOMPARE(InChild(fullDisk),
                 "File Error: Your goals could not be saved.  Use backup ordalune.bak (File too large)");
        Chmod(m_dir->path(), 0555);
        QCOMPARE(InChild([&] { return copy.Save().left(6); }, true), QStringLiteral("failed"));
        QCOMPARE(ReadBytes(Path("Ordalune.cdf")), original);
        QCOMPARE(ReadBytes(Path("ordalune.bak")), QByteArray("old backup"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
    }

    // A goal file that is there but cannot be read is never saved over or moved; once it can be
    // read again, loading reads it.
    void unreadableFileIsNeverReplaced() {
        const QByteArray original = kHeader + "Precious,09:00,08:00\r\n";
        Write(original);
        Chmod(Path("Ordalune.cdf"), 0);
        Chmod(m_dir->path(), 0777);
        if (geteuid() == 0) // the other user owns it, so it can make it readable again
            QVERIFY(chown(Path("Ordalune.cdf").toLocal8Bit().constData(), 65534, 65534) == 0);
        const QString said = InChild(
            [&] {
                Copy copy(m_dir->path());
                QStringList steps{copy.Load(), Describe(copy.list), copy.Save(), copy.Save(true)};
                chmod(Path("Ordalune.cdf").toLocal8Bit().constData(), 0600);
                steps << copy.Load() << Describe(copy.list) << copy.Save();
                return steps.join(QStringLiteral(" | "));
            },
            true);
        QCOMPARE(said, "Ordalune.cdf could not be read: Permission denied.\n\nNothing will be saved "
                       "over it until it can be read; then choose File > Open. | No Goals 0:00/0:00 "
                       "done | held back | held back: Ordalune.cdf could not be read, so nothing is "
                       "saved over it. Make it readable, then choose File > Open. |  | No Goals "
                       "0:00/0:00 done, Precious 9:00/8:00 | saved");
        QCOMPARE(ReadBytes(Path("ordalune.bak")), original);
    }

    // A child saves in a loop, reporting each finished save; it is killed at random moments.
    // Every time, the goal file loads whole, holding the last reported save or the one after it.
    void crashDuringSaveLeavesACompleteFile() {
        const auto goals = [](int n) {
            GoalList list;
            for (int i = 0; i < 300; ++i)
                list.Append(std::make_unique<Goal>(std::to_string(n), Minutes(i), Minutes(i)));
            return list;
        };
        int last = 0;
        QVERIFY(GoalFile(m_dir->path().toStdString()).SaveGoals(goals(0), "0").messages.empty());
        for (int round = 0; round < 150; ++round) {
            int fds[2];
            QVERIFY(pipe(fds) == 0);
            const pid_t pid = fork();
            if (pid == 0) {
                GoalFile file(m_dir->path().toStdString());
                for (int n = last + 1; file.SaveGoals(goals(n), std::to_string(n)).messages.empty(); ++n)
                    if (write(fds[1], &n, sizeof n) != sizeof n)
                        break;
                _exit(3);
            }
            close(fds[1]);
            usleep(static_cast<useconds_t>(QRandomGenerator::global()->bounded(2000, 25000)));
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            for (int n = 0; read(fds[0], &n, sizeof n) == sizeof n;)
                last = n;
            close(fds[0]);
            Copy copy(m_dir->path());
            QCOMPARE(copy.Load(), QString());
            const int saved = std::stoi(copy.user);
            QVERIFY((saved == last || saved == last + 1) && copy.list.GetCount() == 300);
            for (int i = 0; i < 300; ++i)
                QVERIFY(copy.list.GetAt(i).GetName() == copy.user &&
                        copy.list.GetAt(i).GetTotal() == Minutes(i));
            last = saved;
        }
    }
};

QTEST_APPLESS_MAIN(TestGoalFile)
#include "TestGoalFile.moc"
