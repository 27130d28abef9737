#include "storage/GoalFile.h"
#include "support/Fixtures.h"
#include "support/TestClock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const kNoVersion = "Invalid ORDALUNE.CDF :  No version line found... ignoring rest of file";
const char* const kBadVersion = "Incompatible ORDALUNE.CDF : incorrect version ... ignoring rest of file";
const char* const kNoUser = "Invalid ORDALUNE.CDF:  No user line found ... ignoring rest of file";

// Runs `body` in a child process and returns its exit code (or 128 + signal).
template <typename Body> int InChild(Body body) {
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

class TestGoalFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { TestClock::Uninstall(); }

    void refusedFiles_data();
    void refusedFiles();
    void acceptedHeaders_data();
    void acceptedHeaders();
    void noFileAsksForName();
    void headerOnlyGivesPlaceholder();
    void goalLines();
    void savedFormat();
    void awkwardNamesRoundTrip_data();
    void awkwardNamesRoundTrip();
    void longTimesRoundTrip();
    void openAddsAfterListedGoals();
    void backupHoldsThePreviousSave();
    void backupThatCannotBeMadeDoesNotStopTheSave();
    void recoversFromBackup();
    void refusedFileIsNeverOverwritten();
    void emptyUserNameRoundTrips();
    void windowsBytesReadAsCp1252();
    void secondCopyNeverWrites();
    void fullDiskKeepsTheOldFile();
    void unwritableDirectoryKeepsTheOldFile();
    void crashDuringSaveLeavesACompleteFile();
    void survivesAnyBytes();

private:
    QString Path(const char* name) const { return m_dir->filePath(QString::fromLatin1(name)); }
    std::string Dir() const { return m_dir->path().toStdString(); }
    void Write(const QByteArray& text) { QVERIFY(WriteBytes(Path("Ordalune.cdf"), text)); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestGoalFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    TestClock::Install();
}

void TestGoalFile::refusedFiles_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty file") << QByteArray() << kNoVersion;
    QTest::newRow("no version line") << QByteArray("User : a\r\nGym,01:00,00:30\r\n") << kNoVersion;
    QTest::newRow("lower-case key") << QByteArray("file Version : 1\r\nUser : a\r\n") << kNoVersion;
    QTest::newRow("key too short") << QByteArray("File Version :\r\nUser : a\r\n") << kNoVersion;
    QTest::newRow("version 2") << QByteArray("File Version : 2\r\nUser : a\r\nGym,01:00,00:30\r\n")
                               << kBadVersion;
    QTest::newRow("version missing") << QByteArray("File Version : x\r\nUser : a\r\n") << kBadVersion;
    QTest::newRow("no user line") << QByteArray("File Version : 1\r\nGym,01:00,00:30\r\n") << kNoUser;
    QTest::newRow("user key without blank") << QByteArray("File Version : 1\r\nUser: a\r\n") << kNoUser;
}

// A refused file gives its message, lists only the placeholder and asks for a name.
void TestGoalFile::refusedFiles() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    Write(content);

    GoalFile file(Dir());
    GoalList list;
    std::string user = "old";
    const auto result = file.LoadGoals(list, user);
    QCOMPARE(result.messages.size(), std::size_t{1});
    const QString shown = QString::fromStdString(result.messages[0].text);
    QVERIFY2(shown.startsWith(message + "\n\n"), qPrintable(shown));
    QVERIFY(result.messages[0].caption.empty());
    QCOMPARE(result.messages[0].icon, UserMessage::Icon::Warning);
    QCOMPARE(list.GetCount(), 1);
    QVERIFY(GoalList::IsPlaceholder(list.GetAt(0)));
    QVERIFY(result.askUserName);
    QCOMPARE(user, std::string(GoalFile::kAskName));
}

void TestGoalFile::acceptedHeaders_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("user");
    QTest::newRow("plain") << QByteArray("File Version : 1\r\nUser : night shift\r\n") << "night shift";
    QTest::newRow("version then text") << QByteArray("File Version : 1 beta\r\nUser : a\r\n") << "a";
    QTest::newRow("blanks before number") << QByteArray("File Version :    1\r\nUser : a\r\n") << "a";
    QTest::newRow("two blanks after colon") << QByteArray("File Version : 1\r\nUser :  b\r\n") << " b";
    QTest::newRow("LF only") << QByteArray("File Version : 1\nUser : c\n") << "c";
    QTest::newRow("comma in name") << QByteArray("File Version : 1\r\nUser : x,,y\r\n") << "x,y";
}

void TestGoalFile::acceptedHeaders() {
    QFETCH(QByteArray, content);
    QFETCH(QString, user);
    Write(content);
    GoalFile file(Dir());
    GoalList list;
    std::string name;
    const auto result = file.LoadGoals(list, name);
    QVERIFY(result.messages.empty());
    QVERIFY(!result.askUserName);
    QCOMPARE(QString::fromStdString(name), user);
}

void TestGoalFile::noFileAsksForName() {
    GoalFile file(Dir());
    GoalList list;
    std::string user;
    const auto result = file.LoadGoals(list, user);
    QVERIFY(result.messages.empty());
    QVERIFY(result.askUserName);
    QCOMPARE(user, std::string("Please enter your name"));
    QCOMPARE(list.GetCount(), 1);
    QVERIFY(GoalList::IsPlaceholder(list.GetAt(0)));
    QCOMPARE(list.GetSelection(), 0);
}

void TestGoalFile::headerOnlyGivesPlaceholder() {
    Write("File Version : 1\r\nUser : Pat\r\n");
    GoalFile file(Dir());
    GoalList list;
    std::string user;
    const auto result = file.LoadGoals(list, user);
    QVERIFY(!result.askUserName);
    QCOMPARE(user, std::string("Pat"));
    QCOMPARE(list.GetCount(), 1);
    QVERIFY(GoalList::IsPlaceholder(list.GetAt(0)));
    QCOMPARE(list.GetTotalRemaining(), CTimeSpan());
}

void TestGoalFile::goalLines() {
    Write("File Version : 1\r\nUser : Pat\r\nOnly a name\r\n\r\nDecimal,1.5,0:45\r\nJunk,abc,x\r\n"
          "Extra,01:00,00:30,more,fields\r\nLast,2:00,1:00");
    GoalFile file(Dir());
    GoalList list;
    std::string user;
    (void)file.LoadGoals(list, user);
    QCOMPARE(list.GetCount(), 6);
    QCOMPARE(list.GetAt(0).GetName(), std::string("Only a name"));
    QVERIFY(list.GetAt(0).IsDone());
    QCOMPARE(list.GetAt(1).GetName(), std::string());
    QCOMPARE(list.GetAt(1).GetTotal(), CTimeSpan());
    QCOMPARE(list.GetAt(2).GetTotal(), Minutes(90));
    QCOMPARE(list.GetAt(2).GetRemaining(), Minutes(45));
    QCOMPARE(list.GetAt(3).GetTotal(), CTimeSpan());
    QCOMPARE(list.GetAt(4).GetRemaining(), Minutes(30));
    QCOMPARE(list.GetAt(5).GetRemaining(), Minutes(60));
    QCOMPARE(list.GetSelection(), 0);
}

void TestGoalFile::savedFormat() {
    GoalList list;
    list.Append(std::make_unique<Goal>("Write chapter, part two", Minutes(120), Minutes(75)));
    list.Append(std::make_unique<Goal>("Gym", Minutes(60), CTimeSpan()));
    list.Append(std::make_unique<Goal>("Seconds", Minutes(120), CTimeSpan(89 * 60 + 45)));
    GoalFile file(Dir());
    const auto result = file.SaveGoals(list, "night shift");
    QCOMPARE(result.status, GoalFile::SaveResult::Status::Saved);
    QVERIFY(result.messages.empty());
    QCOMPARE(ReadBytes(Path("Ordalune.cdf")), QByteArray("File Version : 1\r\nUser : night shift\r\n"
                                                         "Write chapter,, part two,02:00,01:15\r\n"
                                                         "Gym,01:00,00:00\r\nSeconds,02:00,01:29\r\n"));
    QVERIFY(!QFile::exists(Path("ordalune.bak")));
    QVERIFY(!QFile::exists(Path("Ordalune.cdf.new")));
}

void TestGoalFile::awkwardNamesRoundTrip_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("comma inside") << "a,b";
    QTest::newRow("leading comma") << ",a";
    QTest::newRow("trailing comma") << "a,";
    QTest::newRow("only commas") << ",,,";
    QTest::newRow("empty") << "";
    QTest::newRow("placeholder") << "No Goals";
    QTest::newRow("accents") << QStringLiteral("Café crème, déjà");
    QTest::newRow("long") << QString(3000, QLatin1Char('w')) + QStringLiteral(",end");
}

void TestGoalFile::awkwardNamesRoundTrip() {
    QFETCH(QString, name);
    const std::string userName = name.toStdString() + " (user)";
    GoalList list;
    list.Append(std::make_unique<Goal>(name.toStdString(), Minutes(90), Minutes(30)));
    list.Append(std::make_unique<Goal>("after", Minutes(10), Minutes(5)));
    {
        GoalFile file(Dir());
        QCOMPARE(file.SaveGoals(list, userName).status, GoalFile::SaveResult::Status::Saved);
    }
    GoalFile file(Dir());
    GoalList loaded;
    std::string user;
    (void)file.LoadGoals(loaded, user);
    QCOMPARE(user, userName);
    QCOMPARE(loaded.GetCount(), 2);
    QCOMPARE(QString::fromStdString(loaded.GetAt(0).GetName()), name);
    QCOMPARE(loaded.GetAt(0).GetTotal(), Minutes(90));
    QCOMPARE(loaded.GetAt(0).GetRemaining(), Minutes(30));
    QCOMPARE(loaded.GetAt(1).GetName(), std::string("after"));
}

// Days are kept; seconds below a minute are the only thing a save drops.
void TestGoalFile::longTimesRoundTrip() {
    GoalList list;
    list.Append(std::make_unique<Goal>("long", Minutes(100 * 60 + 7), CTimeSpan(26 * 3600 + 30 * 60 + 59)));
    GoalFile file(Dir());
    QCOMPARE(file.SaveGoals(list, "u").status, GoalFile::SaveResult::Status::Saved);
    QVERIFY(ReadBytes(Path("Ordalune.cdf")).contains("long,100:07,26:30\r\n"));
    GoalList loaded;
    std::string user;
    (void)file.LoadGoals(loaded, user);
    QCOMPARE(loaded.GetAt(0).GetTotal(), Minutes(100 * 60 + 7));
    QCOMPARE(loaded.GetAt(0).GetRemaining(), Minutes(26 * 60 + 30));
}

void TestGoalFile::openAddsAfterListedGoals() {
    Write("File Version : 1\r\nUser : Pat\r\nFromFile,01:00,00:30\r\n");
    GoalList list;
    list.Append(std::make_unique<Goal>("Listed", Minutes(5), Minutes(5)));
    GoalFile file(Dir());
    std::string user;
    (void)file.LoadGoals(list, user);
    QCOMPARE(list.GetCount(), 2);
    QCOMPARE(list.GetAt(0).GetName(), std::string("Listed"));
    QCOMPARE(list.GetAt(1).GetName(), std::string("FromFile"));
}

void TestGoalFile::backupHoldsThePreviousSave() {
    Write("File Version : 1\r\nUser : before\r\n");
    GoalFile file(Dir());
    GoalList list;
    list.Append(std::make_unique<Goal>("one", Minutes(1), Minutes(1)));
    QCOMPARE(file.SaveGoals(list, "first").status, GoalFile::SaveResult::Status::Saved);
    QCOMPARE(ReadBytes(Path("ordalune.bak")), QByteArray("File Version : 1\r\nUser : before\r\n"));
    const QByteArray first = ReadBytes(Path("Ordalune.cdf"));
    QCOMPARE(file.SaveGoals(list, "second").status, GoalFile::SaveResult::Status::Saved);
    QCOMPARE(ReadBytes(Path("ordalune.bak")), first);
    QVERIFY(ReadBytes(Path("Ordalune.cdf")).contains("User : second"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2); // no stray temporary files
}

void TestGoalFile::backupThatCannotBeMadeDoesNotStopTheSave() {
    Write("File Version : 1\r\nUser : Pat\r\n");
    QVERIFY(QDir(m_dir->path()).mkdir("ordalune.bak")); // in the way of every backup
    GoalFile file(Dir());
    GoalList list;
    list.Append(std::make_unique<Goal>("new", Minutes(1), Minutes(1)));
    const auto result = file.SaveGoals(list, "Pat");
    QCOMPARE(result.status, GoalFile::SaveResult::Status::Saved);
    QVERIFY(result.messages.empty());
    QVERIFY(ReadBytes(Path("Ordalune.cdf")).contains("new,00:01,00:01"));
    QVERIFY(QFileInfo(Path("ordalune.bak")).isDir());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"Ordalune.cdf"});
}

void TestGoalFile::recoversFromBackup() {
    QVERIFY(WriteBytes(Path("ordalune.bak"), "File Version : 1\r\nUser : Pat\r\nSaved,01:00,00:20\r\n"));
    GoalFile file(Dir());
    GoalList list;
    std::string user;
    const auto result = file.LoadGoals(list, user);
    QCOMPARE(result.messages.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(result.messages[0].text).contains("ordalune.bak"));
    QCOMPARE(user, std::string("Pat"));
    QCOMPARE(list.GetAt(0).GetName(), std::string("Saved"));
    // The next save writes the goal file and leaves the backup in place.
    QCOMPARE(file.SaveGoals(list, user).status, GoalFile::SaveResult::Status::Saved);
    QVERIFY(ReadBytes(Path("Ordalune.cdf")).contains("Saved,01:00,00:20"));
    QVERIFY(ReadBytes(Path("ordalune.bak")).contains("Saved,01:00,00:20"));
}

void TestGoalFile::refusedFileIsNeverOverwritten() {
    const QByteArray future = "File Version : 2\r\nUser : Pat\r\nPrecious,09:00,08:00\r\n";
    QVERIFY(WriteBytes(Path("Ordalune.cdf.refused"), "an older refused file"));
    Write(future);
    GoalFile file(Dir());
    GoalList list;
    std::string user;
    const auto result = file.LoadGoals(list, user);
    QVERIFY(QString::fromStdString(result.messages.at(0).text).endsWith("Ordalune.cdf.refused.1."));
    for (int save = 0; save < 3; ++save)
        QCOMPARE(file.SaveGoals(list, user).status, GoalFile::SaveResult::Status::Saved);
    QCOMPARE(ReadBytes(Path("Ordalune.cdf.refused.1")), future);
    QCOMPARE(ReadBytes(Path("Ordalune.cdf.refused")), QByteArray("an older refused file"));
}

void TestGoalFile::emptyUserNameRoundTrips() {
    for (const std::string name : {"", "   "}) {
        GoalList list;
        list.Append(std::make_unique<Goal>("kept", Minutes(10), Minutes(10)));
        GoalFile file(Dir());
        QCOMPARE(file.SaveGoals(list, name).status, GoalFile::SaveResult::Status::Saved);
        GoalList loaded;
        std::string user = "x";
        const auto result = file.LoadGoals(loaded, user);
        QVERIFY(result.messages.empty());
        QVERIFY(result.askUserName);
        QCOMPARE(user, std::string(GoalFile::kAskName));
        QCOMPARE(loaded.GetAt(0).GetName(), std::string("kept"));
    }
}

void TestGoalFile::windowsBytesReadAsCp1252() {
    Write("File Version : 1\r\nUser : Ren\xe9\r\nCaf\xe9 \x80 \x96,01:00,00:30\r\nplain,01:00,00:30\r\n");
    GoalFile file(Dir());
    GoalList list;
    std::string user;
    (void)file.LoadGoals(list, user);
    QCOMPARE(QString::fromStdString(user), QStringLiteral("René"));
    QCOMPARE(QString::fromStdString(list.GetAt(0).GetName()), QStringLiteral("Café € –"));
    QCOMPARE(list.GetAt(1).GetName(), std::string("plain"));
}

void TestGoalFile::secondCopyNeverWrites() {
    const QByteArray original = "File Version : 1\r\nUser : Pat\r\nMine,01:00,00:30\r\n";
    Write(original);
    GoalFile first(Dir());
    GoalList firstList;
    std::string user;
    QVERIFY(first.LoadGoals(firstList, user).messages.empty());

    GoalFile second(Dir());
    GoalList secondList;
    const auto result = second.LoadGoals(secondList, user);
    QCOMPARE(result.messages.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(result.messages[0].text).contains("Another running copy"));
    QCOMPARE(secondList.GetAt(0).GetName(), std::string("Mine")); // shown all the same
    QVERIFY(!second.OwnsGoals());
    secondList.Append(std::make_unique<Goal>("Theirs", Minutes(1), Minutes(1)));
    QCOMPARE(second.SaveGoals(secondList, "other").status, GoalFile::SaveResult::Status::NotOwner);
    QCOMPARE(ReadBytes(Path("Ordalune.cdf")), original);
    QVERIFY(!QFile::exists(Path("ordalune.bak")));

    // A copy killed outright leaves no lock behind.
    const int code = InChild([&] {
        GoalFile child(Dir());
        GoalList childList;
        std::string name;
        (void)child.LoadGoals(childList, name);
        raise(SIGKILL);
        return 0;
    });
    QCOMPARE(code, 128 + SIGKILL);
    QCOMPARE(first.SaveGoals(firstList, "Pat").status, GoalFile::SaveResult::Status::Saved);
}

void TestGoalFile::fullDiskKeepsTheOldFile() {
    const QByteArray original = "File Version : 1\r\nUser : Pat\r\nSmall,01:00,00:30\r\n";
    Write(original);
    QVERIFY(WriteBytes(Path("ordalune.bak"), "old backup"));
    GoalFile file(Dir());
    GoalList list;
    for (int i = 0; i < 200; ++i)
        list.Append(std::make_unique<Goal>("A goal with a long enough name " + std::to_string(i), Minutes(60),
                                           Minutes(30)));
    // A file-size limit makes writes past 1 KiB fail as a full disk does.
    const int code = InChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        const auto result = file.SaveGoals(list, "Pat");
        const bool told =
            result.messages.size() == 1 &&
            result.messages[0].text == "Your goals could not be saved.  Use backup ORDALUNE.BAK" &&
            result.messages[0].caption == "File Error";
        return result.status == GoalFile::SaveResult::Status::Failed && told ? 0 : 1;
    });
    QCOMPARE(code, 0);
    QCOMPARE(ReadBytes(Path("Ordalune.cdf")), original);
    QCOMPARE(ReadBytes(Path("ordalune.bak")), QByteArray("old backup"));
    QVERIFY(!QFile::exists(Path("Ordalune.cdf.new")));
}

void TestGoalFile::unwritableDirectoryKeepsTheOldFile() {
    const QByteArray original = "File Version : 1\r\nUser : Pat\r\nKept,01:00,00:30\r\n";
    Write(original);
    QVERIFY(chmod(m_dir->path().toLocal8Bit().constData(), 0555) == 0);
    // Root writes anywhere, so the save runs as an ordinary user when the tests run as root.
    const int code = InChild([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            return 2;
        GoalFile file(Dir());
        GoalList list;
        list.Append(std::make_unique<Goal>("New", Minutes(1), Minutes(1)));
        const auto result = file.SaveGoals(list, "Pat");
        return result.status == GoalFile::SaveResult::Status::Failed && result.messages.size() == 1 ? 0 : 1;
    });
    chmod(m_dir->path().toLocal8Bit().constData(), 0755);
    QCOMPARE(code, 0);
    QCOMPARE(ReadBytes(Path("Ordalune.cdf")), original);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 1);
}

// A child saves in a loop, reporting each finished save; it is killed at random moments. Every
// time, the goal file must load whole, holding the last reported save or the one after it.
void TestGoalFile::crashDuringSaveLeavesACompleteFile() {
    constexpr int kGoals = 300;
    auto* random = QRandomGenerator::global();
    const auto contentOf = [](int n) {
        GoalList list;
        for (int i = 0; i < kGoals; ++i)
            list.Append(std::make_unique<Goal>(std::to_string(n), Minutes(i), Minutes(i)));
        return list;
    };
    int last = 0;
    {
        GoalFile file(Dir());
        QCOMPARE(file.SaveGoals(contentOf(0), "0").status, GoalFile::SaveResult::Status::Saved);
    }
    for (int round = 0; round < 250; ++round) {
        int fds[2];
        QVERIFY(pipe(fds) == 0);
        const pid_t pid = fork();
        if (pid == 0) {
            close(fds[0]);
            GoalFile file(Dir());
            for (int n = last + 1;; ++n) {
                if (file.SaveGoals(contentOf(n), std::to_string(n)).status !=
                    GoalFile::SaveResult::Status::Saved)
                    _exit(3);
                if (write(fds[1], &n, sizeof n) != sizeof n)
                    _exit(4);
            }
        }
        close(fds[1]);
        usleep(static_cast<useconds_t>(random->bounded(2000, 25000)));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        QVERIFY(WIFSIGNALED(status));
        int n = 0;
        while (read(fds[0], &n, sizeof n) == sizeof n)
            last = n;
        close(fds[0]);

        GoalFile file(Dir());
        GoalList list;
        std::string user;
        const auto result = file.LoadGoals(list, user);
        QVERIFY(result.messages.empty());
        QCOMPARE(list.GetCount(), kGoals);
        const int saved = std::stoi(user);
        QVERIFY2(saved == last || saved == last + 1,
                 qPrintable(QStringLiteral("%1 after %2").arg(saved).arg(last)));
        for (int i = 0; i < kGoals; ++i) {
            QCOMPARE(list.GetAt(i).GetName(), user);
            QCOMPARE(list.GetAt(i).GetTotal(), Minutes(i));
        }
        last = saved;
    }
}

// Whatever a file holds, loading it never crashes or reads out of bounds (the sanitizers watch),
// and what it loads saves and loads back the same.
void TestGoalFile::survivesAnyBytes() {
    auto* random = QRandomGenerator::global();
    const QByteArray pieces[] = {"File Version : 1\r\n",
                                 "User : ",
                                 ",",
                                 ",,",
                                 "\r\n",
                                 "\n",
                                 "\r",
                                 ":",
                                 ".",
                                 "99999999999",
                                 "-",
                                 " ",
                                 "\xe9",
                                 "\xc3",
                                 "\x80",
                                 QByteArray(1, '\0')};
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = round % 2 ? QByteArray("File Version : 1\r\nUser : x\r\n") : QByteArray();
        const int count = static_cast<int>(random->bounded(60));
        for (int i = 0; i < count; ++i)
            bytes += pieces[random->bounded(static_cast<quint32>(std::size(pieces)))];
        Write(bytes);
        GoalList list;
        std::string user;
        {
            GoalFile file(Dir());
            (void)file.LoadGoals(list, user);
            QVERIFY(list.GetCount() >= 1);
            if (list.GetCount() > 1 || !GoalList::IsPlaceholder(list.GetAt(0)))
                QCOMPARE(file.SaveGoals(list, user).status, GoalFile::SaveResult::Status::Saved);
        }
        GoalFile again(Dir());
        GoalList reloaded;
        std::string sameUser;
        (void)again.LoadGoals(reloaded, sameUser);
        if (list.GetCount() > 1) {
            QCOMPARE(reloaded.GetCount(), list.GetCount());
            QCOMPARE(sameUser, user);
            for (int i = 0; i < list.GetCount(); ++i) {
                QCOMPARE(reloaded.GetAt(i).GetName(), list.GetAt(i).GetName());
                // Only the seconds below a whole minute may go (huge times saturate off the minute).
                const auto wholeMinutes = [](CTimeSpan span) {
                    return CTimeSpan(span.GetTotalSeconds() / 60 * 60);
                };
                QCOMPARE(reloaded.GetAt(i).GetTotal(), wholeMinutes(list.GetAt(i).GetTotal()));
                QCOMPARE(reloaded.GetAt(i).GetRemaining(), wholeMinutes(list.GetAt(i).GetRemaining()));
            }
        }
        QDir(m_dir->path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_dir->path()));
    }
}

QTEST_APPLESS_MAIN(TestGoalFile)
#include "TestGoalFile.moc"
