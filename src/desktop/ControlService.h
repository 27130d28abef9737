// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/RemoteControl.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>

#include <string>

// One goal on the bus: (name, total, remaining, running, finish), signature (sxxbx).
QDBusArgument& operator<<(QDBusArgument& argument, const RemoteGoal& goal);
const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteGoal& goal);
Q_DECLARE_METATYPE(RemoteGoal)

// The goals' controls on the session bus: interface org.ordalune.Tracker at /org/ordalune/Tracker,
// under a name of the goal folder's own, so the copies that own different folders' goals answer
// apart. Only the copy that owns its goal file offers it. Failures come back as bus errors named
// org.ordalune.Tracker.Error.NoSuchGoal, .GoalDone, .BadTime, .BadName, .NotOwner and .Busy.
class ControlService final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.ordalune.Tracker")
    // What introspection shows, arguments named as in the interface's file beside the program.
    // The interface reads as the XML it is.
    // clang-format off
    Q_CLASSINFO("D-Bus Introspection",
                "  <interface name=\"org.ordalune.Tracker\">\n"
                "    <method name=\"List\">\n"
                "      <arg name=\"goals\" type=\"a(sxxbx)\" direction=\"out\"/>\n"
                "      <annotation name=\"org.qtproject.QtDBus.QtTypeName.Out0\" value=\"QList&lt;RemoteGoal&gt;\"/>\n"
                "    </method>\n"
                "    <method name=\"Start\">\n"
                "      <arg name=\"name\" type=\"s\" direction=\"in\"/>\n"
                "    </method>\n"
                "    <method name=\"Stop\">\n"
                "      <arg name=\"name\" type=\"s\" direction=\"in\"/>\n"
                "    </method>\n"
                "    <method name=\"Toggle\">\n"
                "      <arg name=\"name\" type=\"s\" direction=\"in\"/>\n"
                "    </method>\n"
                "    <method name=\"StopAll\"/>\n"
                "    <method name=\"Add\">\n"
                "      <arg name=\"name\" type=\"s\" direction=\"in\"/>\n"
                "      <arg name=\"total\" type=\"s\" direction=\"in\"/>\n"
                "    </method>\n"
                "    <signal name=\"Changed\"/>\n"
                "    <property name=\"RunningGoals\" type=\"as\" access=\"read\"/>\n"
                "  </interface>\n")
    // clang-format on
    Q_PROPERTY(QStringList RunningGoals READ RunningGoals)

public:
    static constexpr const char* kPath = "/org/ordalune/Tracker";
    static constexpr const char* kInterface = "org.ordalune.Tracker";

    // The name of the copy that owns the goal file in `directory` (empty: the current folder);
    // empty when the folder cannot be looked at.
    [[nodiscard]] static QString BusName(const std::string& directory);
    // Makes the bus types known; before the first call, on either side.
    static void RegisterTypes();

    // Offers the interface at once and asks for the name without waiting on the bus.
    ControlService(RemoteControl& control, const QDBusConnection& bus, const QString& name,
                   QObject* parent = nullptr);
    ~ControlService() override;

    [[nodiscard]] QStringList RunningGoals() const { return m_control.Running(); }

public slots:
    Q_SCRIPTABLE QList<RemoteGoal> List() const { return m_control.List(); }
    Q_SCRIPTABLE void Start(const QString& name) { Answer(m_control.Start(name)); }
    Q_SCRIPTABLE void Stop(const QString& name) { Answer(m_control.Stop(name)); }
    Q_SCRIPTABLE void Toggle(const QString& name) { Answer(m_control.Toggle(name)); }
    Q_SCRIPTABLE void StopAll() { Answer(m_control.StopAll()); }
    Q_SCRIPTABLE void Add(const QString& name, const QString& total) { Answer(m_control.Add(name, total)); }

signals:
    // The goals or their clocks changed; at most once a second.
    Q_SCRIPTABLE void Changed();

private:
    void Answer(const RemoteControl::Result& result);

    RemoteControl& m_control;
    QDBusConnection m_bus;
};
