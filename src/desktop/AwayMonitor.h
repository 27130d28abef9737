// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

// Tells when the user goes away from the desk and comes back: logind's session (locked, idle
// since when) on the system bus, and the desktop's screen saver on the session bus. Whatever is
// missing is simply not used.
class AwayMonitor final : public QObject {
    Q_OBJECT

public:
    AwayMonitor(const QDBusConnection& system, const QDBusConnection& session, QObject* parent);

    [[nodiscard]] bool IsAway() const { return m_locked || m_saver; }

signals:
    // `idleSince` (seconds since 1970) when the session knew the user idle before; 0 when not.
    void away(qint64 idleSince);
    void back();

private slots:
    void OnSessionFound(const QString& path);
    void OnPropertiesChanged(const QString& interface, const QVariantMap& changed,
                             const QStringList& invalidated);
    void OnScreenSaver(bool active);

private:
    void Update(bool locked, bool saver);

    QDBusConnection m_system;
    bool m_locked = false;
    bool m_saver = false;
    qint64 m_idleSince = 0;
};
