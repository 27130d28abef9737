// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FontConfigWarmup.h"
#include "app/GoalApp.h"
#include "desktop/AlertSound.h"
#include "desktop/SingleInstance.h"
#include "desktop/TrayIcon.h"
#include "storage/Journal.h"
#include "support/Fixtures.h"
#include "support/ModalDriver.h"
#include "support/PrivateBus.h"
#include "ui/CMainFrame.h"
#include "ui/HelpWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstddef>
#include <cstring>
#include <grp.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs the built program as a user would start it, in a folder of its own and on a display name
// of its own, so no other copy on this machine is disturbed.
class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        FontConfigWarmup::Wait(); // read beside Qt's start, and it reads the environment this changes
        qputenv("DISPLAY",
                QByteArray(":ordalune-test-") + QByteArray::number(QCoreApplication::applicationPid()));
        qunsetenv("WAYLAND_DISPLAY");
        // Every copy, this one too, talks to a bus of the test's own: none is started on the way.
        m_busAddress = m_bus.Start();
        QVERIFY(!m_busAddress.isEmpty());
        for (const char* name : {"DBUS_SESSION_BUS_ADDRESS", "DBUS_SYSTEM_BUS_ADDRESS"})
            qputenv(name, m_busAddress.toUtf8());
    }
    void init() {
        m_environment = QProcessEnvironment::systemEnvironment(); // as each test changes it
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(WriteBytes(m_dir->filePath("Ordalune.cdf"),
                           "File Version : 1\r\nUser : Pat\r\nEssay,02:00,01:30\r\n"));
    }
    void cleanup() {
        for (auto& process : m_processes)
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        m_processes.clear();
    }
    void handOverReachesTheRunningCopy() {
        QString allowed;
        for (const char* option : {"", "-m", "-Multi", "-x", "m", "-"})
            allowed += SingleInstance::AllowsAnotherCopy({"o", option}) ? '1' : '0';
        QCOMPARE(allowed, "011000");
        // Another user who holds the name that once marked a running copy takes nothing over.
        sockaddr_un address{AF_UNIX, {}};
        const QByteArray name = SingleInstance::ServerName().toUtf8(); // the display's name made safe
        QCOMPARE(name, "ordalune-" + QByteArray::number(geteuid()) + "-_ordalune-test-" +
                           QByteArray::number(QCoreApplication::applicationPid()));
        std::memcpy(address.sun_path + 1, name.constData(), static_cast<std::size_t>(name.size()));
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
        const pid_t squatter = fork();
        if (squatter == 0) {
            const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
            if ((geteuid() == 0 &&
                 (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) ||
                bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(fd, 8) != 0)
                _exit(1);
            pause();
        }
        QTRY_VERIFY(ReadBytes("/proc/net/unix").contains('@' + SingleInstance::ServerName().toUtf8() + '\n'));
        QVERIFY(!SingleInstance::HandOver(200)); // nobody of ours there yet
        SingleInstance running;
        QVERIFY(running.Publish());
        kill(squatter, SIGKILL);
        waitpid(squatter, nullptr, 0);
        QSignalSpy shown(&running, &SingleInstance::showRequested);
        bool handedOver = false;
        QTimer::singleShot(0, [&] { handedOver = SingleInstance::HandOver(); });
        QTRY_COMPARE(shown.count(), 1);
        QVERIFY(handedOver);
    }
    // A second start hands over and ends without touching the goals; with -m it runs on, and as the
    // second copy in the folder it offers no controls and writes nothing on the way out. The
    // command line reaches the first copy without a display.
    void secondStartHandsOverAndEnds() {
        QProcess* first = Start();
        QTRY_VERIFY_WITH_TIMEOUT(Listening(), 20000);
        // The audio libraries wait for the first alert, in a module of their own; no image format
        // is looked for.
        const QByteArray maps = ReadBytes(QStringLiteral("/proc/%1/maps").arg(first->processId()));
        QVERIFY(maps.contains("libQt6Widgets") && !maps.contains("libQt6Multimedia"));
        QVERIFY(!maps.contains("libQt6Network") && !maps.contains("imageformats") && !AlertSound::IsLoaded());
        AlertSound::Play(); // loads the module from beside the program, as the program does
        QVERIFY(AlertSound::IsLoaded());
        QProcess* second = Start();
        QVERIFY(second->waitForFinished(15000) && second->exitCode() == 0);
        QCOMPARE(first->state(), QProcess::Running);
        QProcess* third = Start({QStringLiteral("-m")});
        QVERIFY(!third->waitForFinished(2500));
        // A clock counts real seconds, so what the commands print is checked against the time
        // that has passed since it started, never against what a quick machine shows.
        QElapsedTimer sinceStart;
        sinceStart.start();
        const QString started = Run({"--start", "Essay"});
        QVERIFY2(Left(started, sinceStart, 5400) && started.contains(" left, done at "), qPrintable(started));
        const QString status = Run({"--status"});
        QVERIFY2(Left(status, sinceStart, 5400) && status.count('\n') == 1, qPrintable(status));
        QVERIFY(Run({"--status", "--json"}).contains(",\"running\":true,\"finish\":\"20"));
        const QString toggled = Run({"--toggle", "Essay"});
        QCOMPARE(toggled, "0 Essay  " + Short(RemainingOf("Essay")) + " left, stopped\n");
        QVERIFY(Left(toggled, sinceStart, 5400));
        QCOMPARE(Run({"--add", "--total", "0:45", "--", "-m Gym"}), "0 -m Gym  0:45 left, stopped\n");
        QCOMPARE(Run({"--start", "Gym"}), "2 ordalune: There is no goal named \"Gym\".\n");
        const QString stopped = Run({"--stop", "--", "-m Gym"});
        QCOMPARE(stopped, "0 -m Gym  " + Short(RemainingOf("-m Gym")) + " left, stopped\n");
        QVERIFY(Left(stopped, sinceStart, 2700));
        QCOMPARE(Run({"--start", "Essay"}).left(8), "0 Essay ");
        QCOMPARE(Run({"--stop-all"}), "0 Every clock is stopped.\n");
        QCOMPARE(Run({"--status"}), "1 ");
        QCOMPARE(Run({"--stop", "Essay", "--stop-all"}),
                 "2 ordalune: --stop and --stop-all do not go together.\n");
        QCOMPARE(Run({"--status", "--to", "1"}), "2 ordalune: --from and --to go with --export-history.\n");
        // Ended by a signal, the first copy saves once on the way out, the added goal with it. The
        // -m copy never answers for the goals, and writes nothing as it ends.
        const int essay = RemainingOf("Essay"), gym = RemainingOf("-m Gym");
        QVERIFY(essay >= 5400 - sinceStart.elapsed() / 1000 - 1 &&
                gym >= 2700 - sinceStart.elapsed() / 1000 - 1);
        ::kill(static_cast<pid_t>(first->processId()), SIGTERM);
        QVERIFY(first->waitForFinished(15000) && first->exitStatus() == QProcess::NormalExit &&
                !first->exitCode());
        QVERIFY(!first->readAllStandardError().contains("bus name")); // had its name
        const QByteArray saved = Goals();
        QCOMPARE(saved.mid(saved.indexOf("Essay")),
                 "Essay,02:00," + Stored(essay) + "\r\n-m Gym,00:45," + Stored(gym) + "\r\n");
        QCOMPARE(Run({"--stop-all"}),
                 "2 ordalune: No running copy of Ordalune owns the goal file in this folder.\n");
        third->terminate();
        QVERIFY(third->waitForFinished(15000) && third->exitStatus() == QProcess::NormalExit &&
                !third->exitCode());
        QCOMPARE(Goals(), saved);
        // The backup is the file the last save replaced: the first, or a minute's save on a slow day.
        const QByteArray backup = ReadBytes(m_dir->filePath("ordalune.bak"));
        QVERIFY2(backup.startsWith("File Version : 1\r\nUser : Pat\r\nEssay,02:00,"), backup.constData());
        // With no copy running the status reads the goal file, and only reads it.
        const QStringList files = QDir(m_dir->path()).entryList();
        QCOMPARE(Run({"--status"}), "1 ");
        QCOMPARE(Run({"--status", "--json"}),
                 QStringLiteral(
                     "1 [{\"name\":\"Essay\",\"total\":7200,\"remaining\":%1,\"running\":false,"
                     "\"finish\":null,\"done\":false},{\"name\":\"-m Gym\",\"total\":2700,\"remaining\":%2,"
                     "\"running\":false,\"finish\":null,\"done\":false}]\n")
                     .arg(QString::number(essay / 60 * 60), QString::number(gym / 60 * 60)));
        QCOMPARE(QDir(m_dir->path()).entryList(), files);
        // The conventions of a command: its version, its name, and no goal file is no "no clock".
        QCOMPARE(Run({"--version"}), "0 ordalune 1.1\n");
        QVERIFY(Run({"--help"}).startsWith("0 Usage: ordalune [options]"));
        QVERIFY(!Run({"--help"}).contains("--help-all"));
        for (const char* another : {"-m", "-Multi"})
            QCOMPARE(Run({another, "--status"}), "2 ordalune: -m opens another window, and does not go with "
                                                 "the options that begin with --.\n");
        QVERIFY(QFile::remove(m_dir->filePath("Ordalune.cdf")));
        QCOMPARE(Run({"--status"}), "2 ordalune: There is no goal file (Ordalune.cdf) in this folder.\n");
    }
    // Started in German or French, the program answers in it with times of day in 24-hour form,
    // and tells a refused goal file in it; what programs read stays as it is.
    void inTheUsersLanguage() {
        for (const QString language : {"de_DE.UTF-8", "fr_FR.UTF-8"}) {
            for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
                m_environment.remove(QString::fromLatin1(name));
            m_environment.insert(QStringLiteral("LANG"), language);
            QProcess* window = Start();
            QTRY_VERIFY_WITH_TIMEOUT(Listening(), 20000);
            const QString started = Run({"--start", "Essay"});
            const bool german = language.startsWith("de");
            QVERIFY2(QRegularExpression(german ? "^0 Essay  noch 1:[23]\\d, fertig um \\d\\d:\\d\\d\n$"
                                               : "^0 Essay  reste 1:[23]\\d, fini à \\d\\d:\\d\\d\n$")
                             .match(started)
                             .hasMatch() &&
                         Run({"--status", "--json"}).contains("\"running\":true,\"finish\":\"20"),
                     qPrintable(started));
            window->terminate();
            QVERIFY(window->waitForFinished(15000));
            const QByteArray goals = Goals();
            QVERIFY(WriteBytes(m_dir->filePath("Ordalune.cdf"), "Essay,02:00,01:30\r\n"));
            QFile::remove(m_dir->filePath(Journal::kFileName)); // where the window made it
            QCOMPARE(
                Run({"--status"}).left(40) + "|" + Run({"--export-history", "csv"}).left(40),
                german ? "2 ordalune: Ungültige ORDALUNE.CDF: Kein|2 ordalune: Hier gibt es keinen Verlauf "
                       : "2 ordalune: ORDALUNE.CDF non valide : au|2 ordalune: Pas d'historique du temps pa");
            QVERIFY(WriteBytes(m_dir->filePath("Ordalune.cdf"), goals));
        }
    }
    // A save that fails as a signal ends the program names the file and the reason on standard
    // error, and the program ends with status 1.
    void failedSaveOnASignal() {
        QVERIFY(QDir(m_dir->path()).mkdir("Ordalune.cdf.new")); // in the way of every save
        QProcess* copy = Start();
        QTRY_VERIFY_WITH_TIMEOUT(Listening(), 20000);
        copy->terminate();
        QVERIFY(copy->waitForFinished(15000) && copy->exitStatus() == QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 1);
        QVERIFY(copy->readAllStandardError().contains("ordalune: The goals could not be saved to " +
                                                      m_dir->filePath("Ordalune.cdf").toUtf8() +
                                                      ": File exists.\n"));
    }
    // A system bus that takes the connection and never answers holds nothing up: the copy comes
    // up, listens for later starts, and ends on a signal as ever.
    void silentBus() {
        const QByteArray path = m_dir->filePath("silent-bus").toLocal8Bit();
        sockaddr_un address{AF_UNIX, {}};
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        const int silent = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        QVERIFY(bind(silent, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                listen(silent, 64) == 0);
        m_environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
                             "unix:path=" + QString::fromLocal8Bit(path));
        QProcess* copy = Start();
        QTRY_VERIFY_WITH_TIMEOUT(Listening(), 10000);
        copy->terminate();
        QVERIFY(copy->waitForFinished(5000) && copy->exitStatus() == QProcess::NormalExit &&
                copy->exitCode() == 0);
        // A silent session bus is a missing one: the status is read from the goal file; a command
        // says the bus does not answer.
        m_environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                             "unix:path=" + QString::fromLocal8Bit(path));
        const QString goals = m_dir->filePath("Ordalune.cdf"); // and a goal with no time left is done
        QVERIFY(WriteBytes(goals, ReadBytes(goals) + "Done,01:00,00:00\r\n"));
        const QString status = Run({"--status", "--json"});
        QVERIFY(status.startsWith("1 [{\"name\":\"Essay\",") && status.contains("\"done\":false}") &&
                status.endsWith("{\"name\":\"Done\",\"total\":3600,\"remaining\":0,\"running\":false,"
                                "\"finish\":null,\"done\":true}]\n"));
        QCOMPARE(Run({"--start", "Essay"}), "2 ordalune: The session bus does not answer.\n");
        close(silent);
    }
    // Last, for it leaves this process's own copy running: ended by a signal while a message of
    // the goal file's is open at start, that copy finishes starting, then closes its window and
    // saves. Its desktop file name ties its windows to the desktop entry. Its History window then
    // brings the chart library in.
    void terminationDuringStartUp() {
        auto* app = qobject_cast<GoalApp*>(QCoreApplication::instance());
        QCOMPARE(QGuiApplication::desktopFileName(), "org.ordalune.Tracker");
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_DontUseNativeMenuBar)); // no global menu asked for
        QVERIFY(QFile::rename(m_dir->filePath("Ordalune.cdf"), m_dir->filePath("ordalune.bak")));
        const auto watch = WhenModal([&](QWidget* box) {
            QVERIFY(::raise(SIGTERM) == 0);
            QTRY_VERIFY(!box->isVisible());
            QCoreApplication::processEvents(); // the close it asked for comes before start-up is done
        });
        QVERIFY(app->InitInstance(m_dir->path().toStdString()));
        QTRY_VERIFY(!app->MainFrame()->isVisible());
        QVERIFY(Goals().contains("Essay,02:00,01:30") && !GoalApp::windowIcon().isNull()); // and its icon
        QTRY_VERIFY(app->Tray() != nullptr); // the tray shows a clock as it starts
        app->MainFrame()->Action("goalStart")->trigger();
        QSystemTrayIcon* panel =
            app->Tray()->Panel(); // its menu stops the clock; a click brings the window up
        QVERIFY(panel->toolTip().contains("Essay: 1:30 left"));
        panel->contextMenu()->actions().constFirst()->trigger();
        QVERIFY(panel->toolTip().endsWith("No clock is running"));
        emit panel->activated(QSystemTrayIcon::Trigger);
        QTRY_VERIFY(app->MainFrame()->isVisible());
        // The charts and the libraries behind them load with the History window, not before.
        const auto loaded = [] { return ReadBytes("/proc/self/maps"); };
        QVERIFY(!loaded().contains("libQt6Charts") && !loaded().contains("libQt6OpenGL"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); // weeks start on Sunday
        app->MainFrame()->Action("goalHistory")->trigger();
        auto* history = app->MainFrame()->findChild<QWidget*>("HistoryWindow");
        QTRY_VERIFY(history != nullptr && history->isActiveWindow());
        QVERIFY(loaded().contains("libQt6Charts"));
        const auto* days = history->findChild<QTableWidget*>(QStringLiteral("days"));
        QTRY_VERIFY(days != nullptr && days->columnCount() > 0); // filled once the journal answers
        QVERIFY(days->horizontalHeaderItem(0)->text().startsWith(
            QLocale().dayName(Qt::Sunday, QLocale::ShortFormat)));
        QTest::keyClick(history, Qt::Key_F1); // its help, from the program's help page
        QTRY_VERIFY(app->MainFrame()->findChild<HelpWindow*>() != nullptr &&
                    app->MainFrame()->findChild<HelpWindow*>()->isVisible());
    }

    // The history is exported without a window or a display, read only: a run still open stays
    // open; a bad date, no journal or no SQLite ends with status 2 and a reason.
    void exportHistory() {
        m_environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC0"));
        qputenv("TZ", "UTC0"), tzset();
        QCOMPARE(Run({"--export-history", "csv"}).left(33), "2 ordalune: No history of time sp");
        {
            Journal journal(m_dir->path().toStdString());
            QVERIFY(journal.Open(0).opened);
            const std::int64_t day = CTime(2026, 12, 7, 10, 0, 0).GetTime();
            const std::vector<std::int64_t> goals = journal.MatchGoals({"Essay", "Gym"});
            QVERIFY(journal.Update(journal.Begin(goals[0], day - 86400), day - 86400 + 60, 60,
                                   Interval::End::Stopped));
            QVERIFY(journal.Update(journal.Begin(goals[1], day), day + 120, 120, Interval::End::Running));
        }
        QCOMPARE(
            Run({"--export-history", "csv", "--from", "2026-12-07", "--to", "2026-12-07"}),
            "0 goal,start,end,seconds,ended_by\r\nGym,2026-12-07T10:00:00+00:00,2026-12-07T10:02:00+00:00,"
            "120,running\r\n");
        const QString json = Run({"--export-history", "json", "--to", "2026-12-06"});
        QVERIFY2(json.count("\"goal\"") == 1 && json.endsWith("}\n]\n"), qPrintable(json));
        QCOMPARE(Run({"--export-history", "csv", "--from", "2026-02-30"}),
                 "2 ordalune: --from takes a date as YYYY-MM-DD.\n");
        QCOMPARE(Run({"--export-history", "CSV", "--from", "2026-12-07", "--to", "2026-12-07"}).count('\n'),
                 2);
        QCOMPARE(Run({"--export-history", "csv", "--from", "2026-12-09", "--to", "2026-12-08"}),
                 "2 ordalune: --to 2026-12-08 is before --from 2026-12-09.\n"); // the day before
        // Nothing written is never taken for success: a full disk, for the export and the status.
        for (const QStringList& arguments : {QStringList{"--export-history", "json"}, {"--status", "--json"}})
            QCOMPARE(Run(arguments, "/dev/full"),
                     "2 ordalune: The output could not be written: No space left on device.\n");
        // A reader that stops early ends the export quietly.
        {
            Journal journal(m_dir->path().toStdString());
            QVERIFY(journal.Open(0).opened);
            const std::int64_t goal = journal.MatchGoals({"Essay"}).front();
            QVERIFY(journal.Together(
                [&] {
                    for (int i = 0; i < 3000; ++i)
                        journal.Update(journal.Begin(goal, 1'700'000'000 + i * 100), 1'700'000'060 + i * 100,
                                       60, Interval::End::Stopped);
                    return true;
                },
                "runs"));
        }
        QProcess* reader = Start({"--export-history", "csv"});
        QVERIFY(reader->waitForReadyRead(15000));
        reader->closeReadChannel(QProcess::StandardOutput);
        QVERIFY(reader->waitForFinished(15000) && reader->readAllStandardError().isEmpty());
        // SQLite is loaded only for the journal: a broken one is named, and the program still runs.
        QVERIFY(QFile(m_dir->filePath("libsqlite3.so.0")).open(QIODevice::WriteOnly));
        m_environment.insert(QStringLiteral("LD_LIBRARY_PATH"), m_dir->path());
        QCOMPARE(Run({"--export-history", "csv"}).left(40), "2 ordalune: SQLite could not be loaded: ");
    }

private:
    QProcess* Start(const QStringList& arguments = {}, const QString& output = {}) {
        m_processes.push_back(std::make_unique<QProcess>());
        QProcess* process = m_processes.back().get();
        process->setProcessEnvironment(m_environment);
        if (!output.isEmpty())
            process->setStandardOutputFile(output);
        process->setWorkingDirectory(m_dir->path());
        process->start(QStringLiteral(ORDALUNE_BINARY), arguments);
        process->waitForStarted();
        return process;
    }
    // Runs a command to its end, with no display: "status output errors".
    QString Run(const QStringList& arguments, const QString& output = {}) {
        QProcessEnvironment environment = m_environment;
        m_environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        m_environment.remove(QStringLiteral("DISPLAY"));
        QProcess* process = Start(arguments, output);
        m_environment = environment;
        process->waitForFinished(15000);
        return QString::number(process->exitCode()) + " " + process->readAllStandardOutput() +
               process->readAllStandardError();
    }
    // The seconds a goal has left, as `--status --json` tells them.
    int RemainingOf(const QString& name) {
        const QString reply = Run({"--status", "--json"});
        for (const QJsonValue goal : QJsonDocument::fromJson(reply.mid(2).toUtf8()).array())
            if (goal["name"] == name)
                return goal["remaining"].toInt();
        return -1;
    }
    // A "NAME  H:MM left, …" line shows at most `from` seconds and no fewer than `from` less the
    // seconds that can have passed since `since` started.
    static bool Left(const QString& line, const QElapsedTimer& since, int from) {
        static const QRegularExpression shown(QStringLiteral("^0 .+  (\\d+):(\\d\\d) left, "));
        const QRegularExpressionMatch match = shown.match(line);
        const int seconds = (match.captured(1).toInt() * 60 + match.captured(2).toInt()) * 60;
        return match.hasMatch() && seconds <= from && seconds + 59 >= from - since.elapsed() / 1000 - 1;
    }
    static QString Short(int seconds) { return QString::fromStdString(CTimeSpan(seconds).FormatShort()); }
    static QByteArray Stored(int seconds) {
        return QByteArray::fromStdString(CTimeSpan(seconds).Format("%H:%M"));
    }
    // The running copy publishes its marker once its window is up.
    static bool Listening() {
        return ReadBytes(QStringLiteral("/proc/net/unix"))
            .contains(SingleInstance::Address().toUtf8() + '\n');
    }
    QByteArray Goals() const { return ReadBytes(m_dir->filePath("Ordalune.cdf")); }

    PrivateBus m_bus;
    QString m_busAddress;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    QProcessEnvironment m_environment;
};

int main(int argc, char** argv) {
    GoalApp app(argc, argv); // the application object as the program makes it
    TestProgram test;
    return QTest::qExec(&test, argc, argv);
}
#include "TestProgram.moc"
