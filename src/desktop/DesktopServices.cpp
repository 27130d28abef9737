// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DesktopServices.h"

#include "desktop/AwayMonitor.h"
#include "desktop/BusProbe.h"
#include "desktop/Notifier.h"
#include "desktop/PowerMonitor.h"

DesktopServices::DesktopServices(QObject* parent) : QObject(parent) {
    // Both buses at once, a second at most.
    BusProbe sessionProbe(QDBusConnection::SessionBus, QStringLiteral("ordalune-session"));
    BusProbe systemProbe(QDBusConnection::SystemBus, QStringLiteral("ordalune-system"));
    const QDeadlineTimer deadline(BusProbe::kDeadlineMs);
    std::optional<QDBusConnection> session = sessionProbe.Wait(deadline);
    std::optional<QDBusConnection> system = systemProbe.Wait(deadline);
    if (BusProbe::AnyTimedOut()) // Qt's bus thread now waits on that bus: every bus call would too
        session = system = BusProbe::None();
    m_power = new PowerMonitor(system.value_or(BusProbe::None()), this);
    m_away = new AwayMonitor(system.value_or(BusProbe::None()), session.value_or(BusProbe::None()), this);
    m_notifier = new Notifier(session.value_or(BusProbe::None()), this);
    m_sessionBus = session.value_or(BusProbe::None());
    connect(m_power, &PowerMonitor::suspending, this, &DesktopServices::suspending);
    connect(m_power, &PowerMonitor::resumed, this, &DesktopServices::resumed);
    connect(m_away, &AwayMonitor::away, this, &DesktopServices::away);
    connect(m_away, &AwayMonitor::back, this, &DesktopServices::back);
}

DesktopServices::~DesktopServices() = default;

bool DesktopServices::IsAway() const { return m_away->IsAway(); }

void DesktopServices::ReleaseSleep() { m_power->ReleaseInhibitor(); }

bool DesktopServices::AnyBusSilent() { return BusProbe::AnyTimedOut(); }
