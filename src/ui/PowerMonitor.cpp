#include "ui/PowerMonitor.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");

} // namespace

PowerMonitor::PowerMonitor(QObject* parent) : QObject(parent) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    m_connected = bus.connect(kService, kPath, kManager, QStringLiteral("PrepareForSleep"), this,
                              SLOT(OnPrepareForSleep(bool)));
    if (m_connected)
        TakeInhibitor();
}

void PowerMonitor::TakeInhibitor() {
    if (!m_connected || m_inhibitor.isValid())
        return;
    QDBusInterface manager(kService, kPath, kManager, QDBusConnection::systemBus());
    const QDBusReply<QDBusUnixFileDescriptor> reply =
        manager.call(QStringLiteral("Inhibit"), QStringLiteral("sleep"), QStringLiteral("Ordalune Tracker"),
                     QStringLiteral("Stopping the running goal clocks"), QStringLiteral("delay"));
    if (reply.isValid())
        m_inhibitor = reply.value();
}

void PowerMonitor::ReleaseInhibitor() { m_inhibitor = QDBusUnixFileDescriptor(); }

void PowerMonitor::OnPrepareForSleep(bool start) {
    if (start) {
        emit suspending();
        ReleaseInhibitor(); // in case nobody did
    } else {
        TakeInhibitor();
        emit resumed();
    }
}
