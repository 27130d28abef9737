// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/PowerMonitor.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");

} // namespace

PowerMonitor::PowerMonitor(const QDBusConnection& bus, QObject* parent) : QObject(parent), m_bus(bus) {
    if (!m_bus.isConnected())
        return;
    m_connected = m_bus.connect(kService, kPath, kManager, QStringLiteral("PrepareForSleep"), this,
                                SLOT(OnPrepareForSleep(bool)));
    if (m_connected)
        TakeInhibitor();
}

void PowerMonitor::TakeInhibitor() {
    if (!m_connected || m_inhibitor.isValid())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kManager, QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QStringLiteral("Ordalune Tracker")
         << tr("Stopping the running goal clocks") << QStringLiteral("delay");
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *done;
        // One that comes back while the machine is going to sleep is let go at once.
        if (reply.isValid() && !m_sleeping && !m_inhibitor.isValid())
            m_inhibitor = reply.value();
        done->deleteLater();
    });
}

void PowerMonitor::ReleaseInhibitor() { m_inhibitor = QDBusUnixFileDescriptor(); }

void PowerMonitor::OnPrepareForSleep(bool start) {
    m_sleeping = start;
    if (start) {
        emit suspending();
        ReleaseInhibitor(); // in case nobody did
    } else {
        TakeInhibitor();
        emit resumed();
    }
}
