// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/Notifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage Call(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

} // namespace

Notifier::Notifier(const QDBusConnection& bus, QObject* parent) : QObject(parent), m_bus(bus) {
    if (!m_bus.isConnected())
        return;
    m_bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
                  SLOT(OnActionInvoked(uint, QString)));
    m_bus.connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this,
                  SLOT(OnClosed(uint, uint)));
}

int Notifier::Show(const QString& summary, const QString& body, const QStringList& actions) {
    const int handle = ++m_next;
    if (!m_bus.isConnected())
        return handle;
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(2))); // critical
    hints.insert(QStringLiteral("category"), QStringLiteral("x-ordalune.time-up"));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("org.ordalune.Tracker"));
    hints.insert(QStringLiteral("resident"), true);
    QDBusMessage notify = Call(QStringLiteral("Notify"));
    notify << QStringLiteral("Ordalune Tracker") << uint(0) << QStringLiteral("ordalune") << summary << body
           << actions << hints << int(0);
    // Asynchronous, so a slow or missing service never holds up the window.
    m_pending.insert(handle);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, handle](QDBusPendingCallWatcher* done) {
        const QDBusPendingReply<uint> reply = *done;
        done->deleteLater();
        m_pending.remove(handle);
        if (!reply.isValid()) {
            m_closeSoon.remove(handle);
            return;
        }
        if (m_closeSoon.remove(handle)) {
            QDBusMessage close = Call(QStringLiteral("CloseNotification"));
            close << reply.value();
            m_bus.asyncCall(close);
        } else {
            m_ids.insert(handle, reply.value());
        }
    });
    return handle;
}

void Notifier::Close(int handle) {
    if (m_pending.contains(handle))
        m_closeSoon.insert(handle);
    if (!m_ids.contains(handle))
        return;
    QDBusMessage close = Call(QStringLiteral("CloseNotification"));
    close << m_ids.take(handle);
    m_bus.asyncCall(close);
}

void Notifier::OnActionInvoked(uint id, const QString& key) {
    const int handle = m_ids.key(id, 0);
    if (handle != 0)
        emit actionInvoked(handle, key);
}

void Notifier::OnClosed(uint id, uint) {
    if (const int handle = m_ids.key(id, 0); handle != 0)
        m_ids.remove(handle);
}
