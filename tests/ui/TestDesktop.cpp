// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/AwayMonitor.h"
#include "desktop/ControlService.h"
#include "desktop/DesktopMirror.h"
#include "desktop/Notifier.h"
#include "desktop/PowerMonitor.h"
#include "desktop/TrayIcon.h"
#include "session/GoalSession.h"
#include "session/RemoteControl.h"
#include "support/Fixtures.h"
#include "support/ModalDriver.h"
#include "support/PrivateBus.h"
#include "support/TestClock.h"
#include "ui/WindowPrompter.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kSessionPath = QStringLiteral("/org/freedesktop/login1/session/_3");

// Stands in for logind and the desktop's notification service: records each call as one line and
// answers as they would. The session was locked when the program started; sleep inhibitors are
// pipes, whose read ends show when every copy has been let go; a notification can be answered
// with one of its buttons as soon as it shows.
class StandIns final : public QDBusVirtualObject {
public:
    QStringList calls;
    std::vector<int> readEnds;
    QString answer;
    uint lastId = 40;

    [[nodiscard]] QStringList Calls(const QString& member) const {
        return calls.filter(QRegularExpression("^" + member + "\\|"));
    }
    int pendingAnswers = 0;

    // The user chooses `key` on notification `id` (the newest by default); with no key, the
    // desktop closes it.
    void Invoke(const QString& key, uint id = 0) {
        id = id != 0 ? id : lastId;
        QDBusMessage invoked =
            QDBusMessage::createSignal("/org/freedesktop/Notifications", "org.freedesktop.Notifications",
                                       key.isEmpty() ? "NotificationClosed" : "ActionInvoked");
        QDBusConnection(QStringLiteral("stand-ins"))
            .send(key.isEmpty() ? invoked << id << 2u : invoked << id << key);
    }
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        QStringList said{message.member()};
        for (const QVariant& argument : message.arguments()) {
            if (argument.canConvert<QDBusArgument>()) { // the hints
                const auto hints = qdbus_cast<QVariantMap>(argument.value<QDBusArgument>());
                said << QString::number(hints.value("urgency").toInt()) + hints.value("urgency").typeName() +
                            " " + hints.value("category").toString() + " " +
                            hints.value("resident").toString();
            } else {
                said << (argument.canConvert<QStringList>() ? argument.toStringList().join(',')
                                                            : argument.toString());
            }
        }
        calls << said.join('|');
        QVariant reply;
        if (message.member() == "GetSessionByPID") {
            reply = QVariant::fromValue(QDBusObjectPath(kSessionPath));
        } else if (message.member() == "GetAll") {
            reply = QVariantMap{{"LockedHint", true}};
        } else if (int fds[2]; message.member() == "Inhibit" && pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
            readEnds.push_back(fds[0]);
            reply = QVariant::fromValue(QDBusUnixFileDescriptor(fds[1])); // a copy goes out; ours is closed
            close(fds[1]);
        } else if (message.member() == "Notify") {
            reply = ++lastId;
            if (!answer.isEmpty()) { // answers the notification it was chosen on, however late
                ++pendingAnswers;
                QTimer::singleShot(20, [this, key = answer, id = lastId] {
                    Invoke(key, id);
                    --pendingAnswers;
                });
            }
        }
        return connection.send(reply.isValid() ? message.createReply(reply) : message.createReply());
    }
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
        m_address = m_bus.Start();
        QVERIFY(!m_address.isEmpty());
        QDBusConnection bus = QDBusConnection::connectToBus(m_address, QStringLiteral("stand-ins"));
        for (const char* name :
             {"org.freedesktop.login1", "org.freedesktop.Notifications", "org.freedesktop.ScreenSaver"})
            QVERIFY(bus.registerService(QString::fromLatin1(name)));
        QVERIFY(bus.registerVirtualObject("/org/freedesktop", &m_standIns, QDBusConnection::SubPath));
        qputenv("TZ", "UTC0"), tzset();
    }
    void cleanup() { CloseDialogs(); }
    void cleanupTestCase() {
        for (const char* name : {"stand-ins", "system", "program"})
            QDBusConnection::disconnectFromBus(QString::fromLatin1(name));
    }

    // Started while the screen is locked: unlocking is a return, and so is the screen saver's
    // end. A lock after idle minutes tells when the user went idle. Answered calls are let go, so a
    // monitor running for weeks does not pile them up.
    void awayFromTheDesk() {
        AwayMonitor monitor(QDBusConnection::connectToBus(m_address, QStringLiteral("system")),
                            QDBusConnection::connectToBus(m_address, QStringLiteral("program")), nullptr);
        QStringList seen;
        connect(&monitor, &AwayMonitor::away, this, [&](qint64 since) { seen << QString::number(since); });
        connect(&monitor, &AwayMonitor::back, this, [&] { seen << "back"; });
        QTRY_VERIFY(monitor.IsAway());
        Session({{"LockedHint", false}});
        QTRY_VERIFY(!monitor.IsAway());
        for (const bool active : {true, false, false}) { // told again: no second return
            Signal("/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver", "ActiveChanged", {active});
            QTRY_COMPARE(monitor.IsAway(), active);
        }
        Session(
            {{"IdleHint", true}, {"IdleSinceHint", QVariant::fromValue<quint64>(1'700'000'000'000'000ULL)}});
        Session({{"LockedHint", true}});
        QTRY_VERIFY(monitor.IsAway());
        Session({{"LockedHint", false}, {"IdleHint", false}});
        // Once active, the hint's time is when the user came back, not an idle start.
        Session({{"IdleSinceHint", QVariant::fromValue<quint64>(1'800'000'000'000'000ULL)}});
        Session({{"LockedHint", true}});
        QTRY_COMPARE(seen.join(QLatin1Char('|')), "0|back|0|back|1700000000|back|0");
        QTRY_VERIFY(monitor.findChildren<QDBusPendingCallWatcher*>().isEmpty());
    }

    // Held from the start; still held while the clocks stop for sleep, let go as soon as they
    // have; taken again on waking, when the window is asked to the front.
    void inhibitorHeldLetGoAndTakenAgain() {
        PowerMonitor monitor(QDBusConnection::connectToBus(m_address, QStringLiteral("system")), nullptr);
        QVERIFY(monitor.IsConnected());
        QTRY_VERIFY(monitor.HoldsInhibitor());
        QCOMPARE(m_standIns.Calls("Inhibit"),
                 QStringList{"Inhibit|sleep|Ordalune Tracker|Stopping the running goal clocks|delay"});
        const int first = m_standIns.readEnds.back();
        bool heldWhileStopping = false;
        connect(&monitor, &PowerMonitor::suspending, this, [&] {
            heldWhileStopping = !Released(first);
            monitor.ReleaseInhibitor();
        });
        QSignalSpy resumed(&monitor, &PowerMonitor::resumed);
        for (const bool start : {true, false}) {
            PrepareForSleep(start);
            QTRY_VERIFY(Released(first));
        }
        QVERIFY(heldWhileStopping);
        QTRY_COMPARE(resumed.count(), 1);
        QTRY_VERIFY(monitor.HoldsInhibitor());
        QVERIFY(m_standIns.Calls("Inhibit").size() == 2 && !Released(m_standIns.readEnds.back()));
    }

    // Time's up reaches the desktop as a notification; its "15 more minutes" answers the
    // question as the dialog's continue with 15 minutes does, and its overrun question too.
    // Answered in the window first, the notification is withdrawn.
    void notificationAnswersTheQuestion() {
        Notifier notifier(QDBusConnection::connectToBus(m_address, QStringLiteral("program")), nullptr);
        WindowPrompter host(nullptr, nullptr);
        DesktopMirror mirror(nullptr);
        mirror.SetNotifier(&notifier);
        host.SetMirror(&mirror);
        m_standIns.calls.clear();
        m_standIns.lastId = 40;
        // Typed into the dialog, then answered on the desktop: its own 15 minutes count.
        const auto typed = WhenModal([&](QWidget* dialog) {
            QTest::mouseClick(dialog->findChild<QWidget*>("minutes"), Qt::LeftButton);
            QTest::keyClicks(dialog->findChild<QWidget*>("minutes"), "45");
            QTRY_COMPARE(m_standIns.Calls("Notify").size(), 1); // shown before it can be chosen
            m_standIns.Invoke(QStringLiteral("more"));
        });
        const TimesUpHost::Answer answer = host.AskTimesUp("Essay & <b>");
        QCOMPARE(QString::number(answer.choice) + " " + QString::fromStdString(answer.minutes), "1 15");
        QCOMPARE(m_standIns.Calls("Notify").join('\n'),
                 "Notify|Ordalune Tracker|0|ordalune|Time's Up!|Your time for Essay &amp; &lt;b&gt; is "
                 "up.|done,Mark done,more,15 more minutes|2uchar x-ordalune.time-up true|0");
        m_standIns.answer = QStringLiteral("yes");
        QVERIFY(host.AskOverrun("Essay", "Over 2 minutes have passed."));
        QVERIFY(m_standIns.Calls("Notify").last().startsWith(
            "Notify|Ordalune Tracker|0|ordalune|Essay|Over 2 minutes have passed.|yes,Yes,no,No|"));
        QTRY_COMPARE(m_standIns.calls.last(), "CloseNotification|42"); // answered, and taken off the desktop
        m_standIns.answer.clear();
        const auto watch = WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
        QCOMPARE(host.AskTimesUp("Gym").choice, 0);
        QTRY_COMPARE(m_standIns.calls.last(), "CloseNotification|43");
        // Withdrawn also when the answer comes before the desktop has told the notification's id.
        notifier.Close(notifier.Show(QStringLiteral("Essay"), QStringLiteral("up"), {}));
        QTRY_COMPARE(m_standIns.calls.last(), "CloseNotification|44");
        m_standIns.answer = QStringLiteral("done"); // "Mark done" on the desktop
        QCOMPARE(host.AskTimesUp("Gym").choice, 0);
        m_standIns.answer.clear();
        const auto withdrawn = WhenModal([&](QWidget*) { host.WithdrawAwayQuestion(); }); // gone again
        QVERIFY(!host.AskAway(QStringLiteral("You were away 0:05.")));
        m_standIns.answer = QStringLiteral("yes"); // the return question too
        QVERIFY(host.AskAway(QStringLiteral("You were away 0:32.")));
        QVERIFY(m_standIns.Calls("Notify").last().startsWith(
            "Notify|Ordalune Tracker|0|ordalune|Welcome back|You were away"));
        m_standIns.answer.clear();
        // Closed on the desktop, a notification answers nothing more. Only the answers to the
        // notifications shown here count: the steps above have had theirs.
        QTRY_COMPARE(m_standIns.pendingAnswers, 0);
        QStringList answers;
        QList<int> handles;
        connect(&notifier, &Notifier::actionInvoked, this, [&](int handle, const QString& key) {
            if (handles.contains(handle))
                answers << key;
        });
        const qsizetype shown = m_standIns.Calls("Notify").size();
        for (const QString key : {"", "late", "more"}) { // closed, chosen too late, a new one chosen
            if (key != "late")
                handles << notifier.Show(QStringLiteral("Essay"), QStringLiteral("up"), {});
            QTRY_COMPARE(m_standIns.Calls("Notify").size(), shown + (key == "more" ? 2 : 1));
            m_standIns.Invoke(key);
        }
        QTRY_COMPARE(answers, QStringList{"more"});
    }

    // What introspection shows of the controls is what the interface's file describes: the same
    // members, their arguments named and typed alike.
    void controlsDescribed() {
        const auto members = [](const QString& xml) {
            QStringList seen;
            QXmlStreamReader reader(xml);
            bool ours = false;
            while (!reader.atEnd())
                if (reader.readNext() == QXmlStreamReader::StartElement) {
                    const auto attribute = [&reader](const char* name) {
                        return reader.attributes().value(QLatin1String(name)).toString();
                    };
                    if (reader.name() == QLatin1String("interface"))
                        ours = attribute("name") == "org.ordalune.Tracker";
                    else if (ours && reader.name() != QLatin1String("annotation"))
                        seen << reader.name().toString() + " " + attribute("name") + " " + attribute("type") +
                                    " " + attribute("direction") + attribute("access");
                }
            return seen.join('|');
        };
        QTemporaryDir dir;
        GoalSession session(dir.path().toStdString());
        session.Timer().stop();
        session.LoadNow();
        RemoteControl control(session);
        const QDBusConnection bus = QDBusConnection::connectToBus(m_address, QStringLiteral("program"));
        const ControlService unnamed(control, bus, QString()); // a folder with no name on the bus: no service
        QVERIFY(bus.objectRegisteredAt(ControlService::kPath) == nullptr);
        ControlService service(control, bus, ControlService::BusName(dir.path().toStdString()));
        const QDBusMessage introspect =
            QDBusConnection("stand-ins")
                .call( // this thread answers it too
                    QDBusMessage::createMethodCall(bus.baseService(), ControlService::kPath,
                                                   "org.freedesktop.DBus.Introspectable", "Introspect"),
                    QDBus::BlockWithGui);
        QVERIFY2(introspect.type() == QDBusMessage::ReplyMessage, qPrintable(introspect.errorMessage()));
        const QString described = QString::fromUtf8(ReadBytes(ORDALUNE_RES "/org.ordalune.Tracker.xml"));
        QVERIFY(members(described).contains("arg goals a(sxxbx) out"));
        QCOMPARE(members(introspect.arguments().value(0).toString()), members(described));
    }

    // The tray lists the running goals and asks for them to be stopped, for the window and for the
    // end; its icon is in colour while a clock runs.
    void trayIcon() {
        QImage red(32, 32, QImage::Format_ARGB32);
        red.fill(Qt::red);
        const std::int64_t now = CTime(2026, 12, 7, 10, 0, 0).GetTime();
        TrayIcon tray(red);
        QSystemTrayIcon* panel = tray.Panel();
        const auto colour = [panel] { return panel->icon().pixmap(32).toImage().pixelColor(5, 5); };
        QVERIFY(panel->isVisible() && colour().isValid() && colour() != Qt::black &&
                colour().saturation() == 0);
        QCOMPARE(panel->toolTip(), "Ordalune Tracker\nNo clock is running");
        QStringList asked;
        connect(&tray, &TrayIcon::stopRequested, this, [&](int index) { asked << QString::number(index); });
        connect(&tray, &TrayIcon::showRequested, this, [&] { asked << "show"; });
        connect(&tray, &TrayIcon::quitRequested, this, [&] { asked << "quit"; });
        connect(&tray, &TrayIcon::activated, this, [&] { asked << "click"; });
        for (const auto why : {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context, QSystemTrayIcon::Trigger})
            emit panel->activated(why); // the menu's own is no click
        tray.Refresh({{2, "Essay", "1:29", now + 5340}});
        QCOMPARE(panel->toolTip(), "Ordalune Tracker\nEssay: 1:29 left, done at 11:29 AM");
        QCOMPARE(colour(), QColor(Qt::red));
        const QPointer<QAction> stop = panel->contextMenu()->actions().value(0);
        for (QAction* action : panel->contextMenu()->actions())
            action->trigger();
        QCOMPARE(asked.join('|'), "click|click|2|show|quit");
        tray.Refresh({{2, "Essay", "1:29", now + 5339}}); // the finish a minute sooner: told, the menu kept
        QVERIFY(panel->toolTip().endsWith("done at 11:28 AM") && stop && stop->text() == "Stop Essay");
        QCOMPARE(panel->contextMenu()->actions().size(), 4);
        tray.Refresh({});
        QVERIFY(colour() != Qt::red && !stop && panel->contextMenu()->actions().size() == 3);
    }

private:
    void Signal(const QString& path, const QString& interface, const QString& name,
                const QVariantList& arguments) {
        QDBusMessage signal = QDBusMessage::createSignal(path, interface, name);
        signal.setArguments(arguments);
        QVERIFY(QDBusConnection(QStringLiteral("stand-ins")).send(signal));
    }
    void PrepareForSleep(bool start) {
        Signal(kPath, "org.freedesktop.login1.Manager", "PrepareForSleep", {start});
    }
    void Session(const QVariantMap& changed) {
        Signal(kSessionPath, "org.freedesktop.DBus.Properties", "PropertiesChanged",
               {"org.freedesktop.login1.Session", changed, QStringList()});
    }

    QTemporaryDir m_config;
    PrivateBus m_bus;
    QString m_address;
    StandIns m_standIns;
};

QTEST_MAIN(TestDesktop)
#include "TestDesktop.moc"
