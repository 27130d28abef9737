// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ControlClient.h"

#include "desktop/BusProbe.h"
#include "desktop/ControlService.h"

#include <QDBusMessage>

namespace {

constexpr int kAnswerMs = 5000;
const QString kConnection = QStringLiteral("ordalune-control");

} // namespace

ControlClient::ControlClient(int patienceMs) : m_service(ControlService::BusName({})) {
    ControlService::RegisterTypes();
    BusProbe probe(QDBusConnection::SessionBus, kConnection);
    const std::optional<QDBusConnection> bus = probe.Wait(QDeadlineTimer(patienceMs));
    if (probe.TimedOut())
        m_unusable = QStringLiteral("the session bus does not answer");
    else if (m_service.isEmpty())
        m_unusable = QStringLiteral("the current folder cannot be looked at");
    else if (!bus)
        m_service.clear(); // no bus: no copy can be reached
}

ControlClient::Reply ControlClient::Call(const QString& method, const QVariantList& arguments) {
    if (!m_unusable.isEmpty())
        return {Outcome::Failed, m_unusable, {}};
    if (m_service.isEmpty())
        return {Outcome::NoCopy, {}, {}};
    QDBusMessage message =
        QDBusMessage::createMethodCall(m_service, QString::fromLatin1(ControlService::kPath),
                                       QString::fromLatin1(ControlService::kInterface), method);
    message.setArguments(arguments);
    const QDBusMessage answer = QDBusConnection(kConnection).call(message, QDBus::Block, kAnswerMs);
    if (answer.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        answer.errorName() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
        return {Outcome::NoCopy, {}, {}};
    if (answer.type() != QDBusMessage::ReplyMessage)
        return {Outcome::Failed, answer.errorMessage(), {}};
    return {Outcome::Done, {}, answer.arguments()};
}

std::optional<QList<RemoteGoal>> ControlClient::List(Reply* reply) {
    *reply = Call(QStringLiteral("List"));
    if (reply->outcome != Outcome::Done)
        return std::nullopt;
    QList<RemoteGoal> goals;
    if (!reply->answer.isEmpty())
        qvariant_cast<QDBusArgument>(reply->answer.first()) >> goals;
    return goals;
}
