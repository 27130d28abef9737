#include "storage/GoalFile.h"
#include "support/Fixtures.h"
#include "support/TestClock.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Status = GoalFile::SaveResult::Status;
const QByteArray kHeader = "File Version : 1\r\nUser : Pat\r\n";

QString Texts(const std::vector<UserMessage>& messages) {
    QStringList texts;
    for (const UserMessage& message : messages)
        texts << QString::fromStdString(message.text);
    return texts.join(QLatin1Char('|'));
}

// One running copy's view of the folder, each step told as one line a check can compare.
struct Copy {
    explicit Copy(const std::string& directory) : file(directory) {}
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
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        if (asAnotherUser && geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(99);
        const QByteArray said = body().toUtf8();
        _exit(write(fds[1], said.constData(), static_cast<size_t>(said.size())) == said.size() ? 0 : 98);
    }
    close(fds[1]);
    QByteArray said;
    char buffer[4096];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, n);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? QString::fromUtf8(said)
                                                         : QStringLiteral("ended with %1").arg(status);
}

} // namespace

class TestGoalFile : public QObject {
    Q_OBJECT

    QString Path(const char* name) const { return m_dir->filePath(QString::fromLatin1(name)); }
    std::string Dir() const { return m_dir->path().toStdString(); }
    void Write(const QByteArray& text) { QVERIFY(WriteBytes(Path("Ordalune.cdf"), text)); }
    void Chmod(const QString& path, mode_t mode) {
        QVERIFY(chmod(path.toLocal8Bit().constData(), mode) == 0);
    }

    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        TestClock::Install();
    }
    void cleanup() {
        Chmod(m_dir->path(), 0700);
        TestClock::Uninstall();
    }

    void headers_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("user");
        const QString noVersion = "Invalid ORDALUNE.CDF :  No version line found... ignoring rest of file";
        const QString badVersion = "Incompatible ORDALUNE.CDF : incorrect version ... ignoring rest of file";
        const QString noUser = "Invalid ORDALUNE.CDF:  No user line found ... ignoring rest of file";
        const QString ask = GoalFile::kAskName;
        QTest::newRow("empty file") << QByteArray() << noVersion << ask;
        QTest::newRow("no version line") << QByteArray("User : a\r\nGym,01:00,00:30\r\n") << noVersion << ask;
        QTest::newRow("lower-case key") << QByteArray("file Version : 1\r\nUser : a\r\n") << noVersion << ask;
        QTest::newRow("version 2") << QByteArray("File Version : 2\r\nUser : a\r\nG,1:00,0:30\r\n")
                                   << badVersion << ask;
        QTest::newRow("no user line")
            << QByteArray("File Version : 1\r\nGym,01:00,00:30\r\n") << noUser << ask;
        QTest::newRow("user without blank") << QByteArray("File Version : 1\r\nUser: a\r\n") << noUser << ask;
        QTest::newRow("plain") << QByteArray("File Version : 1 beta\r\nUser : night shift\r\n") << ""
                               << "night shift";
        QTest::newRow("LF, two blanks") << QByteArray("File Version :  1\nUser :  b,,c\n") << ""
                                        << " b,c";
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF") + kHeader << ""
                                         << "Pat";
        QTest::newRow("empty name asks") << QByteArray("File Version : 1\r\nUser :   \r\n") << "" << ask;
    }

    // A refused file gives its message, is kept aside, and leaves only the placeholder.
    void headers() {
        QFETCH(QByteArray, content);
        QFETCH(QString, refusal);
        QFETCH(QString, user);
        Write(content);
        Copy copy(Dir());
        const QString told = copy.Load();
        QCOMPARE(QString::fromStdString(copy.user), user);
        QCOMPARE(copy.asked, user == GoalFile::kAskName);
        QCOMPARE(copy.list.GetSelection(), 0);
        if (!refusal.isEmpty()) {
            QCOMPARE(told, refusal + "\n\nThe file was kept as Ordalune.cdf.refused.");
            QCOMPARE(Describe(copy.list), QStringLiteral("No Goals 0:00/0:00 done"));
            QCOMPARE(ReadBytes(Path("Ordalune.cdf.refused")), content);
        }
        QCOMPARE(copy.Save(), QStringLiteral("saved"));
    }

    void goalLines() {
        Write(kHeader + "Only a name\r\n\r\nDecimal,1.5,0:45\r\nJunk,abc,x\r\nExtra,01:00,00:30,more\r\n"
                        "Caf\xe9,2:00,1:00");
        Copy copy(Dir());
        copy.list.Append(std::make_unique<Goal>("Listed", Minutes(5), Minutes(5)));
        QCOMPARE(copy.Load(), QString());
        QCOMPARE(Describe(copy.list),
                 QStringLiteral("Listed 0:05/0:05, Only a name 0:00/0:00 done,  0:00/0:00 "
                                "done, Decimal 1:30/0:45, Junk 0:00/0:00 done, Extra "
                                "1:00/0:30, Café 2:00/1:00"));
    }

    // Names of every kind come back as they were saved, line breaks as blanks; days are kept and
    // only the seconds below a whole minute go.
    void savedAndReadBack() {
        auto copy = std::make_unique<Copy>(Dir());
        for (const std::string name : {"Part, two", ",,", "", "No Goals", "Café", "Line one\nLine two"})
            copy->list.Append(
                std::make_unique<Goal>(name, Minutes(100 * 60 + 7), CTimeSpan(26 * 3600 + 1859)));
        copy->user = "night\r\nshift";
        QCOMPARE(copy->Save(), QStringLiteral("saved"));
        const QString saved = Describe(copy->list).replace("\n", " ");
        copy.reset();
        QCOMPARE(ReadBytes(Path("Ordalune.cdf")),
                 "File Version : 1\r\nUser : night  shift\r\nPart,, two,100:07,26:30\r\n,,,,,100:07,26:30\r\n"
                 ",100:07,26:30\r\nNo Goals,100:07,26:30\r\nCafé,100:07,26:30\r\nLine one Line "
                 "two,100:07,26:30\r\n");
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"Ordalune.cdf"});
        Copy again(Dir());
        QCOMPARE(again.Load(), QString());
        QCOMPARE(again.user, std::string("night  shift"));
        QCOMPARE(Describe(again.list), saved);
    }

    // The backup holds the previous save, stands in for a missing goal file, and when it cannot
    // be made the goals are saved all the same, with one warning.
    void backups() {
        QVERIFY(WriteBytes(Path("ordalune.bak"), kHeader + "Saved,01:00,00:20\r\n"));
        Copy copy(Dir());
        QCOMPARE(copy.Load(),
                 "Ordalune.cdf was missing, so the goals were read from its backup ordalune.bak.");
        QCOMPARE(Describe(copy.list), QStringLiteral("Saved 1:00/0:20"));
        QCOMPARE(copy.Save(), QStringLiteral("saved"));
        QCOMPARE(ReadBytes(Path("ordalune.bak")), kHeader + "Saved,01:00,00:20\r\n");
        const QByteArray first = ReadBytes(Path("Ordalune.cdf"));
        QVERIFY(WriteBytes(Path("ordalune.bak.new"), "left by a crash"));
        copy.user = "second";
        QCOMPARE(copy.Save(), QStringLiteral("saved"));
        QCOMPARE(ReadBytes(Path("ordalune.bak")), first);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
        QVERIFY(QFile::remove(Path("ordalune.bak")) && QDir(m_dir->path()).mkdir("ordalune.bak"));
        QCOMPARE(copy.Save(),
                 QStringLiteral("saved: No backup of your goals is being kept: ordalune.bak could "
                                "not be written (Is a directory)."));
        QCOMPARE(copy.Save(), QStringLiteral("saved"));
    }

    // A goal file that cannot be hard-linked (another owner's, under protected hard links) is
    // backed up by copying it.
    void backupWithoutHardLinks() {
        if (geteuid() != 0 || ReadBytes("/proc/sys/fs/protected_hardlinks").trimmed() != "1")
            QSKIP("needs root and protected hard links");
        const QByteArray before = kHeader + "Theirs,01:00,00:20\r\n";
        Write(before);
        QVERIFY(chmod(m_dir->path().toLocal8Bit().constData(), 0777) == 0);
        const QString said = InChild(
            [&] {
                Copy copy(Dir());
                const QString loaded = copy.Load();
                return loaded + copy.Save();
            },
            true);
        QCOMPARE(said, QStringLiteral("saved"));
        QCOMPARE(ReadBytes(Path("ordalune.bak")), before);
        QCOMPARE(ReadBytes(Path("Ordalune.cdf")), before);
    }

    void refusedFileIsNeverOverwritten() {
        const QByteArray future = "File Version : 2\r\nUser : Pat\r\nPrecious,09:00,08:00\r\n";
        QVERIFY(WriteBytes(Path("Ordalune.cdf.refused"), "an older refused file"));
        Write(future);
        Copy copy(Dir());
        QVERIFY(copy.Load().endsWith("Ordalune.cdf.refused.1."));
        QCOMPARE(copy.Save(), QStringLiteral("saved"));
        QCOMPARE(ReadBytes(Path("Ordalune.cdf.refused.1")), future);
        QCOMPARE(ReadBytes(Path("Ordalune.cdf.refused")), QByteArray("an older refused file"));
    }

    // The first copy holds the goals; a second shows them and never writes; a copy killed
    // outright leaves no lock behind.
    void secondCopyNeverWrites() {
        const QByteArray original = kHeader + "Mine,01:00,00:30\r\n";
        Write(original);
        {
            Copy first(Dir()), second(Dir());
            QCOMPARE(
                QStringList({first.Load(), second.Load()}).join('|'),
                "|Another running copy of Ordalune Tracker is using the goals in this folder.\nThis copy "
                "shows them but will not save them.");
            QCOMPARE(Describe(second.list), QStringLiteral("Mine 1:00/0:30"));
            QVERIFY(!second.file.OwnsGoals());
            QCOMPARE(
                QStringList({second.Save(), second.Save(true)}).join('|'),
                "not owner|not owner: Another running copy of Ordalune Tracker is using the goals in this "
                "folder, so this copy does not save them.");
            QCOMPARE(ReadBytes(Path("Ordalune.cdf")), original);
        }
        QCOMPARE(InChild([&] {
                     Copy child(Dir());
                     (void)child.Load();
                     raise(SIGKILL);
                     return QString();
                 }),
                 QStringLiteral("ended with %1").arg(SIGKILL));
        Copy next(Dir());
        QCOMPARE(QStringList({next.Load(), next.Save()}).join('|'), QStringLiteral("|saved"));
    }

    // A folder that can be written but not read is locked through a lock file inside it; one
    // that offers no lock at all is saved only when the user asks.
    void folderWithoutReadAccessStillLocks() {
        if (geteuid() != 0)
            QSKIP("acting as another user needs root");
        Write(kHeader);
        Chmod(m_dir->path(), 0733);
        QCOMPARE(InChild(
                     [&] {
                         Copy a(Dir()), b(Dir());
                         return QStringList{a.Load(), b.Load().left(20), a.Save(), b.Save()}.join('|');
                     },
                     true),
                 QStringLiteral("|Another running copy|saved|not owner"));
        QVERIFY(QFile::remove(Path(FileLock::kLockFileName)));
        Chmod(m_dir->path(), 0711);
        QCOMPARE(
            InChild(
                [&] {
                    Copy copy(Dir());
                    return QStringList{copy.Load(), copy.Save(), copy.Save(true).left(6)}.join('|');
                },
                true),
            QStringLiteral("The goals in this folder cannot be locked, so another running copy could save "
                           "over them.\nThis copy saves them only when you choose File > Save.|held "
                           "back|failed"));
    }

    // A full disk or a folder that cannot be written: the old file stays whole, and the backup
    // is named only when there is one.
    void failedSavesKeepTheOldFile() {
        const QByteArray original = kHeader + "Small,01:00,00:30\r\n";
        Write(original);
        Copy copy(Dir());
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
        QCOMPARE(InChild(fullDisk),
                 QStringLiteral("File Error: Your goals could not be saved. (File too large)"));
        QVERIFY(WriteBytes(Path("ordalune.bak"), "old backup"));
        QCOMPARE(InChild(fullDisk), QStringLiteral("File Error: Your goals could not be saved.  Use backup "
                                                   "ORDALUNE.BAK (File too large)"));
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
                Copy copy(Dir());
                QStringList steps{copy.Load(), Describe(copy.list), copy.Save(), copy.Save(true)};
                chmod(Path("Ordalune.cdf").toLocal8Bit().constData(), 0600);
                steps << copy.Load() << Describe(copy.list) << copy.Save();
                return steps.join(QStringLiteral(" | "));
            },
            true);
        QCOMPARE(said,
                 QStringLiteral("Ordalune.cdf could not be read: Permission denied.\n\nNothing will be saved "
                                "over it until it can be read; then choose File > Open. | No Goals 0:00/0:00 "
                                "done | held back | held back: Ordalune.cdf could not be read, so nothing is "
                                "saved over it. Make it readable, then choose File > Open. |  | No Goals "
                                "0:00/0:00 done, Precious 9:00/8:00 | saved"));
        QCOMPARE(ReadBytes(Path("ordalune.bak")), original);
    }

    // A goal file that links elsewhere (into a synced folder, say) is saved where it lives.
    void savesThroughALink() {
        QVERIFY(QDir(m_dir->path()).mkdir("synced"));
        QVERIFY(WriteBytes(Path("synced/real.cdf"), kHeader + "Linked,01:00,00:30\r\n"));
        QVERIFY(QFile::link("synced/real.cdf", Path("Ordalune.cdf")));
        Copy copy(Dir());
        (void)copy.Load();
        copy.list.GetAt(0).Set("Saved through", Minutes(60), Minutes(10));
        QCOMPARE(copy.Save(), QStringLiteral("saved"));
        QCOMPARE(QFileInfo(Path("Ordalune.cdf")).symLinkTarget(), Path("synced/real.cdf"));
        QVERIFY(ReadBytes(Path("synced/real.cdf")).contains("Saved through,01:00,00:10"));
        QVERIFY(ReadBytes(Path("ordalune.bak")).contains("Linked,01:00,00:30"));
        QCOMPARE(QDir(m_dir->filePath("synced")).entryList(QDir::Files), QStringList{"real.cdf"});
    }

    // A child saves in a loop, reporting each finished save; it is killed at random moments.
    // Every time, the goal file loads whole, holding the last reported save or the one after it.
    void crashDuringSaveLeavesACompleteFile() {
        constexpr int kGoals = 300;
        const auto contentOf = [](int n) {
            GoalList list;
            for (int i = 0; i < kGoals; ++i)
                list.Append(std::make_unique<Goal>(std::to_string(n), Minutes(i), Minutes(i)));
            return list;
        };
        int last = 0;
        QCOMPARE(GoalFile(Dir()).SaveGoals(contentOf(0), "0").status, Status::Saved);
        for (int round = 0; round < 150; ++round) {
            int fds[2];
            QVERIFY(pipe(fds) == 0);
            const pid_t pid = fork();
            if (pid == 0) {
                close(fds[0]);
                GoalFile file(Dir());
                for (int n = last + 1;; ++n)
                    if (file.SaveGoals(contentOf(n), std::to_string(n)).status != Status::Saved ||
                        write(fds[1], &n, sizeof n) != sizeof n)
                        _exit(3);
            }
            close(fds[1]);
            usleep(static_cast<useconds_t>(QRandomGenerator::global()->bounded(2000, 25000)));
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            for (int n = 0; read(fds[0], &n, sizeof n) == sizeof n;)
                last = n;
            close(fds[0]);
            Copy copy(Dir());
            QCOMPARE(copy.Load(), QString());
            const int saved = std::stoi(copy.user);
            QVERIFY2(saved == last || saved == last + 1,
                     qPrintable(QStringLiteral("%1 after %2").arg(saved).arg(last)));
            QCOMPARE(copy.list.GetCount(), kGoals);
            for (int i = 0; i < kGoals; ++i)
                QVERIFY(copy.list.GetAt(i).GetName() == copy.user &&
                        copy.list.GetAt(i).GetTotal() == Minutes(i));
            last = saved;
        }
    }
};

QTEST_APPLESS_MAIN(TestGoalFile)
#include "TestGoalFile.moc"
