#include "clock/TickGoals.h"
#include "support/Fixtures.h"
#include "support/ModalDriver.h"
#include "support/TestClock.h"
#include "ui/AwayMonitor.h"
#include "ui/CGoalView.h"
#include "ui/CMainFrame.h"
#include "ui/Notifier.h"
#include "ui/PowerMonitor.h"
#include "ui/WindowHost.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kSessionPath = QStringLiteral("/org/freedesktop/login1/session/_3");

// Stands in for logind's session object: whether the screen was locked when the program started.
class FakeSession final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Session")
    Q_PROPERTY(bool LockedHint READ LockedHint)

public:
    [[nodiscard]] bool LockedHint() const { return true; }
};

// Stands in for logind's manager: hands out sleep inhibitors as pipes, whose read ends show
// when every copy of the inhibitor has been let go.
class FakeLogind final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    ~FakeLogind() override {
        for (const int fd : readEnds)
            close(fd);
    }
    QStringList calls;
    std::vector<int> readEnds;

public slots:
    QDBusObjectPath GetSessionByPID(uint) { return QDBusObjectPath(kSessionPath); }
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why,
                                    const QString& mode) {
        calls << QStringList{what, who, why, mode}.join(QLatin1Char('|'));
        int fds[2];
        if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
            return {};
        readEnds.push_back(fds[0]);
        QDBusUnixFileDescriptor handed(fds[1]); // a copy goes out; ours is closed
        close(fds[1]);
        return handed;
    }
};

// Stands in for the desktop's notification service: records what it is asked and can answer
// with one of a notification's buttons.
class FakeNotifications final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList calls;
    QString answer; // the button chosen as soon as a notification shows

public slots:
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout) {
        calls << QStringList{app,
                             QString::number(replaces),
                             icon,
                             summary,
                             body,
                             actions.join(','),
                             QString::number(hints.value("urgency").toInt()) +
                                 hints.value("urgency").metaType().name() + " " +
                                 hints.value("category").toString(),
                             QString::number(timeout)}
                     .join('|');
        if (!answer.isEmpty())
            QTimer::singleShot(20, this, [this, key = answer] { Invoke(key); });
        return LastId();
    }
    // The user chooses `key` on the newest notification.
    void Invoke(const QString& key) {
        QDBusMessage invoked = QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                                          "org.freedesktop.Notifications", "ActionInvoked");
        invoked << LastId() << key;
        QDBusConnection(QStringLiteral("service")).send(invoked);
    }
    [[nodiscard]] uint LastId() const { return 40 + static_cast<uint>(calls.size()); }
    void CloseNotification(uint id) { calls << QStringLiteral("close %1").arg(id); }
};

bool Released(int readEnd) {
    char byte = 0;
    return read(readEnd, &byte, 1) == 0; // end of file: no holder is left
}

} // namespace

// Runs a private message bus with stand-ins for logind and the notification service on it.
class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit()); // the choices at their defaults
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            QSKIP("no dbus-daemon here");
        m_daemon.start(daemon, {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        QVERIFY(m_daemon.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(m_daemon.canReadLine(), 10000);
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        QDBusConnection logind = QDBusConnection::connectToBus(m_address, QStringLiteral("logind"));
        QVERIFY(logind.isConnected());
        QVERIFY(logind.registerService(kService));
        QDBusConnection service = QDBusConnection::connectToBus(m_address, QStringLiteral("service"));
        QVERIFY(service.registerService(QStringLiteral("org.freedesktop.Notifications")));
        QVERIFY(service.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
        QVERIFY(service.registerObject("/org/freedesktop/Notifications", &m_notifications,
                                       QDBusConnection::ExportAllSlots));
    }
    void cleanup() { CloseDialogs(); }

    // Started while the screen is locked; back, with nothing running, nothing is asked. A lock
    // after 7 idle minutes with two clocks running gives each goal 7 minutes back and, on return,
    // one question names both; Yes restarts both. A sleep while locked stops nothing more.
    void awayFromTheDesk() {
        qputenv("TZ", "UTC0");
        tzset();
        auto clock = TestClock::Install(CTime(2026, 12, 7, 10, 0, 0).GetTime());
        FakeLogind logind;
        FakeSession session;
        QDBusConnection bus(QStringLiteral("logind"));
        QVERIFY(bus.registerObject(kPath, &logind, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerObject(kSessionPath, &session, QDBusConnection::ExportAllProperties));
        QTemporaryDir dir;
        QVERIFY(WriteBytes(dir.filePath("Ordalune.cdf"),
                           "File Version : 1\r\nUser : Pat\r\nWrite,1:00,1:00\r\n"
                           "Read,1:00,1:00\r\n"));
        CMainFrame frame(dir.path().toStdString());
        CGoalView* view = frame.View();
        view->Timer().stop();
        view->OnInitialUpdate();
        AwayMonitor monitor(QDBusConnection::connectToBus(m_address, QStringLiteral("system")),
                            QDBusConnection::connectToBus(m_address, QStringLiteral("program")), nullptr);
        connect(&monitor, &AwayMonitor::away, view, &CGoalView::OnAway);
        connect(&monitor, &AwayMonitor::back, view, &CGoalView::OnBack);
        QTRY_VERIFY(monitor.IsAway());
        // The question is answered on the desktop: its notification's Yes restarts the clocks.
        Notifier notifier(QDBusConnection::connectToBus(m_address, QStringLiteral("program")), nullptr);
        view->SetNotifier(&notifier);
        m_notifications.answer = QStringLiteral("yes");
        QStringList asked;
        const auto watch = WhenModal([&](QWidget* box) { asked << qobject_cast<QMessageBox*>(box)->text(); });
        Session({{"LockedHint", false}});
        QTRY_VERIFY(!monitor.IsAway());
        ScreenSaver(true); // with no clock running, nothing is stopped or asked
        QTRY_VERIFY(monitor.IsAway());
        ScreenSaver(false);
        QTRY_VERIFY(!monitor.IsAway());
        view->Goals().GetAt(0).ToggleRunning();
        view->Goals().GetAt(1).ToggleRunning();
        for (int minute = 0; minute < 10; ++minute) {
            clock->Advance(60);
            view->OnTimer();
        }
        Session({{"IdleHint", true},
                 {"IdleSinceHint", QVariant::fromValue<quint64>((clock->Now() - 420) * 1000000ULL)}});
        Session({{"LockedHint", true}});
        QTRY_COMPARE(Describe(view->Goals()), QStringLiteral("Write 1:00/0:57, Read 1:00/0:57"));
        (void)view->File(); // written in the background
        QVERIFY(ReadBytes(dir.filePath("Ordalune.cdf")).contains("Write,01:00,00:57"));
        view->OnPowerSuspend(); // asleep while locked: nothing more to stop, nothing shown
        clock->Advance(25 * 60);
        Session({{"LockedHint", false}, {"IdleHint", false}});
        QTRY_COMPARE(asked.join('|'),
                     "You were away 0:32 (10:03 to 10:35). Restart the clocks of Write, Read?");
        QTRY_COMPARE(Describe(view->Goals()),
                     QStringLiteral("Write 1:00/0:57 running, Read 1:00/0:57 running"));
        m_notifications.answer.clear();
        bus.unregisterObject(kPath);
        bus.unregisterObject(kSessionPath);
        TestClock::Uninstall();
    }
    void cleanupTestCase() {
        QDBusConnection::disconnectFromBus(QStringLiteral("logind"));
        QDBusConnection::disconnectFromBus(QStringLiteral("monitor"));
        QDBusConnection::disconnectFromBus(QStringLiteral("service"));
        QDBusConnection::disconnectFromBus(QStringLiteral("program"));
        QDBusConnection::disconnectFromBus(QStringLiteral("system"));
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

    void inhibitorHeldLetGoAndTakenAgain() {
        FakeLogind fake;
        QVERIFY(QDBusConnection(QStringLiteral("logind"))
                    .registerObject(kPath, &fake, QDBusConnection::ExportAllSlots));
        PowerMonitor monitor(QDBusConnection::connectToBus(m_address, QStringLiteral("monitor")), nullptr);
        QVERIFY(monitor.IsConnected());
        QTRY_VERIFY(monitor.HoldsInhibitor());
        QCOMPARE(fake.calls, QStringList{"sleep|Ordalune Tracker|Stopping the running goal clocks|delay"});
        QVERIFY(!Released(fake.readEnds.at(0)));

        // Going to sleep: still held while the clocks stop, let go as soon as they have.
        bool heldWhileStopping = false;
        connect(&monitor, &PowerMonitor::suspending, this, [&] {
            heldWhileStopping = !Released(fake.readEnds.at(0));
            monitor.ReleaseInhibitor();
        });
        Emit(true);
        QTRY_VERIFY(Released(fake.readEnds.at(0)));
        QVERIFY(heldWhileStopping);
        QVERIFY(!monitor.HoldsInhibitor());

        // Awake again: a new inhibitor, and the window is asked to the front.
        QSignalSpy resumed(&monitor, &PowerMonitor::resumed);
        Emit(false);
        QTRY_COMPARE(resumed.count(), 1);
        QTRY_VERIFY(monitor.HoldsInhibitor());
        QCOMPARE(fake.calls.size(), 2);
        QVERIFY(!Released(fake.readEnds.at(1)));
        QDBusConnection(QStringLiteral("logind")).unregisterObject(kPath);
    }
    void withoutABusItIsSilent() {
        PowerMonitor monitor(QDBusConnection(QStringLiteral("no such bus")), nullptr);
        QVERIFY(!monitor.IsConnected());
        QVERIFY(!monitor.HoldsInhibitor());
        // Nor does a question fail without notifications: the window alone answers it.
        Notifier notifier(QDBusConnection(QStringLiteral("no such bus")), nullptr);
        WindowHost host(nullptr, nullptr);
        host.SetNotifier(&notifier);
        const auto watch = WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
        QCOMPARE(host.AskTimesUp("Essay").choice, 0);
    }

    // Time's up reaches the desktop as a notification; its "15 more minutes" answers the
    // question as the dialog's continue with 15 minutes does, and its overrun question too.
    void notificationAnswersTheQuestion() {
        auto clock = TestClock::Install();
        Notifier notifier(QDBusConnection::connectToBus(m_address, QStringLiteral("program")), nullptr);
        WindowHost host(nullptr, nullptr);
        host.SetNotifier(&notifier);
        GoalList goals;
        goals.Append(std::make_unique<Goal>("Essay & <b>", Minutes(60), Minutes(1)));
        goals.GetAt(0).ToggleRunning();
        clock->Advance(60);
        m_notifications.calls.clear();
        {
            // Typed into the dialog, then answered on the desktop: its own 15 minutes count.
            const auto watch = WhenModal([&](QWidget* dialog) {
                QTest::mouseClick(dialog->findChild<QWidget*>("minutes"), Qt::LeftButton);
                QTest::keyClicks(dialog->findChild<QWidget*>("minutes"), "45");
                QTRY_COMPARE(m_notifications.calls.size(), 1); // shown before it can be chosen
                m_notifications.Invoke(QStringLiteral("more"));
            });
            (void)TickGoals(goals, host);
        }
        QCOMPARE(Describe(goals), QStringLiteral("Essay & <b> 1:15/0:15 running"));
        QCOMPARE(
            m_notifications.calls.join('\n'),
            QStringLiteral("Ordalune Tracker|0|ordalune|Time's Up!|Your time for Essay &amp; &lt;b&gt; is "
                           "up.|done,Mark done,more,15 more minutes|2uchar x-ordalune.time-up|0"));
        m_notifications.answer = QStringLiteral("yes");
        QVERIFY(host.AskOverrun("Essay", "Over 2 minutes have passed."));
        QVERIFY(
            m_notifications.calls.last().startsWith("Ordalune Tracker|0|ordalune|Essay|Over 2 minutes have "
                                                    "passed.|yes,Yes,no,No|"));
        // Answered in the window first: the notification is withdrawn.
        m_notifications.answer.clear();
        const auto watch = WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
        QCOMPARE(host.AskTimesUp("Gym").choice, 0);
        QTRY_COMPARE(m_notifications.calls.last(), QStringLiteral("close 43"));
        TestClock::Uninstall();
    }

private:
    void Session(const QVariantMap& changed) {
        QDBusMessage signal =
            QDBusMessage::createSignal(kSessionPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                       QStringLiteral("PropertiesChanged"));
        signal << QStringLiteral("org.freedesktop.login1.Session") << changed << QStringList();
        QVERIFY(QDBusConnection(QStringLiteral("logind")).send(signal));
    }
    void ScreenSaver(bool active) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/ScreenSaver"),
                                                         QStringLiteral("org.freedesktop.ScreenSaver"),
                                                         QStringLiteral("ActiveChanged"));
        signal << active;
        QVERIFY(QDBusConnection(QStringLiteral("service")).send(signal));
    }
    void Emit(bool start) {
        QDBusMessage signal = QDBusMessage::createSignal(kPath, kManager, QStringLiteral("PrepareForSleep"));
        signal << start;
        QVERIFY(QDBusConnection(QStringLiteral("logind")).send(signal));
    }

    QTemporaryDir m_config;
    QProcess m_daemon;
    QString m_address;
    FakeNotifications m_notifications;
};

QTEST_MAIN(TestDesktop)
#include "TestDesktop.moc"
