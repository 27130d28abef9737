// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ControlService.h"

#include "storage/FileLock.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <cstdio>

namespace {

constexpr unsigned kDoNotQueue = 4; // another holder keeps the name; no waiting in line for it
constexpr unsigned kPrimaryOwner = 1;

QString ErrorName(RemoteControl::Failure failure) {
    switch (failure) {
    case RemoteControl::Failure::NoSuchGoal:
        return QStringLiteral("NoSuchGoal");
    case RemoteControl::Failure::GoalDone:
        return QStringLiteral("GoalDone");
    case RemoteControl::Failure::BadTime:
        return QStringLiteral("BadTime");
    case RemoteControl::Failure::BadName:
        return QStringLiteral("BadName");
    case RemoteControl::Failure::NotOwner:
        return QStringLiteral("NotOwner");
    case RemoteControl::Failure::Busy:
        return QStringLiteral("Busy");
    case RemoteControl::Failure::None:
        break;
    }
    return {};
}

} // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteGoal& goal) {
    argument.beginStructure();
    argument << goal.name << goal.total << goal.remaining << goal.running << goal.finish;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteGoal& goal) {
    argument.beginStructure();
    argument >> goal.name >> goal.total >> goal.remaining >> goal.running >> goal.finish;
    argument.endStructure();
    return argument;
}

QString ControlService::BusName(const std::string& directory) {
    const std::string key = FileLock::FolderKey(directory);
    return key.empty() ? QString()
                       : QStringLiteral("org.ordalune.Tracker.Folder_") + QString::fromStdString(key);
}

void ControlService::RegisterTypes() {
    qDBusRegisterMetaType<RemoteGoal>();
    qDBusRegisterMetaType<QList<RemoteGoal>>();
}

ControlService::ControlService(RemoteControl& control, const QDBusConnection& bus, const QString& name,
                               QObject* parent)
    : QObject(parent), m_control(control), m_bus(bus) {
    RegisterTypes();
    connect(&control, &RemoteControl::changed, this, &ControlService::Changed);
    if (name.isEmpty() || !m_bus.isConnected())
        return;
    m_bus.registerObject(QString::fromLatin1(kPath), this,
                         QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportScriptableSignals |
                             QDBusConnection::ExportScriptableProperties);
    QDBusMessage request = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("RequestName"));
    request << name << kDoNotQueue;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(request), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [name](QDBusPendingCallWatcher* call) {
        const QDBusPendingReply<unsigned> reply = *call;
        if (reply.isError() || reply.value() != kPrimaryOwner)
            std::fprintf(stderr,
                         "ordalune: The bus name %s could not be had, so there is no control from outside.\n",
                         qPrintable(name));
        call->deleteLater();
    });
}

ControlService::~ControlService() {
    if (m_bus.isConnected())
        m_bus.unregisterObject(QString::fromLatin1(kPath));
}

void ControlService::Answer(const RemoteControl::Result& result) {
    if (result.failure != RemoteControl::Failure::None && calledFromDBus())
        sendErrorReply(QStringLiteral("org.ordalune.Tracker.Error.") + ErrorName(result.failure),
                       result.message);
}
