// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/BusProbe.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace {

std::atomic<bool> g_timedOut{false};

} // namespace

bool BusProbe::AnyTimedOut() { return g_timedOut; }

BusProbe::BusProbe(QDBusConnection::BusType bus, const QString& name) {
    auto made = std::make_shared<std::promise<std::optional<QDBusConnection>>>();
    m_connection = made->get_future();
    // Left to finish on its own if the bus never answers; the process may end before it does.
    std::thread([bus, name, made] {
        QDBusConnection connection = QDBusConnection::connectToBus(bus, name);
        made->set_value(connection.isConnected() ? std::optional(connection) : std::nullopt);
    }).detach();
}

std::optional<QDBusConnection> BusProbe::Wait(const QDeadlineTimer& deadline) {
    const auto left = std::chrono::milliseconds(std::max<qint64>(0, deadline.remainingTime()));
    m_timedOut = m_connection.wait_for(left) != std::future_status::ready;
    if (m_timedOut) {
        g_timedOut = true;
        return std::nullopt;
    }
    return m_connection.get();
}
