#include "storage/GoalFile.h"
#include "support/Fixtures.h"
#include "support/TestClock.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Status = GoalFile::SaveResult::Status;
const QByteArray kHeader = "File Version : 1\r\nUser : Pat\r\n";

// Runs `body` in a child process, as an ordinary user when the tests run as root (root ignores
// file permissions), and returns its exit code (or 128 + signal).
template <typename Body> int InChild(Body body, bool asAnotherUser = false) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (asAnotherUser && geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(99);
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

QString Texts(const std::vector<UserMessage>& messages) {
    QStringList texts;
    for (const UserMessage& message : messages)
        texts << QString::fromStdString(message.text);
    return texts.join(QLatin1Char('|'));
}

} // namespace

class TestGoalFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void headers_data();
    void headers();
    void goalLines();
    void savedAndReadBack();
    void backups();
    void refusedFileIsNeverOverwritten();
    void secondCopyNeverWrites();
    void folderWithoutReadAccessStillLocks();
    void failedSavesKeepTheOldFile();
    void unreadableFileIsNeverReplaced();
    void savesThroughALink();
    void crashDuringSaveLeavesACompleteFile();

private:
    QString Path(const char* name) const { return m_dir->filePath(QString::fromLatin1(name)); }
    std::string Dir() const { return m_dir->path().toStdString(); }
    void Write(const QByteArray& text) { QVERIFY(WriteBytes(Path("Ordalune.cdf"), text)); }
    GoalFile::LoadResult Load(GoalFile& file, GoalList& list, std::string& user) {
        return file.LoadGoals(list, user);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestGoalFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    TestClock::Install();
}

void TestGoalFile::cleanup() {
    chmod(m_dir->path().toLocal8Bit().constData(), 0700);
    TestClock::Uninstall();
}

void TestGoalFile::headers_data() {
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
    QTest::newRow("version 2") << QByteArray("File Version : 2\r\nUser : a\r\nGym,1:00,0:30\r\n")
                               << badVersion << ask;
    QTest::newRow("no user line") << QByteArray("File Version : 1\r\nGym,01:00,00:30\r\n") << noUser << ask;
    QTest::newRow("user key without blank") << QByteArray("File Version : 1\r\nUser: a\r\n") << noUser << ask;
    QTest::newRow("plain") << QByteArray("File Version : 1 beta\r\nUser : night shift\r\n") << ""
                           << "night shift";
    QTest::newRow("LF, two blanks") << QByteArray("File Version :  1\nUser :  b,,c\n") << ""
                                    << " b,c";
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF") + kHeader << ""
                                     << "Pat";
    QTest::newRow("empty name asks") << QByteArray("File Version : 1\r\nUser :   \r\n") << "" << ask;
}

// A refused file gives its message, is kept aside, and leaves only the placeholder.
void TestGoalFile::headers() {
    QFETCH(QByteArray, content);
    QFETCH(QString, refusal);
    QFETCH(QString, user);
    Write(content);
    GoalFile file(Dir());
    GoalList list;
    std::string name = "old";
    const auto result = Load(file, list, name);
    QCOMPARE(QString::fromStdString(name), user);
    QCOMPARE(result.askUserName, user == GoalFile::kAskName);
    QCOMPARE(list.GetSelection(), 0);
    if (refusal.isEmpty()) {
        QCOMPARE(Texts(result.messages), QString());
        return;
    }
    QCOMPARE(Texts(result.messages), refusal + "\n\nThe file was kept as Ordalune.cdf.refused.");
    QCOMPARE(result.messages[0].icon, UserMessage::Icon::Warning);
    QVERIFY(result.messages[0].caption.empty());
    QCOMPARE(list.GetCount(), 1);
    QVERIFY(GoalList::IsPlaceholder(list.GetAt(0)));
    QCOMPARE(ReadBytes(Path("Ordalune.cdf.refused")), content);
}

void TestGoalFile::goalLines() {
    Write(kHeader + "Only a name\r\n\r\nDecimal,1.5,0:45\r\nJunk,abc,x\r\nExtra,01:00,00:30,more\r\n"
                    "Caf\xe9,2:00,1:00");
    GoalFile file(Dir());
    GoalList list;
    list.Append(std::make_unique<Goal>("Listed", Minutes(5), Minutes(5)));
    std::string user;
    (void)Load(file, list, user);
    QStringList seen;
    for (int i = 0; i < list.GetCount(); ++i) {
        const Goal& goal = list.GetAt(i);
        seen << QStringLiteral("%1 %2 %3%4")
                    .arg(QString::fromStdString(goal.GetName()),
                         QString::fromStdString(goal.GetTotal().Format("%H:%M")),
                         QString::fromStdString(goal.GetRemaining().Format("%H:%M")),
                         goal.IsDone() ? " done" : "");
    }
    QCOMPARE(seen, (QStringList{"Listed 00:05 00:05", "Only a name 00:00 00:00 done", " 00:00 00:00 done",
                                "Decimal 01:30 00:45", "Junk 00:00 00:00 done", "Extra 01:00 00:30",
                                "Café 02:00 01:00"}));
}

// Names of every kind come back as they were saved, line breaks as blanks; days are kept and
// only the seconds below a whole minute go.
void TestGoalFile::savedAndReadBack() {
    GoalList list;
    const std::string names[] = {
        "Write chapter, part two", ",,", "", "No Goals", "Café crème", std::string(3000, 'w') + ",",
        "Line one\nLine two"};
    for (const std::string& name : names)
        list.Append(std::make_unique<Goal>(name, Minutes(100 * 60 + 7), CTimeSpan(26 * 3600 + 30 * 60 + 59)));
    {
        GoalFile file(Dir());
        const auto result = file.SaveGoals(list, "night\r\nshift");
        QCOMPARE(result.status, Status::Saved);
        QVERIFY(result.messages.empty());
    }
    const QByteArray saved = ReadBytes(Path("Ordalune.cdf"));
    QVERIFY(saved.startsWith(
        "File Version : 1\r\nUser : night  shift\r\nWrite chapter,, part two,100:07,26:30\r\n"
        ",,,,,100:07,26:30\r\n,100:07,26:30\r\n"));
    QVERIFY(saved.endsWith(",,,100:07,26:30\r\nLine one Line two,100:07,26:30\r\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"Ordalune.cdf"});
    GoalFile file(Dir());
    GoalList loaded;
    std::string user;
    (void)Load(file, loaded, user);
    QCOMPARE(user, std::string("night  shift"));
    QCOMPARE(loaded.GetCount(), list.GetCount());
    for (int i = 0; i < list.GetCount(); ++i) {
        QCOMPARE(loaded.GetAt(i).GetName(), i == 6 ? std::string("Line one Line two") : names[i]);
        QCOMPARE(loaded.GetAt(i).GetTotal(), Minutes(100 * 60 + 7));
        QCOMPARE(loaded.GetAt(i).GetRemaining(), Minutes(26 * 60 + 30));
    }
}

// The backup holds the previous save, stands in for a missing goal file, and when it cannot be
// made the goals are saved all the same, with one warning.
void TestGoalFile::backups() {
    QVERIFY(WriteBytes(Path("ordalune.bak"), kHeader + "Saved,01:00,00:20\r\n"));
    GoalFile file(Dir());
    GoalList list;
    std::string user;
    auto loaded = Load(file, list, user);
    QCOMPARE(Texts(loaded.messages),
             QStringLiteral("Ordalune.cdf was missing, so the goals were read from its "
                            "backup ordalune.bak."));
    QCOMPARE(loaded.messages[0].icon, UserMessage::Icon::Information);
    QCOMPARE(list.GetAt(0).GetName(), std::string("Saved"));
    QCOMPARE(file.SaveGoals(list, "first").status, Status::Saved);
    QVERIFY(ReadBytes(Path("ordalune.bak")).contains("Saved,01:00,00:20"));
    const QByteArray first = ReadBytes(Path("Ordalune.cdf"));
    QCOMPARE(file.SaveGoals(list, "second").status, Status::Saved);
    QCOMPARE(ReadBytes(Path("ordalune.bak")), first);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);

    QVERIFY(WriteBytes(Path("ordalune.bak.new"), "left by a crash")); // no hold-up for the next backup
    QCOMPARE(file.SaveGoals(list, "second").status, Status::Saved);
    QCOMPARE(ReadBytes(Path("ordalune.bak")), ReadBytes(Path("Ordalune.cdf")));
    QVERIFY(QFile::remove(Path("ordalune.bak")) && QDir(m_dir->path()).mkdir("ordalune.bak"));
    for (const char* expected :
         {"No backup of your goals is being kept: ordalune.bak could not be written (Is a "
          "directory).",
          ""}) {
        const auto result = file.SaveGoals(list, "third");
        QCOMPARE(result.status, Status::Saved);
        QCOMPARE(Texts(result.messages), QString::fromLatin1(expected));
        QVERIFY(ReadBytes(Path("Ordalune.cdf")).contains("User : third"));
    }
}

void TestGoalFile::refusedFileIsNeverOverwritten() {
    const QByteArray future = "File Version : 2\r\nUser : Pat\r\nPrecious,09:00,08:00\r\n";
    QVERIFY(WriteBytes(Path("Ordalune.cdf.refused"), "an older refused file"));
    Write(future);
    GoalFile file(Dir());
    GoalList list;
    std::string user;
    QVERIFY(Texts(Load(file, list, user).messages).endsWith("Ordalune.cdf.refused.1."));
    QCOMPARE(file.SaveGoals(list, user).status, Status::Saved);
    QCOMPARE(ReadBytes(Path("Ordalune.cdf.refused.1")), future);
    QCOMPARE(ReadBytes(Path("Ordalune.cdf.refused")), QByteArray("an older refused file"));
}

void TestGoalFile::secondCopyNeverWrites() {
    const QByteArray original = kHeader + "Mine,01:00,00:30\r\n";
    Write(original);
    {
        GoalFile first(Dir());
        GoalList firstList, secondList;
        std::string user;
        QVERIFY(Load(first, firstList, user).messages.empty());
        GoalFile second(Dir());
        QCOMPARE(Texts(Load(second, secondList, user).messages),
                 QStringLiteral(
                     "Another running copy of Ordalune Tracker is using the goals in this folder.\nThis "
                     "copy shows them but will not save them."));
        QCOMPARE(secondList.GetAt(0).GetName(), std::string("Mine"));
        QVERIFY(!second.OwnsGoals());
        const auto refused = second.SaveGoals(secondList, "other", true);
        QCOMPARE(refused.status, Status::NotOwner);
        QCOMPARE(Texts(refused.messages),
                 QStringLiteral("Another running copy of Ordalune Tracker is using the "
                                "goals in this folder, so this copy does not save them."));
        QVERIFY(second.SaveGoals(secondList, "other").messages.empty());
        QCOMPARE(ReadBytes(Path("Ordalune.cdf")), original);
    }
    // A copy killed outright leaves no lock behind.
    const int code = InChild([&] {
        GoalFile child(Dir());
        GoalList list;
        std::string name;
        (void)child.LoadGoals(list, name);
        raise(SIGKILL);
        return 0;
    });
    QCOMPARE(code, 128 + SIGKILL);
    GoalFile next(Dir());
    GoalList list;
    std::string user;
    QVERIFY(Load(next, list, user).messages.empty());
    QVERIFY(next.OwnsGoals());
}

// A folder that can be written but not read is locked through a lock file inside it; one that
// offers no lock at all is saved only when the user asks.
void TestGoalFile::folderWithoutReadAccessStillLocks() {
    if (geteuid() != 0)
        QSKIP("acting as another user needs root");
    Write(kHeader);
    QVERIFY(chmod(m_dir->path().toLocal8Bit().constData(), 0733) == 0);
    const int twoCopies = InChild(
        [&] {
            GoalFile a(Dir()), b(Dir());
            GoalList list;
            std::string user;
            (void)a.LoadGoals(list, user);
            const bool secondWarned =
                Texts(b.LoadGoals(list, user).messages).startsWith("Another running copy");
            return (secondWarned ? 0 : 1) | (a.SaveGoals(list, user).status == Status::Saved ? 0 : 2) |
                   (b.SaveGoals(list, user).status == Status::NotOwner ? 0 : 4);
        },
        true);
    QCOMPARE(twoCopies, 0);
    QVERIFY(QFile::remove(Path(FileLock::kLockFileName)));
    QVERIFY(chmod(m_dir->path().toLocal8Bit().constData(), 0711) == 0);
    const int noLock = InChild(
        [&] {
            GoalFile file(Dir());
            GoalList list;
            std::string user;
            const bool told = Texts(file.LoadGoals(list, user).messages).contains("cannot be locked");
            return (told ? 0 : 1) | (file.SaveGoals(list, user).status == Status::HeldBack ? 0 : 2) |
                   (file.SaveGoals(list, user, true).status == Status::Failed ? 0 : 4);
        },
        true);
    QCOMPARE(noLock, 0);
}

// A full disk or a folder that cannot be written: the old file stays whole, and the backup is
// named only when there is one.
void TestGoalFile::failedSavesKeepTheOldFile() {
    const QByteArray original = kHeader + "Small,01:00,00:30\r\n";
    Write(original);
    GoalFile file(Dir());
    GoalList list;
    for (int i = 0; i < 200; ++i)
        list.Append(std::make_unique<Goal>("A goal with a long enough name " + std::to_string(i), Minutes(60),
                                           Minutes(30)));
    const auto fullDisk = [&](const char* expected) {
        // A file-size limit makes writes past 1 KiB fail as a full disk does.
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        const auto result = file.SaveGoals(list, "Pat");
        return result.status == Status::Failed && result.detail == "File too large" &&
                       Texts(result.messages) == expected && result.messages[0].caption == "File Error"
                   ? 0
                   : 1;
    };
    QCOMPARE(InChild([&] { return fullDisk("Your goals could not be saved."); }), 0);
    QVERIFY(WriteBytes(Path("ordalune.bak"), "old backup"));
    QCOMPARE(InChild([&] { return fullDisk("Your goals could not be saved.  Use backup ORDALUNE.BAK"); }), 0);
    QCOMPARE(ReadBytes(Path("Ordalune.cdf")), original);
    QCOMPARE(ReadBytes(Path("ordalune.bak")), QByteArray("old backup"));
    QVERIFY(chmod(m_dir->path().toLocal8Bit().constData(), 0555) == 0);
    QCOMPARE(InChild([&] { return file.SaveGoals(list, "Pat").status == Status::Failed ? 0 : 1; }, true), 0);
    QCOMPARE(ReadBytes(Path("Ordalune.cdf")), original);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
}

// A goal file that is there but cannot be read is never saved over or moved; once it can be read
// again, loading reads it.
void TestGoalFile::unreadableFileIsNeverReplaced() {
    const QByteArray original = kHeader + "Precious,09:00,08:00\r\n";
    Write(original);
    QVERIFY(chmod(Path("Ordalune.cdf").toLocal8Bit().constData(), 0) == 0);
    QVERIFY(chmod(m_dir->path().toLocal8Bit().constData(), 0777) == 0);
    if (geteuid() == 0) // the other user owns it, so it can make it readable again
        QVERIFY(chown(Path("Ordalune.cdf").toLocal8Bit().constData(), 65534, 65534) == 0);
    const int code = InChild(
        [&] {
            GoalFile file(Dir());
            GoalList list;
            std::string user;
            const auto loaded = file.LoadGoals(list, user);
            const bool told =
                Texts(loaded.messages) ==
                "Ordalune.cdf could not be read: Permission denied.\n\nNothing will be saved over it "
                "until it can be read; then choose File > Open.";
            const bool empty = list.GetCount() == 1 && GoalList::IsPlaceholder(list.GetAt(0));
            const auto automatic = file.SaveGoals(list, user);
            const auto asked = file.SaveGoals(list, user, true);
            const QByteArray before = ReadBytes(Path("Ordalune.cdf"));
            // Readable again: Open reads it, and saves go on.
            chmod(Path("Ordalune.cdf").toLocal8Bit().constData(), 0600);
            (void)file.LoadGoals(list, user);
            const bool readAgain =
                list.GetAt(1).GetName() == "Precious" && file.SaveGoals(list, user).status == Status::Saved;
            chmod(Path("Ordalune.cdf").toLocal8Bit().constData(), 0);
            return (told ? 0 : 1) | (empty ? 0 : 2) | (automatic.status == Status::HeldBack ? 0 : 4) |
                   (before == "<missing>" ? 0 : 32) | (readAgain ? 0 : 64) |
                   (automatic.messages.empty() ? 0 : 8) |
                   (Texts(asked.messages).contains("could not be read, so nothing is saved over it") ? 0
                                                                                                     : 16);
        },
        true);
    QCOMPARE(code, 0);
    QVERIFY(chmod(Path("Ordalune.cdf").toLocal8Bit().constData(), 0600) == 0);
    QCOMPARE(ReadBytes(Path("ordalune.bak")), original); // untouched until it could be read
    QVERIFY(ReadBytes(Path("Ordalune.cdf")).contains("No Goals,00:00,00:00\r\nPrecious,09:00,08:00"));
}

// A goal file that links elsewhere (into a synced folder, say) is saved where it lives.
void TestGoalFile::savesThroughALink() {
    QVERIFY(QDir(m_dir->path()).mkdir("synced"));
    QVERIFY(WriteBytes(Path("synced/real.cdf"), kHeader + "Linked,01:00,00:30\r\n"));
    QVERIFY(QFile::link("synced/real.cdf", Path("Ordalune.cdf")));
    GoalFile file(Dir());
    GoalList list;
    std::string user;
    (void)Load(file, list, user);
    list.GetAt(0).Set("Saved through", Minutes(60), Minutes(10));
    QCOMPARE(file.SaveGoals(list, user).status, Status::Saved);
    QCOMPARE(QFileInfo(Path("Ordalune.cdf")).symLinkTarget(), Path("synced/real.cdf"));
    QVERIFY(ReadBytes(Path("synced/real.cdf")).contains("Saved through,01:00,00:10"));
    QVERIFY(ReadBytes(Path("ordalune.bak")).contains("Linked,01:00,00:30"));
    QCOMPARE(QDir(m_dir->filePath("synced")).entryList(QDir::Files), QStringList{"real.cdf"});
}

// A child saves in a loop, reporting each finished save; it is killed at random moments. Every
// time, the goal file must load whole, holding the last reported save or the one after it.
void TestGoalFile::crashDuringSaveLeavesACompleteFile() {
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
        int n = 0;
        while (read(fds[0], &n, sizeof n) == sizeof n)
            last = n;
        close(fds[0]);
        GoalFile file(Dir());
        GoalList list;
        std::string user;
        QVERIFY(Load(file, list, user).messages.empty());
        QCOMPARE(list.GetCount(), kGoals);
        const int saved = std::stoi(user);
        QVERIFY2(saved == last || saved == last + 1,
                 qPrintable(QStringLiteral("%1 after %2").arg(saved).arg(last)));
        for (int i = 0; i < kGoals; ++i)
            QVERIFY(list.GetAt(i).GetName() == user && list.GetAt(i).GetTotal() == Minutes(i));
        last = saved;
    }
}

QTEST_APPLESS_MAIN(TestGoalFile)
#include "TestGoalFile.moc"
