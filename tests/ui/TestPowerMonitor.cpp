#include "ui/PowerMonitor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");

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

bool Released(int readEnd) {
    char byte = 0;
    return read(readEnd, &byte, 1) == 0; // end of file: no holder is left
}

} // namespace

// Runs a private message bus with a stand-in for logind on it.
class TestPowerMonitor : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
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
    }
    void cleanupTestCase() {
        QDBusConnection::disconnectFromBus(QStringLiteral("logind"));
        QDBusConnection::disconnectFromBus(QStringLiteral("monitor"));
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
    }

private:
    void Emit(bool start) {
        QDBusMessage signal = QDBusMessage::createSignal(kPath, kManager, QStringLiteral("PrepareForSleep"));
        signal << start;
        QVERIFY(QDBusConnection(QStringLiteral("logind")).send(signal));
    }

    QProcess m_daemon;
    QString m_address;
};

QTEST_MAIN(TestPowerMonitor)
#include "TestPowerMonitor.moc"
