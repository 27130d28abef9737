// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>

// Hears from logind when the machine is about to sleep and when it woke up. It holds a "delay"
// sleep inhibitor, so the running clocks are stopped before the machine sleeps; the inhibitor
// is let go once they are and taken again after each resume. Nothing here waits on the bus, and
// without a system bus it is silent.
class PowerMonitor final : public QObject {
    Q_OBJECT

public:
    // On another bus than the system's (tests run their own).
    PowerMonitor(const QDBusConnection& bus, QObject* parent);

    [[nodiscard]] bool IsConnected() const { return m_connected; }
    [[nodiscard]] bool HoldsInhibitor() const { return m_inhibitor.isValid(); }
    // Lets the machine go to sleep.
    void ReleaseInhibitor();

public slots:
    void OnPrepareForSleep(bool start);

signals:
    // Stop the clocks, then call ReleaseInhibitor().
    void suspending();
    void resumed();

private:
    void TakeInhibitor();

    QDBusConnection m_bus;
    bool m_connected = false;
    bool m_sleeping = false;
    QDBusUnixFileDescriptor m_inhibitor;
};
