// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/AwayMonitor.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

#include <unistd.h>

namespace {

const QString kLogin = QStringLiteral("org.freedesktop.login1");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kSession = QStringLiteral("org.freedesktop.login1.Session");

} // namespace

AwayMonitor::AwayMonitor(const QDBusConnection& system, const QDBusConnection& session, QObject* parent)
    : QObject(parent), m_system(system) {
    if (m_system.isConnected()) {
        // This process's own session, asked without waiting on the bus.
        QDBusMessage find = QDBusMessage::createMethodCall(kLogin, QStringLiteral("/org/freedesktop/login1"),
                                                           kLogin + QStringLiteral(".Manager"),
                                                           QStringLiteral("GetSessionByPID"));
        find << static_cast<uint>(getpid());
        auto* watcher = new QDBusPendingCallWatcher(m_system.asyncCall(find), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
            const QDBusPendingReply<QDBusObjectPath> reply = *done;
            done->deleteLater();
            if (reply.isValid())
                OnSessionFound(reply.value().path());
        });
    }
    if (session.isConnected()) {
        QDBusConnection bus(session);
        bus.connect(QStringLiteral("org.freedesktop.ScreenSaver"),
                    QStringLiteral("/org/freedesktop/ScreenSaver"),
                    QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("ActiveChanged"), this,
                    SLOT(OnScreenSaver(bool)));
        bus.connect(QStringLiteral("org.gnome.ScreenSaver"), QStringLiteral("/org/gnome/ScreenSaver"),
                    QStringLiteral("org.gnome.ScreenSaver"), QStringLiteral("ActiveChanged"), this,
                    SLOT(OnScreenSaver(bool)));
    }
}

void AwayMonitor::OnSessionFound(const QString& path) {
    m_system.connect(kLogin, path, kProperties, QStringLiteral("PropertiesChanged"), this,
                     SLOT(OnPropertiesChanged(QString, QVariantMap, QStringList)));
    // A program started while the screen is locked knows it from the start.
    QDBusMessage get = QDBusMessage::createMethodCall(kLogin, path, kProperties, QStringLiteral("GetAll"));
    get << kSession;
    auto* watcher = new QDBusPendingCallWatcher(m_system.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        const QDBusPendingReply<QVariantMap> reply = *done;
        done->deleteLater();
        if (reply.isValid())
            OnPropertiesChanged(kSession, reply.value(), {});
    });
}

void AwayMonitor::OnPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                      const QStringList&) {
    if (interface != kSession)
        return;
    if (changed.contains(QStringLiteral("IdleHint")) || changed.contains(QStringLiteral("IdleSinceHint"))) {
        const bool idle = changed.value(QStringLiteral("IdleHint"), m_idleSince != 0).toBool();
        const qint64 since = changed.value(QStringLiteral("IdleSinceHint")).toLongLong() / 1000000;
        m_idleSince = idle ? (since > 0 ? since : m_idleSince) : 0;
    }
    if (changed.contains(QStringLiteral("LockedHint")))
        Update(changed.value(QStringLiteral("LockedHint")).toBool(), m_saver);
}

void AwayMonitor::OnScreenSaver(bool active) { Update(m_locked, active); }

void AwayMonitor::Update(bool locked, bool saver) {
    const bool wasAway = IsAway();
    m_locked = locked;
    m_saver = saver;
    if (!wasAway && IsAway())
        emit away(m_idleSince);
    else if (wasAway && !IsAway())
        emit back();
}
