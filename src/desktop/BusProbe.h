// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDeadlineTimer>
#include <QString>

#include <future>
#include <optional>

// Connects to a message bus without ever holding up the window for long: the connection is made
// on a thread of its own and handed over whole, and a bus that has not answered by the deadline
// counts as missing, so nothing on the window's thread waits on it.
class BusProbe final {
public:
    static constexpr int kDeadlineMs = 1000;

    // Starts connecting at once, under `name`.
    BusProbe(QDBusConnection::BusType bus, const QString& name);
    // The connection, if it was made by the deadline.
    [[nodiscard]] std::optional<QDBusConnection> Wait(const QDeadlineTimer& deadline);
    // Whether the bus was still silent at the deadline (rather than missing or refusing).
    [[nodiscard]] bool TimedOut() const { return m_timedOut; }
    // Whether any bus failed to answer in time. Qt's bus machinery then waits on it in a thread
    // of its own, which nothing must wait on: not the tray, and not the end of the program.
    [[nodiscard]] static bool AnyTimedOut();
    // A connection to no bus at all, made without asking the bus machinery anything.
    [[nodiscard]] static QDBusConnection None() { return QDBusConnection(QString()); }

private:
    std::future<std::optional<QDBusConnection>> m_connection;
    bool m_timedOut = false;
};
