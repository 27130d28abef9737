// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>

class AwayMonitor;
class Notifier;
class PowerMonitor;

// The session's notices from the message buses, set up once the window is up: sleep and resume,
// the screen lock and idle time, and desktop notifications. Both buses are reached from threads
// of their own with a deadline of a second; a bus that has not answered by then is missing, and
// so are the services on it.
class DesktopServices final : public QObject {
    Q_OBJECT

public:
    explicit DesktopServices(QObject* parent = nullptr);
    ~DesktopServices() override;

    // Where questions go as notifications; never null, though it may reach no service.
    [[nodiscard]] Notifier* Notifications() const { return m_notifier; }
    // The session bus, or a connection to none when it is missing or silent.
    [[nodiscard]] const QDBusConnection& SessionBus() const { return m_sessionBus; }
    // Whether the screen is locked or the screen saver runs.
    [[nodiscard]] bool IsAway() const;
    // Lets the computer go to sleep once the goals are safe.
    void ReleaseSleep();
    // Whether any bus failed to answer in time: Qt's bus thread then waits on it, and nothing
    // may wait on that thread, not the tray and not the end of the program.
    [[nodiscard]] static bool AnyBusSilent();

signals:
    void suspending();
    void resumed();
    // The user went away (locked the screen), idle since then (seconds since 1970; 0: unknown).
    void away(qint64 idleSince);
    void back();

private:
    PowerMonitor* m_power = nullptr;
    AwayMonitor* m_away = nullptr;
    Notifier* m_notifier = nullptr;
    QDBusConnection m_sessionBus{QString()};
};
